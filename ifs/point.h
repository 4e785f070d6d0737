#pragma once

// A point of the plane, in fractal units.
struct ifsPoint {
  double x = 0.0;
  double y = 0.0;
};
