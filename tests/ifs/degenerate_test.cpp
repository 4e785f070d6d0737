// Fractals that go wrong in every way the engine must absorb: the whole
// analysis and drawing chain runs on them without a fault (the sanitizers
// watch for undefined conversions) and every result stays usable.
#include "ifs/guifractal.h"

#include "foundation/random.h"
#include "ifs/memsurface.h"
#include "tests/ifs/support/testfractals.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Analysis {
  double dimension;
  double lyapunov;
  ifsPixel low, high;
};

// What the factory does with a fractal, then a few drawing steps.
Analysis RunChain(ifsGuiFractal &fractal, ifsSurface &surface, double maxScaling = 1.0) {
  fractal.ComputeBounds(10000, AspectRatio(surface, surface.Width(), surface.Height()));
  fractal.ApplyScaling(1.0, 0.5, maxScaling);
  fractal.Prepare(surface, surface.Width(), surface.Height(), 0, 0);
  const ifsRect bounds = fractal.Bounds();
  Analysis result{fractal.Dimension(20000, 2000, 64), fractal.Lyapunov(10000, 0.001),
                  fractal.ToPixel({bounds.xMin, bounds.yMin}),
                  fractal.ToPixel({bounds.xMax, bounds.yMax})};
  for (int i = 0; i < 20; ++i)
    fractal.DrawStep(surface);
  return result;
}

void ExpectUsable(const Analysis &analysis) {
  EXPECT_TRUE(std::isfinite(analysis.dimension));
  EXPECT_GE(analysis.dimension, 0.0);
  EXPECT_TRUE(std::isfinite(analysis.lyapunov));
}

TEST(DegenerateFractals, NotANumberOrbits) {
  // Cancelling huge coefficients turn the first infinity into not-a-number.
  for (ifsColourSystem system : {ifsColourSystem::Solid, ifsColourSystem::Shaded,
                                 ifsColourSystem::Intensity, ifsColourSystem::Spectrum}) {
    ifsGuiFractal fractal;
    fractal.Reset(64, 48);
    fractal.AddRule(LinearRule(1e300, -1e300, 1e300, 1e300, 0, 0));
    fractal.SetColourSystem(system);
    ifsMemorySurface surface(64, 48);
    const Analysis analysis = RunChain(fractal, surface);
    ExpectUsable(analysis);
    EXPECT_TRUE(std::isfinite(fractal.Bounds().xMin)) << "bounds are never not-a-number";
    EXPECT_EQ(2000, fractal.PointsDrawn());
  }
}

TEST(DegenerateFractals, SinglePointAttractor) {
  ifsGuiFractal fractal;
  fractal.Reset(64, 48);
  fractal.AddRule(LinearRule(0, 0, 0, 0, 0.3, -0.2));
  fractal.SetColourSystem(ifsColourSystem::Intensity);
  ifsMemorySurface surface(64, 48);
  const Analysis analysis = RunChain(fractal, surface);
  EXPECT_EQ(0.0, analysis.dimension);
  EXPECT_EQ(0.0, analysis.lyapunov);
  EXPECT_EQ(analysis.low.x, analysis.high.x) << "no area, no points to draw";
  EXPECT_NE(0u, surface.ReadColour(32, 24));
}

TEST(DegenerateFractals, EscapingOrbitsAndExtremeZoom) {
  ifsGuiFractal fractal;
  fractal.Reset(64, 48);
  fractal.AddRule(LinearRule(2, 0, 0, 2, 1, 1));
  fractal.AddRule(LinearRule(-3, 0.5, 0, 2, 0, 0));
  ifsMemorySurface surface(64, 48);
  ExpectUsable(RunChain(fractal, surface, 1e12));
  const ifsPixel far = fractal.ToPixel({1e6, -1e6});
  EXPECT_LE(far.x, (1 << 30) + 32);
  EXPECT_GE(far.y, -(1 << 30));
}

TEST(DegenerateFractals, EmptyDrawingAreaAndNoRules) {
  ifsGuiFractal fractal;
  fractal.Reset(0, 0);
  AddGasket(fractal);
  fractal.SetColourSystem(ifsColourSystem::Intensity);
  ifsMemorySurface surface(0, 0);
  ExpectUsable(RunChain(fractal, surface));

  ifsGuiFractal empty;
  ifsMemorySurface small(8, 8);
  empty.Prepare(small, 8, 8, 0, 0);
  empty.DrawStep(small);
  EXPECT_EQ(100, empty.PointsDrawn());
  EXPECT_EQ(0.0, empty.Dimension(100, 10, 8));
  EXPECT_EQ(0.0, empty.Lyapunov(100, 0.001));
}

TEST(DegenerateFractals, DrawingBeforePrepareFallsBackToSolid) {
  ifsGuiFractal fractal;
  AddGasket(fractal);
  fractal.SetColourSystem(ifsColourSystem::Spectrum);
  ifsMemorySurface surface(100, 100);
  fractal.DrawStep(surface); // no counters yet: nothing may index them
  EXPECT_EQ(-1, fractal.HitCount(0, 0));
}

TEST(DegenerateFractals, RandomFractalsOfEverySystemAndSize) {
  ifsMemorySurface surface(80, 60);
  for (int system = 0; system < kRuleSystemCount; ++system) {
    for (int rules : {1, 2, 100}) {
      SeedRandom(1000 + system * 7 + rules);
      ifsGuiFractal fractal;
      fractal.Reset(80, 60);
      fractal.BuildRandom(static_cast<ifsRuleSystem>(system), rules, rules, 100, rules != 100,
                          static_cast<ifsColourSystem>((system + rules) % 4));
      ASSERT_EQ(rules, fractal.RuleCount());
      fractal.SetUseFixedPoints(rules % 2 == 0);
      ExpectUsable(RunChain(fractal, surface, 3.0));
    }
  }
}

} // namespace
