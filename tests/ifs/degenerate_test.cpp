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

// What the factory does with a fractal, then a few drawing steps.
void ExpectChainUsable(ifsGuiFractal &fractal, ifsSurface &surface, double maxScaling = 1.0) {
  fractal.ComputeBounds(10000, AspectRatio(surface, surface.Width(), surface.Height()));
  fractal.ApplyScaling(1.0, 0.5, maxScaling);
  fractal.Prepare(surface, surface.Width(), surface.Height(), 0, 0);
  const ifsRect bounds = fractal.Bounds();
  EXPECT_TRUE(std::isfinite(bounds.xMin) && std::isfinite(bounds.yMax)) << "bounds are numbers";
  const double dimension = fractal.Dimension(20000, 2000, 64);
  EXPECT_TRUE(dimension >= 0.0 && dimension <= 3.0) << dimension;
  EXPECT_TRUE(std::isfinite(fractal.Lyapunov(10000, 0.001)));
  fractal.ToPixel({bounds.xMin, bounds.yMin});
  fractal.ToPixel({bounds.xMax, bounds.yMax});
  for (int i = 0; i < 20; ++i)
    fractal.DrawStep(surface);
}

TEST(DegenerateFractals, HandBuiltFailures) {
  const struct {
    const char *what;
    ifsRule rule;
    double maxScaling;
  } cases[] = {
      // Cancelling huge coefficients turn the first infinity into NaN.
      {"not-a-number orbit", LinearRule(1e300, -1e300, 1e300, 1e300, 0, 0), 1.0},
      {"single point", LinearRule(0, 0, 0, 0, 0.3, -0.2), 1.0},
      {"escaping, zoomed far in", LinearRule(2, 0, 0, -3, 1, 1), 1e12},
  };
  for (const auto &c : cases) {
    for (int system = 0; system < kColourSystemCount; ++system) {
      SCOPED_TRACE(c.what);
      ifsGuiFractal fractal;
      fractal.Reset(64, 48);
      fractal.AddRule(c.rule);
      fractal.SetColourSystem(static_cast<ifsColourSystem>(system));
      ifsMemorySurface surface(64, 48);
      ExpectChainUsable(fractal, surface, c.maxScaling);
    }
  }
}

TEST(DegenerateFractals, EmptyAreasAndNoRules) {
  ifsGuiFractal fractal;
  fractal.Reset(0, 0);
  AddGasket(fractal);
  fractal.SetColourSystem(ifsColourSystem::Intensity);
  ifsMemorySurface none(0, 0);
  ExpectChainUsable(fractal, none);

  ifsGuiFractal empty;
  empty.SetColourSystem(ifsColourSystem::Spectrum);
  ifsMemorySurface small(8, 8);
  empty.DrawStep(small); // before Prepare: no counters to index
  empty.Prepare(small, 8, 8, 0, 0);
  empty.DrawStep(small);
  EXPECT_EQ(200, empty.PointsDrawn());
  EXPECT_EQ(0.0, empty.Dimension(100, 10, 8));
  EXPECT_EQ(0.0, empty.Lyapunov(100, 0.001));
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
      ExpectChainUsable(fractal, surface, 3.0);
    }
  }
}

} // namespace
