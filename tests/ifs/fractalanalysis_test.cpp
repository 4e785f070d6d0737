#include "ifs/fractal.h"

#include "foundation/random.h"
#include "tests/ifs/support/testfractals.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Four quarter-size copies tile the unit square.
void AddFilledSquare(ifsFractal &fractal) {
  for (double e : {0.0, 0.5})
    for (double f : {0.0, 0.5})
      fractal.AddRule(LinearRule(0.5, 0, 0, 0.5, e, f));
}

// y' = 0: bounds of zero height.
void AddFlatSegment(ifsFractal &fractal) {
  fractal.AddRule(LinearRule(0.5, 0, 0, 0, 0, 0));
  fractal.AddRule(LinearRule(0.5, 0, 0, 0, 0.5, 0));
}

TEST(Dimension, EstimatesKnownAttractors) {
  const struct {
    const char *what;
    void (*build)(ifsFractal &);
    double dimension, tolerance;
  } cases[] = {
      {"diagonal", [](ifsFractal &f) { AddDiagonal(f); }, 1.0, 0.05},
      {"gasket", [](ifsFractal &f) { AddGasket(f); }, std::log2(3.0), 0.1},
      {"filled square", AddFilledSquare, 2.0, 0.05},
      {"flat: no height", AddFlatSegment, 0.0, 0.0},
  };
  for (const auto &c : cases) {
    ifsFractal fractal;
    c.build(fractal);
    SeedRandom(2024);
    fractal.ComputeBounds(10000, 0.0);
    EXPECT_NEAR(c.dimension, fractal.Dimension(20000, 2000, 64), c.tolerance) << c.what;
  }
}

TEST(Analysis, RunsOrbitsOfItsOwn) {
  ifsFractal fractal;
  AddGasket(fractal);
  fractal.ComputeBounds(1000, 0.0);
  ifsPoint points[5];
  fractal.Iterate(5, points);
  const ifsPoint before = fractal.Current();
  fractal.Dimension(2000, 200, 16);
  fractal.Lyapunov(2000, 0.001);
  EXPECT_EQ(before.x, fractal.Current().x);
  EXPECT_TRUE(fractal.IsIterating());
}

TEST(Lyapunov, MeasuresTheMeanContraction) {
  const struct {
    const char *what;
    ifsRule rules[2];
    int ruleCount;
    double expected, tolerance;
  } cases[] = {
      {"halving", {LinearRule(0.5, 0, 0, 0.5, 0, 0)}, 1, std::log(0.5), 1e-9},
      {"mixed",
       {LinearRule(0.5, 0, 0, 0.5, 0, 0), LinearRule(0.25, 0, 0, 0.25, 0.5, 0.5)},
       2,
       (std::log(0.5) + std::log(0.25)) / 2,
       0.02},
      // Separation always below the threshold: never counted.
      {"constant",
       {LinearRule(0, 0, 0, 0, 0.3, 0.7), LinearRule(0, 0, 0, 0, -0.2, 0.1)},
       2,
       0.0,
       0.0},
      // Leaves the warm-up inside the limit and escapes within about 150
      // steps, again and again: restarts must not count.
      {"escaping", {LinearRule(1.1, 0, 0, 1.1, 0.1, 0.1)}, 1, std::log(1.1), 1e-6},
  };
  for (const auto &c : cases) {
    ifsFractal fractal;
    for (int i = 0; i < c.ruleCount; ++i)
      fractal.AddRule(c.rules[i]);
    SeedRandom(6);
    EXPECT_NEAR(c.expected, fractal.Lyapunov(20000, 0.001), c.tolerance) << c.what;
  }
}

} // namespace
