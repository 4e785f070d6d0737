#pragma once

// An axis-aligned box of the plane, in fractal units.
struct ifsRect {
  double xMin = -1.0;
  double yMin = -1.0;
  double xMax = 1.0;
  double yMax = 1.0;
};
