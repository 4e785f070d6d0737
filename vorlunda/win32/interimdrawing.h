#pragma once

#include "ifs/guifractal.h"
#include "ifs/surface.h"

#include <cstdint>

// Stand-in for the factory's four-state loop until it is wired in: groups of
// random linear fractals, drawn a slice of points a step, with a pause after
// each group.
class vInterimDrawing {
public:
  // Returns after at most one fractal build or one slice of points.
  void Advance(ifsSurface &surface, std::uint32_t now);

private:
  enum class State { kNewGroup, kBuild, kDraw, kWait };

  void BeginGroup(ifsSurface &surface);
  void Build(ifsSurface &surface);
  void Draw(ifsSurface &surface, std::uint32_t now);

  State state_ = State::kNewGroup;
  ifsGuiFractal fractal_;
  int fractalsLeft_ = 0;
  int targetPoints_ = 0;
  std::uint32_t finishTime_ = 0;
};
