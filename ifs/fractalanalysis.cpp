// The two measures by which a fractal is judged: box-counting dimension and
// Lyapunov exponent. Both run orbits of their own and leave `current` alone.
#include "ifs/fractal.h"

#include <cassert>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr double kDegenerateBounds = 1e-9;
// Separations below this (squared) are numerically zero and are not counted.
constexpr double kSeparationThreshold = 1e-20;

// A square bitmap of size × size boxes, one bit a box.
class BoxGrid {
public:
  explicit BoxGrid(int size) : rowBytes_((size + 7) / 8), bits_(rowBytes_ * size, 0) {}

  // True if the box was empty before.
  bool Mark(int i, int j) {
    std::uint8_t &byte = bits_[static_cast<std::size_t>(j) * rowBytes_ + i / 8];
    const std::uint8_t bit = static_cast<std::uint8_t>(1u << (i % 8));
    if ((byte & bit) != 0)
      return false;
    byte |= bit;
    return true;
  }

private:
  std::size_t rowBytes_;
  // A byte buffer of a size known up front and zeroed, which DynArray (grown
  // by Add) does not give; std::vector is kept for that.
  std::vector<std::uint8_t> bits_;
};

// The box index of offset × boxesPerUnit, or -1 outside 0 to size - 1 (and
// for values that are not numbers), checked before any conversion to int.
int BoxIndex(double offset, double boxesPerUnit, int size) {
  const double t = offset * boxesPerUnit;
  if (!(t >= 0.0 && t < size))
    return -1;
  return static_cast<int>(t);
}

} // namespace

double ifsFractal::Dimension(int maxIterations, int patience, int gridSize) {
  assert(gridSize > 0 && gridSize % 2 == 0);
  const double width = bounds_.xMax - bounds_.xMin;
  const double height = bounds_.yMax - bounds_.yMin;
  if (!(width >= kDegenerateBounds && height >= kDegenerateBounds) || rules_.Count() == 0)
    return 0.0;
  BoxGrid fine(gridSize);
  BoxGrid coarse(gridSize >> 1);
  const double kx = gridSize / width;
  const double ky = gridSize / height;
  int fineCount = 0, coarseCount = 0, sinceNew = 0;
  ifsPoint p;
  StartPoint(p);
  for (int n = 0; n < maxIterations; ++n) {
    ifsPoint q = ChooseRule().Apply(p);
    if (Clamp(q))
      StartPoint(q);
    p = q;
    ++sinceNew;
    const int i = BoxIndex(q.x - bounds_.xMin, kx, gridSize);
    const int j = BoxIndex(q.y - bounds_.yMin, ky, gridSize);
    if (i >= 0 && j >= 0) {
      if (fine.Mark(i, j)) {
        ++fineCount;
        sinceNew = 0;
      }
      if (coarse.Mark(i / 2, j / 2))
        ++coarseCount;
    }
    if (patience >= 1 && sinceNew >= patience)
      break;
  }
  if (coarseCount == 0)
    return 0.0;
  return std::log(static_cast<double>(fineCount) / coarseCount) / std::log(2.0);
}

double ifsFractal::Lyapunov(int iterations, double delta) {
  if (rules_.Count() == 0)
    return 0.0;
  const double k = 1.0 / (delta * delta);
  double sum = 0.0;
  int counted = 0;
  ifsPoint p;
  StartPoint(p);
  ifsPoint q{p.x + delta, p.y};
  for (int n = 0; n < iterations; ++n) {
    const ifsRule &rule = ChooseRule();
    ifsPoint p1 = rule.Apply(p);
    ifsPoint q1 = rule.Apply(q);
    if (Clamp(p1) || Clamp(q1)) {
      StartPoint(p);
      q = {p.x + delta, p.y};
      continue;
    }
    p = p1;
    q = q1;
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    const double d2 = dx * dx + dy * dy;
    if (d2 >= kSeparationThreshold) {
      const double r = d2 * k;
      sum += std::log(r);
      ++counted;
      const double root = std::sqrt(r);
      q = {p.x + dx / root, p.y + dy / root};
    } else {
      q = {p.x + delta, p.y};
    }
  }
  if (counted < 1)
    return 0.0;
  return 0.5 * sum / counted;
}
