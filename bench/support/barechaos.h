#pragma once

// The chaos game without the engine's generality: plain arrays, a weighted
// choice, the affine map and one pixel store. It stands for the physical
// limit the drawing paths are measured against.
#include "foundation/random.h"
#include "ifs/guifractal.h"
#include "ifs/surface.h"

#include <cstdint>
#include <vector>

class BareChaosLoop {
public:
  // The first `ruleCount` rules of a linear fractal prepared for `surface`.
  BareChaosLoop(const ifsGuiFractal &fractal, int ruleCount, ifsSurface &surface)
      : bits_(surface.Row(0)), stride_(surface.Stride()), width_(surface.Width()),
        height_(surface.Height()) {
    for (int i = 0; i < ruleCount; ++i) {
      const ifsRule &r = fractal.Rule(i);
      rules_.push_back({r.Weight(), r.A(), r.B(), r.C(), r.D(), r.E(), r.F()});
      total_ += r.Weight();
    }
    const ifsRect view = fractal.View();
    cx_ = (view.xMin + view.xMax) / 2;
    cy_ = (view.yMin + view.yMax) / 2;
    scaleX_ = fractal.ScaleX();
    scaleY_ = fractal.ScaleY();
  }

  // One batch of points, as many as a drawing step plots.
  void Batch() {
    const int ruleCount = static_cast<int>(rules_.size());
    for (int n = 0; n < kBatchPoints; ++n) {
      double v = RandUnit() * total_;
      int chosen = ruleCount - 1;
      for (int i = 0; i < ruleCount - 1; ++i) {
        v -= rules_[i].weight;
        if (v <= 0.0) {
          chosen = i;
          break;
        }
      }
      const Rule &r = rules_[chosen];
      const double nx = r.a * x_ + r.b * y_ + r.e;
      y_ = r.c * x_ + r.d * y_ + r.f;
      x_ = nx;
      const double px = (x_ - cx_) * scaleX_ + width_ / 2 + 0.5;
      const double py = height_ / 2 - (y_ - cy_) * scaleY_ + 0.5;
      if (px >= 0 && px < width_ && py >= 0 && py < height_)
        reinterpret_cast<std::uint32_t *>(bits_ + static_cast<int>(py) *
                                                      stride_)[static_cast<int>(px)] = 0xffffff;
    }
  }

private:
  struct Rule {
    double weight, a, b, c, d, e, f;
  };
  std::vector<Rule> rules_;
  double total_ = 0.0;
  double cx_ = 0.0, cy_ = 0.0, scaleX_ = 1.0, scaleY_ = 1.0;
  double x_ = 0.5, y_ = 0.5;
  std::uint8_t *bits_;
  int stride_, width_, height_;
};
