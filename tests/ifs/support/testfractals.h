#pragma once

#include "ifs/fractal.h"
#include "ifs/rule.h"

// Small fractals with attractors known in closed form.

inline ifsRule LinearRule(double a, double b, double c, double d, double e, double f,
                          double weight = 1.0) {
  return ifsRule(ifsRuleSystem::Linear, weight, a, b, c, d, e, f);
}

// The diagonal from (0, 0) to (1, 1).
template <typename Fractal> void AddDiagonal(Fractal &fractal) {
  fractal.AddRule(LinearRule(0.5, 0, 0, 0.5, 0, 0));
  fractal.AddRule(LinearRule(0.5, 0, 0, 0.5, 0.5, 0.5));
}

// The Sierpinski gasket on the triangle (0, 0), (1, 0), (0.5, 1).
template <typename Fractal> void AddGasket(Fractal &fractal) {
  fractal.AddRule(LinearRule(0.5, 0, 0, 0.5, 0, 0));
  fractal.AddRule(LinearRule(0.5, 0, 0, 0.5, 0.5, 0));
  fractal.AddRule(LinearRule(0.5, 0, 0, 0.5, 0.25, 0.5));
}
