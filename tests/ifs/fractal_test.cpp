#include "ifs/fractal.h"

#include "foundation/random.h"
#include "tests/ifs/support/referencerandom.h"
#include "tests/ifs/support/testfractals.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kWarmUpSteps = 20;

TEST(BuildRandom, DrawsCountThenRulesThenColour) {
  for (int maxRules : {2, 5}) {
    SeedRandom(1234);
    ifsFractal fractal;
    fractal.BuildRandom(ifsRuleSystem::Linear, 2, maxRules, 0, false, ifsColourSystem::Solid);
    ReferenceRandom reference(1234);
    // Equal limits draw no count.
    const int count = maxRules == 2 ? 2 : 2 + reference.Next() % 4;
    ASSERT_EQ(count, fractal.RuleCount());
    for (int i = 0; i < count; ++i) {
      const double f = reference.NextUnit() * 2 - 1;
      reference.Skip(4);
      EXPECT_EQ(f, fractal.Rule(i).F()) << i;
      EXPECT_EQ(reference.NextUnit() * 2 - 1, fractal.Rule(i).A()) << i;
    }
    EXPECT_EQ(reference.Next() % 255, fractal.Colour().red) << "RandomColour(0) takes one triple";
    EXPECT_EQ(reference.Next() % 255, fractal.Colour().green);
    EXPECT_EQ(reference.Next() % 255, fractal.Colour().blue);
    EXPECT_EQ(count, fractal.TotalWeight());
  }
}

TEST(BuildRandom, MixtureGivesEachRuleASystemOfItsOwn) {
  SeedRandom(99);
  ifsFractal fractal;
  fractal.BuildRandom(ifsRuleSystem::Mixture, 40, 40, 0, false, ifsColourSystem::Solid);
  ReferenceRandom reference(99);
  for (int i = 0; i < fractal.RuleCount(); ++i) {
    int system;
    do
      system = reference.Next() % 6;
    while (system == 5);
    reference.Skip(6);
    EXPECT_EQ(system, static_cast<int>(fractal.Rule(i).System())) << i;
  }
}

TEST(BuildRandom, ShadedColoursEachRuleWithABlend) {
  SeedRandom(5);
  ifsFractal shaded;
  shaded.BuildRandom(ifsRuleSystem::Trig, 3, 3, 0, false, ifsColourSystem::Shaded);
  ReferenceRandom reference(5);
  reference.Skip(3 * 6);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ((reference.Next() % 255) / 255.0, shaded.Rule(i).Colour().red) << i;
    reference.Skip(2);
    const double u1 = reference.NextUnit();
    EXPECT_EQ(u1 * reference.NextUnit(), shaded.Rule(i).Blend()) << i;
  }
}

TEST(ChooseRule, ZeroWeightsLeaveTheLastRuleExceptAtZero) {
  ifsFractal fractal;
  for (double weight : {0.0, 0.0, 1.0})
    fractal.AddRule(LinearRule(0, 0, 0, 0, fractal.RuleCount(), 0, weight));
  SeedRandom(SeedWhereFirstDraw([](int r) { return r == 0; }));
  EXPECT_EQ(0.0, fractal.ChooseRule().E()) << "u = 0 picks the first rule";
  for (int i = 0; i < 1000; ++i)
    EXPECT_EQ(2.0, fractal.ChooseRule().E());
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

TEST(Iterate, AnEscapingOrbitFillsTheBatchWithTheClampedPoint) {
  ifsFractal fractal;
  fractal.AddRule(LinearRule(2, 0, 0, 2, 1, 1));
  ifsPoint points[kBatchPoints];
  ifsRgb colours[kBatchPoints];
  fractal.Iterate(kBatchPoints, points, colours);
  for (const ifsPoint &p : points) {
    EXPECT_EQ(1e6, p.x);
    EXPECT_EQ(1e6, p.y);
  }
  EXPECT_EQ(255, colours[kBatchPoints - 1].green);
  EXPECT_EQ(1e6, fractal.Current().x);
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
  for (int i = 0; i < kBatchPoints; ++i)
    EXPECT_EQ(once[i].x, twice[i].x) << i;
  split.RotateAll(0.5);
  EXPECT_FALSE(split.IsIterating()) << "a coordinate change restarts the orbit";
}

TEST(ComputeBounds, FitsTheViewToTheAspect) {
  const struct {
    double aspect;
    ifsRect view;
  } cases[] = {{2.0, {-0.5, 0, 1.5, 1}}, {0.5, {0, -0.5, 1, 1.5}}, {0.0, {0, 0, 1, 1}}};
  for (const auto &c : cases) {
    // Fixed points (0, 0) and (1, 1) and no points: bounds of exactly 0 to 1.
    ifsFractal fractal;
    AddDiagonal(fractal);
    fractal.SetUseFixedPoints(true);
    fractal.ComputeBounds(0, c.aspect);
    const ifsRect view = fractal.View();
    EXPECT_EQ(1.0, fractal.Bounds().yMax);
    EXPECT_DOUBLE_EQ(c.view.xMin, view.xMin) << c.aspect;
    EXPECT_DOUBLE_EQ(c.view.yMin, view.yMin) << c.aspect;
    EXPECT_DOUBLE_EQ(c.view.xMax, view.xMax) << c.aspect;
    EXPECT_DOUBLE_EQ(c.view.yMax, view.yMax) << c.aspect;
  }
}

TEST(ApplyScaling, ScalesThenShiftsWithThreeDraws) {
  for (double centring : {0.0, 1.0}) {
    ifsFractal fractal;
    AddDiagonal(fractal);
    fractal.SetUseFixedPoints(true);
    fractal.ComputeBounds(0, 0.0);
    SeedRandom(23);
    fractal.ApplyScaling(centring, 0.5, 4.0);
    ReferenceRandom reference(23);
    const double s =
        std::exp(std::log(0.5) + (std::log(4.0) - std::log(0.5)) * reference.NextUnit());
    const double half = 0.5 / s;
    const double dx = half * centring * (2 * reference.NextUnit() - 1);
    const double dy = half * centring * (2 * reference.NextUnit() - 1);
    EXPECT_DOUBLE_EQ(0.5 - half + dx, fractal.View().xMin);
    EXPECT_DOUBLE_EQ(0.5 + half + dx, fractal.View().xMax);
    EXPECT_DOUBLE_EQ(0.5 - half + dy, fractal.View().yMin);
    EXPECT_EQ(reference.Next(), Rand());
  }
}

} // namespace
