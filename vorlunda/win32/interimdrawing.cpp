#include "vorlunda/win32/interimdrawing.h"

#include "foundation/random.h"

namespace {

constexpr int kGroupFractalsMax = 3;
constexpr int kBoundsPoints = 2000;
constexpr int kPointsPerPixel = 2;
constexpr std::uint32_t kClearDelayMs = 3000;

} // namespace

void vInterimDrawing::Advance(ifsSurface &surface, std::uint32_t now) {
  switch (state_) {
  case State::kNewGroup:
    BeginGroup(surface);
    break;
  case State::kBuild:
    Build(surface);
    break;
  case State::kDraw:
    Draw(surface, now);
    break;
  case State::kWait:
    if (now - finishTime_ >= kClearDelayMs)
      state_ = State::kNewGroup;
    break;
  }
}

void vInterimDrawing::BeginGroup(ifsSurface &surface) {
  surface.Clear();
  fractalsLeft_ = 1 + Rand() % kGroupFractalsMax;
  fractal_.ClearIntensity();
  state_ = State::kBuild;
}

void vInterimDrawing::Build(ifsSurface &surface) {
  const int width = surface.Width();
  const int height = surface.Height();
  fractal_.Reset(width, height);
  fractal_.BuildRandom(ifsRuleSystem::Linear, 2, 5, 100, true, ifsColourSystem::Shaded);
  fractal_.ComputeBounds(kBoundsPoints, height > 0 ? double(width) / height : 1.0);
  fractal_.ApplyScaling(0.5, 0.6, 0.95);
  fractal_.Prepare(surface, width, height, 0, 0);
  targetPoints_ = width * height / kPointsPerPixel;
  state_ = State::kDraw;
}

void vInterimDrawing::Draw(ifsSurface &surface, std::uint32_t now) {
  fractal_.DrawStep(surface);
  if (fractal_.PointsDrawn() < targetPoints_)
    return;
  finishTime_ = now;
  state_ = --fractalsLeft_ <= 0 ? State::kWait : State::kBuild;
}
