#include "ifs/fractal.h"

#include "foundation/random.h"
#include "tests/ifs/support/referencerandom.h"
#include "tests/ifs/support/testfractals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr int kWarmUpSteps = 20;

double Coefficient(ReferenceRandom &reference) { return reference.NextUnit() * 2 - 1; }

// Checks rule `rule` against the next six reference draws (f first).
void ExpectDrawnRule(const ifsRule &rule, ReferenceRandom &reference) {
  const double f = Coefficient(reference), e = Coefficient(reference);
  const double d = Coefficient(reference), c = Coefficient(reference);
  const double b = Coefficient(reference), a = Coefficient(reference);
  EXPECT_EQ(a, rule.A());
  EXPECT_EQ(b, rule.B());
  EXPECT_EQ(c, rule.C());
  EXPECT_EQ(d, rule.D());
  EXPECT_EQ(e, rule.E());
  EXPECT_EQ(f, rule.F());
}

TEST(BuildRandom, FixedCountDrawsRulesThenColour) {
  SeedRandom(1234);
  ifsFractal fractal;
  fractal.BuildRandom(ifsRuleSystem::Linear, 2, 2, 0, false, ifsColourSystem::Solid);
  ASSERT_EQ(2, fractal.RuleCount());
  ReferenceRandom reference(1234);
  ExpectDrawnRule(fractal.Rule(0), reference);
  ExpectDrawnRule(fractal.Rule(1), reference);
  // RandomColour(0) takes its first triple.
  const int r = reference.Next() % 255, g = reference.Next() % 255, b = reference.Next() % 255;
  EXPECT_EQ(r, fractal.Colour().red);
  EXPECT_EQ(g, fractal.Colour().green);
  EXPECT_EQ(b, fractal.Colour().blue);
  EXPECT_EQ(2.0, fractal.TotalWeight());
  EXPECT_EQ(reference.Next(), Rand());
}

TEST(BuildRandom, CountComesFromTheFirstDraw) {
  for (std::uint32_t seed = 1; seed <= 8; ++seed) {
    SeedRandom(seed);
    ifsFractal fractal;
    fractal.BuildRandom(ifsRuleSystem::Trig, 3, 6, 0, true, ifsColourSystem::Intensity);
    EXPECT_EQ(3 + ReferenceRandom(seed).Next() % 4, fractal.RuleCount()) << seed;
  }
}

TEST(BuildRandom, MixtureGivesEachRuleASystemOfItsOwn) {
  SeedRandom(99);
  ifsFractal fractal;
  fractal.BuildRandom(ifsRuleSystem::Mixture, 40, 40, 0, false, ifsColourSystem::Solid);
  ReferenceRandom reference(99);
  int distinct[kRuleSystemCount] = {};
  for (int i = 0; i < fractal.RuleCount(); ++i) {
    int system;
    do
      system = reference.Next() % 6;
    while (system == 5);
    reference.Skip(6);
    EXPECT_EQ(system, static_cast<int>(fractal.Rule(i).System())) << i;
    distinct[system] = 1;
  }
  EXPECT_EQ(0, distinct[static_cast<int>(ifsRuleSystem::Mixture)]);
  EXPECT_EQ(5, distinct[0] + distinct[1] + distinct[2] + distinct[3] + distinct[4]);
}

TEST(BuildRandom, ShadedColoursEachRuleWithABlend) {
  SeedRandom(5);
  ifsFractal fractal;
  fractal.BuildRandom(ifsRuleSystem::Trig, 3, 3, 0, false, ifsColourSystem::Shaded);
  ReferenceRandom reference(5);
  reference.Skip(3 * 6);
  for (int i = 0; i < 3; ++i) {
    const int r = reference.Next() % 255, g = reference.Next() % 255, b = reference.Next() % 255;
    const double u1 = reference.NextUnit(), u2 = reference.NextUnit();
    const ifsColour colour = fractal.Rule(i).Colour();
    EXPECT_EQ(r / 255.0, colour.red);
    EXPECT_EQ(g / 255.0, colour.green);
    EXPECT_EQ(b / 255.0, colour.blue);
    EXPECT_EQ(u1 * u2, fractal.Rule(i).Blend());
  }
}

TEST(BuildRandom, SpectrumStepSignFollowsTheParityOfTheLastDraw) {
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    SeedRandom(seed);
    ifsFractal fractal;
    fractal.BuildRandom(ifsRuleSystem::Trig, 2, 2, 300, false, ifsColourSystem::Spectrum);
    ReferenceRandom reference(seed);
    reference.Skip(2 * 6 + 2); // rules, then brightness and hue
    EXPECT_EQ(reference.Next() % 2 == 1 ? -4 : 4, fractal.HueStep()) << seed;
    EXPECT_EQ(240, fractal.SpectrumColour().saturation);
    EXPECT_EQ(reference.Next(), Rand());
  }
}

TEST(BuildRandom, StartsFromANewFractal) {
  ifsFractal fractal;
  AddGasket(fractal);
  fractal.SetUseFixedPoints(true);
  fractal.ComputeBounds(500, 1.5);
  fractal.BuildRandom(ifsRuleSystem::Linear, 2, 2, 0, false, ifsColourSystem::Solid);
  EXPECT_EQ(2, fractal.RuleCount());
  EXPECT_FALSE(fractal.UsesFixedPoints());
  EXPECT_FALSE(fractal.IsIterating());
  EXPECT_EQ(-1.0, fractal.View().xMin);
  EXPECT_EQ(1.0, fractal.Bounds().yMax);
}

TEST(ChooseRule, ZeroWeightsLeaveTheLastRuleExceptAtZero) {
  ifsFractal fractal;
  fractal.AddRule(LinearRule(0, 0, 0, 0, 1, 0, 0.0));
  fractal.AddRule(LinearRule(0, 0, 0, 0, 2, 0, 0.0));
  fractal.AddRule(LinearRule(0, 0, 0, 0, 3, 0, 1.0));
  const std::uint32_t zeroSeed = SeedWhereFirstDraw([](int r) { return r == 0; });
  SeedRandom(zeroSeed);
  EXPECT_EQ(1.0, fractal.ChooseRule().E()) << "u = 0 picks the first rule";
  SeedRandom(3);
  for (int i = 0; i < 1000; ++i)
    EXPECT_EQ(3.0, fractal.ChooseRule().E());
}

TEST(ChooseRule, FollowsTheWeights) {
  ifsFractal fractal;
  fractal.AddRule(LinearRule(0, 0, 0, 0, 0, 0, 1.0));
  fractal.AddRule(LinearRule(0, 0, 0, 0, 1, 0, 1.0));
  fractal.AddRule(LinearRule(0, 0, 0, 0, 2, 0, 2.0));
  SeedRandom(11);
  int counts[3] = {};
  constexpr int kDraws = 40000;
  for (int i = 0; i < kDraws; ++i)
    ++counts[static_cast<int>(fractal.ChooseRule().E())];
  EXPECT_NEAR(kDraws / 4, counts[0], kDraws / 50);
  EXPECT_NEAR(kDraws / 4, counts[1], kDraws / 50);
  EXPECT_NEAR(kDraws / 2, counts[2], kDraws / 50);
}

TEST(StartPoint, WithoutFixedPointsStartsInTheUnitSquare) {
  // Only Trig rules: no fixed point even when fixed points are asked for.
  const ifsRule rule(ifsRuleSystem::Trig, 1.0, 0.5, 0.1, -0.3, 0.4, 0.2, 0.1);
  ifsFractal fractal;
  fractal.AddRule(rule);
  fractal.SetUseFixedPoints(true);
  SeedRandom(77);
  ifsPoint p;
  fractal.StartPoint(p);
  ReferenceRandom reference(77);
  ifsPoint expected{reference.NextUnit(), reference.NextUnit()};
  for (int i = 0; i < kWarmUpSteps; ++i) {
    reference.Next();
    expected = rule.Apply(expected);
  }
  EXPECT_EQ(expected.x, p.x);
  EXPECT_EQ(expected.y, p.y);
  EXPECT_EQ(reference.Next(), Rand());
}

TEST(StartPoint, FixedPointStartCarriesTheRuleColour) {
  ifsFractal fractal;
  fractal.AddRule(ifsRule(ifsRuleSystem::Trig, 0.0, 0.5, 0, 0, 0.5, 0, 0)); // no fixed point
  ifsRule toOne = LinearRule(0.5, 0, 0, 0.5, 0.5, 0, 0.0); // fixed point (1, 0), never chosen
  toOne.SetColour(0.2, 0.4, 0.6, 1.0);
  fractal.AddRule(toOne);
  ifsRule stay = LinearRule(1, 0, 0, 1, 0, 0); // identity: the warm-up keeps the point
  stay.SetColour(1.0, 1.0, 1.0, 0.0);          // and blending with 0 keeps the colour
  fractal.AddRule(stay);
  fractal.SetUseFixedPoints(true);
  fractal.SetColourSystem(ifsColourSystem::Shaded);
  SeedRandom(3);
  ifsPoint p;
  ifsColour colour;
  fractal.StartPoint(p, &colour);
  EXPECT_NEAR(1.0, p.x, 1e-12);
  EXPECT_NEAR(0.0, p.y, 1e-12);
  EXPECT_NEAR(0.2, colour.red, 1e-12);
  EXPECT_NEAR(0.6, colour.blue, 1e-12);
  ReferenceRandom reference(3);
  reference.Skip(kWarmUpSteps);
  EXPECT_EQ(reference.Next(), Rand()) << "only the warm-up draws";
}

TEST(Iterate, AnEscapingOrbitFillsTheBatchWithTheClampedPoint) {
  ifsFractal fractal;
  fractal.AddRule(LinearRule(2, 0, 0, 2, 1, 1));
  ifsPoint points[kBatchPoints];
  ifsRgb colours[kBatchPoints];
  SeedRandom(8);
  fractal.Iterate(kBatchPoints, points, colours);
  for (const ifsPoint &p : points) {
    EXPECT_EQ(1e6, p.x);
    EXPECT_EQ(1e6, p.y);
  }
  EXPECT_EQ(255, colours[kBatchPoints - 1].green);
  EXPECT_EQ(1e6, fractal.Current().x);
  EXPECT_TRUE(fractal.IsIterating());
  fractal.Iterate(3, points);
  EXPECT_EQ(1e6, points[2].y) << "the next batch continues from the clamped point";
}

TEST(Iterate, BatchesContinueOneOrbit) {
  ifsFractal whole, split;
  AddGasket(whole);
  AddGasket(split);
  ifsPoint once[kBatchPoints], twice[kBatchPoints];
  SeedRandom(21);
  whole.Iterate(kBatchPoints, once);
  SeedRandom(21);
  split.Iterate(40, twice);
  split.Iterate(60, twice + 40);
  for (int i = 0; i < kBatchPoints; ++i) {
    EXPECT_EQ(once[i].x, twice[i].x) << i;
    EXPECT_EQ(once[i].y, twice[i].y) << i;
  }
  EXPECT_EQ(once[kBatchPoints - 1].x, whole.Current().x);
}

TEST(Iterate, ColoursFollowTheColourSystem) {
  ifsFractal solid;
  AddGasket(solid);
  solid.SetColour(10, 128, 255);
  ifsPoint points[10];
  ifsRgb colours[10];
  solid.Iterate(10, points, colours);
  EXPECT_EQ(10, colours[9].red);
  EXPECT_EQ(128, colours[9].green);
  EXPECT_EQ(255, colours[9].blue);

  ifsFractal shaded;
  ifsRule red = LinearRule(0.5, 0, 0, 0.5, 0, 0);
  red.SetColour(1.0, 0.0, 0.0, 1.0);
  shaded.AddRule(red);
  shaded.SetColourSystem(ifsColourSystem::Shaded);
  shaded.Iterate(10, points, colours);
  EXPECT_EQ(255, colours[0].red);
  EXPECT_EQ(0, colours[0].green);
  EXPECT_EQ(1.0, shaded.CurrentColour().red);
}

TEST(Clamp, HoldsEachCoordinateAndLeavesNaNAlone) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    ifsPoint in;
    bool escaped;
    ifsPoint out;
  };
  const Case cases[] = {
      {{0.5, -0.5}, false, {0.5, -0.5}}, {{1e6, -1e6}, false, {1e6, -1e6}},
      {{2e6, 0}, true, {1e6, 0}},        {{0, -inf}, true, {0, -1e6}},
      {{-3e6, 5e6}, true, {-1e6, 1e6}},  {{nan, 0}, false, {nan, 0}},
  };
  ifsFractal fractal;
  for (const Case &c : cases) {
    ifsPoint p = c.in;
    EXPECT_EQ(c.escaped, fractal.Clamp(p)) << c.in.x << ", " << c.in.y;
    if (c.out.x == c.out.x)
      EXPECT_EQ(c.out.x, p.x);
    else
      EXPECT_TRUE(std::isnan(p.x));
    EXPECT_EQ(c.out.y, p.y);
  }
}

// Contractive rules with fixed points (0, 0) and (1, 1): with no points
// iterated the bounds are exactly the unit square.
ifsFractal UnitSquareBounds() {
  ifsFractal fractal;
  fractal.AddRule(LinearRule(0.5, 0, 0, 0.5, 0, 0));
  fractal.AddRule(LinearRule(0.5, 0, 0, 0.5, 0.5, 0.5));
  fractal.SetUseFixedPoints(true);
  return fractal;
}

TEST(ComputeBounds, FitsTheViewToTheAspect) {
  struct Case {
    double aspect;
    ifsRect view;
  };
  const Case cases[] = {
      {2.0, {-0.5, 0, 1.5, 1}},
      {0.5, {0, -0.5, 1, 1.5}},
      {1.0, {0, 0, 1, 1}},
      {0.0, {0, 0, 1, 1}}, // no fitting
  };
  for (const Case &c : cases) {
    ifsFractal fractal = UnitSquareBounds();
    fractal.ComputeBounds(0, c.aspect);
    const ifsRect bounds = fractal.Bounds(), view = fractal.View();
    EXPECT_EQ(0.0, bounds.xMin);
    EXPECT_EQ(1.0, bounds.yMax);
    EXPECT_DOUBLE_EQ(c.view.xMin, view.xMin) << c.aspect;
    EXPECT_DOUBLE_EQ(c.view.yMin, view.yMin) << c.aspect;
    EXPECT_DOUBLE_EQ(c.view.xMax, view.xMax) << c.aspect;
    EXPECT_DOUBLE_EQ(c.view.yMax, view.yMax) << c.aspect;
  }
}

TEST(ComputeBounds, MeasuresTheAttractor) {
  ifsFractal fractal;
  AddGasket(fractal);
  SeedRandom(4);
  fractal.ComputeBounds(10000, 0.0);
  const ifsRect bounds = fractal.Bounds();
  EXPECT_GE(bounds.xMin, 0.0);
  EXPECT_LT(bounds.xMin, 0.01);
  EXPECT_LE(bounds.xMax, 1.0);
  EXPECT_GT(bounds.xMax, 0.99);
  EXPECT_GE(bounds.yMin, 0.0);
  EXPECT_GT(bounds.yMax, 0.99);
  EXPECT_FALSE(fractal.IsIterating());
}

TEST(ComputeBounds, WithNothingIncludedTheBoundsStay) {
  ifsFractal fractal;
  AddGasket(fractal);
  fractal.ComputeBounds(0, 0.0);
  EXPECT_EQ(-1.0, fractal.Bounds().xMin);
  EXPECT_EQ(1.0, fractal.Bounds().yMax);
}

TEST(ApplyScaling, ZoomsAboutTheCentreAndDrawsThreeValues) {
  ifsFractal fractal = UnitSquareBounds();
  fractal.ComputeBounds(0, 0.0);
  SeedRandom(17);
  fractal.ApplyScaling(0.0, 2.0, 2.0);
  EXPECT_DOUBLE_EQ(0.25, fractal.View().xMin);
  EXPECT_DOUBLE_EQ(0.75, fractal.View().xMax);
  EXPECT_DOUBLE_EQ(0.25, fractal.View().yMin);
  EXPECT_DOUBLE_EQ(0.75, fractal.View().yMax);
  ReferenceRandom reference(17);
  reference.Skip(3);
  EXPECT_EQ(reference.Next(), Rand());
}

TEST(ApplyScaling, ScaleThenShiftInThatOrder) {
  ifsFractal fractal = UnitSquareBounds();
  fractal.ComputeBounds(0, 0.0);
  SeedRandom(23);
  fractal.ApplyScaling(1.0, 0.5, 4.0);
  ReferenceRandom reference(23);
  const double s = std::exp(std::log(0.5) + (std::log(4.0) - std::log(0.5)) * reference.NextUnit());
  const double half = 0.5 / s;
  const double dx = half * (2 * reference.NextUnit() - 1);
  const double dy = half * (2 * reference.NextUnit() - 1);
  EXPECT_DOUBLE_EQ(0.5 - half + dx, fractal.View().xMin);
  EXPECT_DOUBLE_EQ(0.5 + half + dx, fractal.View().xMax);
  EXPECT_DOUBLE_EQ(0.5 - half + dy, fractal.View().yMin);
  EXPECT_DOUBLE_EQ(0.5 + half + dy, fractal.View().yMax);
}

TEST(WholeFractalChanges, RestartTheOrbitAndChangeEveryRule) {
  ifsFractal fractal;
  AddDiagonal(fractal);
  ifsPoint points[4];
  fractal.Iterate(4, points);
  ASSERT_TRUE(fractal.IsIterating());
  fractal.ScaleAll(2.0, 2.0);
  EXPECT_FALSE(fractal.IsIterating());
  EXPECT_DOUBLE_EQ(1.0, fractal.Rule(1).E());
  fractal.Iterate(4, points);
  fractal.FlipAllHorizontal();
  EXPECT_FALSE(fractal.IsIterating());
  EXPECT_DOUBLE_EQ(-1.0, fractal.Rule(1).E());
  fractal.RotateAll(0.3);
  fractal.ShearAll(0.2, 0.0);
  EXPECT_EQ(2, fractal.RuleCount());
}

} // namespace
