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

double MeasuredDimension(void (*build)(ifsFractal &)) {
  ifsFractal fractal;
  build(fractal);
  SeedRandom(2024);
  fractal.ComputeBounds(10000, 0.0);
  return fractal.Dimension(20000, 2000, 64);
}

TEST(Dimension, EstimatesKnownAttractors) {
  struct Case {
    const char *what;
    void (*build)(ifsFractal &);
    double dimension;
    double tolerance;
  };
  const Case cases[] = {
      {"diagonal", [](ifsFractal &f) { AddDiagonal(f); }, 1.0, 0.05},
      {"gasket", [](ifsFractal &f) { AddGasket(f); }, std::log2(3.0), 0.1},
      {"filled square", AddFilledSquare, 2.0, 0.05},
  };
  for (const Case &c : cases)
    EXPECT_NEAR(c.dimension, MeasuredDimension(c.build), c.tolerance) << c.what;
}

TEST(Dimension, DegenerateBoundsGiveZero) {
  ifsFractal flat;
  flat.AddRule(LinearRule(0.5, 0, 0, 0, 0, 0)); // y' = 0: bounds of zero height
  flat.AddRule(LinearRule(0.5, 0, 0, 0, 0.5, 0));
  flat.ComputeBounds(1000, 0.0);
  ASSERT_EQ(0.0, flat.Bounds().yMax - flat.Bounds().yMin);
  EXPECT_EQ(0.0, flat.Dimension(20000, 2000, 64));

  ifsFractal gasket;
  AddGasket(gasket);
  gasket.ComputeBounds(1000, 0.0);
  EXPECT_EQ(0.0, gasket.Dimension(0, 2000, 64)) << "no iterations, no boxes";
}

TEST(Dimension, RunsAnOrbitOfItsOwn) {
  ifsFractal fractal;
  AddGasket(fractal);
  fractal.ComputeBounds(1000, 0.0);
  ifsPoint points[5];
  fractal.Iterate(5, points);
  const ifsPoint before = fractal.Current();
  fractal.Dimension(2000, 200, 16);
  fractal.Lyapunov(2000, 0.001);
  EXPECT_EQ(before.x, fractal.Current().x);
  EXPECT_EQ(before.y, fractal.Current().y);
  EXPECT_TRUE(fractal.IsIterating());
}

TEST(Dimension, PatienceStopsEarly) {
  // A point attractor fills one box; with patience the search gives up, and
  // with patience 0 it runs to the limit. Either way one box of each size.
  ifsFractal fractal;
  fractal.AddRule(LinearRule(0, 0, 0, 0, 0.5, 0.5));
  fractal.AddRule(LinearRule(0.5, 0, 0, 0.5, 0, 0));
  fractal.ComputeBounds(1000, 0.0);
  const double patient = fractal.Dimension(20000, 50, 64);
  const double exhaustive = fractal.Dimension(3000, 0, 64);
  EXPECT_GE(patient, 0.0);
  EXPECT_GE(exhaustive, patient);
}

TEST(Lyapunov, ConvergingAndCollapsingMaps) {
  ifsFractal halving;
  halving.AddRule(LinearRule(0.5, 0, 0, 0.5, 0, 0));
  EXPECT_NEAR(std::log(0.5), halving.Lyapunov(10000, 0.001), 1e-9);

  ifsFractal constant;
  constant.AddRule(LinearRule(0, 0, 0, 0, 0.3, 0.7));
  constant.AddRule(LinearRule(0, 0, 0, 0, -0.2, 0.1));
  EXPECT_EQ(0.0, constant.Lyapunov(10000, 0.001)) << "separation is never counted";
}

TEST(Lyapunov, MixedContractionsAverageTheirLogs) {
  ifsFractal fractal;
  fractal.AddRule(LinearRule(0.5, 0, 0, 0.5, 0, 0));
  fractal.AddRule(LinearRule(0.25, 0, 0, 0.25, 0.5, 0.5));
  SeedRandom(6);
  const double expected = (std::log(0.5) + std::log(0.25)) / 2;
  EXPECT_NEAR(expected, fractal.Lyapunov(20000, 0.001), 0.02);
}

TEST(Lyapunov, EscapingOrbitsRestart) {
  ifsFractal fractal;
  // Slow enough to leave the warm-up inside the limit, then escapes within
  // about 150 steps, again and again.
  fractal.AddRule(LinearRule(1.1, 0, 0, 1.1, 0.1, 0.1));
  SeedRandom(9);
  const double result = fractal.Lyapunov(10000, 0.001);
  EXPECT_NEAR(std::log(1.1), result, 1e-6);
}

} // namespace
