#include "ifs/rule.h"

#include "foundation/random.h"
#include "tests/ifs/support/referencerandom.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

ifsRule MakeRule(ifsRuleSystem system, double a, double b, double c, double d, double e, double f) {
  return ifsRule(system, 1.0, a, b, c, d, e, f);
}

TEST(RuleFormulas, EachSystemAppliesItsFormula) {
  const double a = 0.3, b = -0.7, c = 0.9, d = 0.2, e = 0.5, f = -0.25;
  const double x = 0.8, y = -4.0;
  struct Case {
    ifsRuleSystem system;
    double x, y;
  };
  const Case cases[] = {
      {ifsRuleSystem::Linear, a * x + b * y + e, c * x + d * y + f},
      {ifsRuleSystem::Trig, a * std::cos(x) + b * std::cos(y) + e,
       c * std::sin(x) + d * std::sin(y) + f},
      {ifsRuleSystem::TrigSquared, a * std::pow(std::cos(x), 2) + b * std::pow(std::cos(y), 2) + e,
       c * std::pow(std::sin(x), 2) + d * std::pow(std::sin(y), 2) + f},
      {ifsRuleSystem::LinearTrigCombo, a * x + b * y + e,
       c * std::pow(std::cos(x), 2) + d * std::pow(std::sin(y), 2) + f},
      // s(-4) = -2: the square root keeps the sign.
      {ifsRuleSystem::SignedSquareRoot, a * std::sqrt(x) + b * -2.0 + e,
       c * std::sqrt(x) + d * -2.0 + f},
      {ifsRuleSystem::Mixture, x, y},
      {static_cast<ifsRuleSystem>(9), x, y},
  };
  for (const Case &expected : cases) {
    const ifsPoint p = MakeRule(expected.system, a, b, c, d, e, f).Apply({x, y});
    EXPECT_DOUBLE_EQ(expected.x, p.x) << static_cast<int>(expected.system);
    EXPECT_DOUBLE_EQ(expected.y, p.y) << static_cast<int>(expected.system);
  }
}

TEST(RuleFormulas, BlendingPullsTheColourTowardsTheRule) {
  ifsRule rule = MakeRule(ifsRuleSystem::Linear, 0.5, 0, 0, 0.5, 1, 0);
  rule.SetColour(1.0, 0.0, 0.5, 0.25);
  ifsColour colour{0.0, 1.0, 0.5};
  const ifsPoint p = rule.ApplyBlended({2, 2}, colour);
  EXPECT_DOUBLE_EQ(2.0, p.x);
  EXPECT_DOUBLE_EQ(1.0, p.y);
  EXPECT_DOUBLE_EQ(0.25, colour.red);
  EXPECT_DOUBLE_EQ(0.75, colour.green);
  EXPECT_DOUBLE_EQ(0.5, colour.blue);
}

TEST(RuleFixedPoint, ExistenceAndContractivity) {
  struct Case {
    const char *what;
    ifsRule rule;
    bool hasFixedPoint;
    ifsPoint fixed;
    ifsContractivity contractivity;
  };
  Case cases[] = {
      {"halving towards (1, 0)",
       MakeRule(ifsRuleSystem::Linear, 0.5, 0, 0, 0.5, 0.5, 0),
       true,
       {1, 0},
       ifsContractivity::Contractive},
      {"pure translation",
       MakeRule(ifsRuleSystem::Linear, 1, 0, 0, 1, 0.5, 0.5),
       false,
       {},
       ifsContractivity::NotContractive},
      {"near-singular",
       MakeRule(ifsRuleSystem::Linear, 1 - 5e-10, 0, 0, 0, 1, 1),
       false,
       {},
       ifsContractivity::NotContractive},
      {"unit column",
       MakeRule(ifsRuleSystem::Linear, 0.8, 0, 0.6, 0.1, 0, 0),
       true,
       {0, 0},
       ifsContractivity::NotContractive},
      {"large norm, small columns",
       MakeRule(ifsRuleSystem::Linear, 0.7, 0.7, 0.7, 0.7, 0, 0),
       true,
       {0, 0},
       ifsContractivity::NotContractive},
      {"trig",
       MakeRule(ifsRuleSystem::Trig, 0.1, 0, 0, 0.1, 0, 0),
       false,
       {},
       ifsContractivity::NotLinear},
  };
  for (Case &c : cases) {
    ifsPoint fixed{-7, -7};
    EXPECT_EQ(c.hasFixedPoint, c.rule.FixedPoint(&fixed)) << c.what;
    if (c.hasFixedPoint) {
      EXPECT_NEAR(c.fixed.x, fixed.x, 1e-12) << c.what;
      EXPECT_NEAR(c.fixed.y, fixed.y, 1e-12) << c.what;
      const ifsPoint image = c.rule.Apply(fixed);
      EXPECT_NEAR(fixed.x, image.x, 1e-12) << c.what;
      EXPECT_NEAR(fixed.y, image.y, 1e-12) << c.what;
    } else {
      EXPECT_EQ(-7, fixed.x) << c.what << ": no fixed point is written";
    }
    EXPECT_EQ(c.contractivity, c.rule.Contractivity()) << c.what;
  }
}

TEST(RuleFixedPoint, RecomputedAfterACoordinateChange) {
  ifsRule rule = MakeRule(ifsRuleSystem::Linear, 0.5, 0, 0, 0.5, 1, 0);
  ifsPoint fixed;
  ASSERT_TRUE(rule.FixedPoint(&fixed));
  EXPECT_NEAR(2.0, fixed.x, 1e-12);
  rule.Rotate(kPi / 2);
  EXPECT_NEAR(0.0, rule.E(), 1e-12);
  EXPECT_NEAR(1.0, rule.F(), 1e-12);
  ASSERT_TRUE(rule.FixedPoint(&fixed));
  EXPECT_NEAR(0.0, fixed.x, 1e-12);
  EXPECT_NEAR(2.0, fixed.y, 1e-12);
}

TEST(RandomRule, CoefficientsAreDrawnFromFToA) {
  SeedRandom(42);
  const ifsRule rule = ifsRule::Random(ifsRuleSystem::TrigSquared, false);
  ReferenceRandom reference(42);
  const double f = reference.NextUnit() * 2 - 1, e = reference.NextUnit() * 2 - 1;
  const double d = reference.NextUnit() * 2 - 1, c = reference.NextUnit() * 2 - 1;
  const double b = reference.NextUnit() * 2 - 1, a = reference.NextUnit() * 2 - 1;
  EXPECT_EQ(ifsRuleSystem::TrigSquared, rule.System());
  EXPECT_EQ(1.0, rule.Weight());
  EXPECT_EQ(a, rule.A());
  EXPECT_EQ(b, rule.B());
  EXPECT_EQ(c, rule.C());
  EXPECT_EQ(d, rule.D());
  EXPECT_EQ(e, rule.E());
  EXPECT_EQ(f, rule.F());
  EXPECT_EQ(reference.Next(), Rand()) << "exactly six values drawn";
}

// How many six-value draws until a contractive Linear rule, by the formula.
int DrawsUntilContractive(std::uint32_t seed) {
  ReferenceRandom reference(seed);
  for (int draws = 1;; ++draws) {
    double v[6];
    for (double &value : v)
      value = reference.NextUnit() * 2 - 1;
    ifsRule rule = MakeRule(ifsRuleSystem::Linear, v[5], v[4], v[3], v[2], v[1], v[0]);
    if (rule.Contractivity() == ifsContractivity::Contractive || draws == 101)
      return draws;
  }
}

TEST(RandomRule, ContractiveOnlyRedrawsUntilContractive) {
  int seedsWithRedraws = 0;
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    const int draws = DrawsUntilContractive(seed);
    seedsWithRedraws += draws > 1;
    SeedRandom(seed);
    ifsRule rule = ifsRule::Random(ifsRuleSystem::Linear, true);
    EXPECT_EQ(ifsContractivity::Contractive, rule.Contractivity()) << seed;
    ReferenceRandom reference(seed);
    reference.Skip(6 * draws);
    EXPECT_EQ(reference.Next(), Rand()) << "seed " << seed << ": " << draws << " draws";
  }
  EXPECT_GT(seedsWithRedraws, 0) << "the seeds should exercise the redraw";
}

TEST(RandomRule, NonLinearRulesAreKeptAtOnce) {
  SeedRandom(7);
  ifsRule::Random(ifsRuleSystem::Trig, true);
  ReferenceRandom reference(7);
  reference.Skip(6);
  EXPECT_EQ(reference.Next(), Rand());
}

// A coordinate change T turns the rule R into T R T⁻¹, so the new rule maps
// T(p) to T(R(p)): the attractor moves with T.
TEST(CoordinateChange, ConjugatesTheMap) {
  struct Case {
    const char *what;
    void (*change)(ifsRule &);
    Matrix3 transform;
  };
  const Case cases[] = {
      {"scale", [](ifsRule &r) { r.Scale(2.0, -0.5); }, ScaleMatrix(2.0, -0.5)},
      {"shear", [](ifsRule &r) { r.Shear(0.6, 0.0); }, ShearMatrix(0.6, 0.0)},
      {"rotate", [](ifsRule &r) { r.Rotate(0.9); }, RotationMatrix(0.9)},
      {"flip", [](ifsRule &r) { r.FlipHorizontal(); }, ScaleMatrix(-1.0, 1.0)},
  };
  const ifsRule original = MakeRule(ifsRuleSystem::Linear, 0.4, -0.3, 0.2, 0.6, 0.7, -0.1);
  const ifsPoint p{0.35, -1.25};
  for (const Case &c : cases) {
    ifsRule changed = original;
    c.change(changed);
    auto transform = [&](ifsPoint q) {
      return ifsPoint{Get(c.transform, 0, 0) * q.x + Get(c.transform, 0, 1) * q.y,
                      Get(c.transform, 1, 0) * q.x + Get(c.transform, 1, 1) * q.y};
    };
    const ifsPoint expected = transform(original.Apply(p));
    const ifsPoint actual = changed.Apply(transform(p));
    EXPECT_NEAR(expected.x, actual.x, 1e-12) << c.what;
    EXPECT_NEAR(expected.y, actual.y, 1e-12) << c.what;
  }
}

TEST(CoordinateChange, ScaleIgnoresNearZeroFactors) {
  ifsRule rule = MakeRule(ifsRuleSystem::Linear, 0.5, 0, 0, 0.5, 1, 1);
  rule.Scale(0.0, 2.0);
  rule.Scale(2.0, -1e-10);
  EXPECT_EQ(1.0, rule.E());
  EXPECT_EQ(1.0, rule.F());
  rule.Scale(2.0, 2.0);
  EXPECT_DOUBLE_EQ(2.0, rule.E());
  EXPECT_DOUBLE_EQ(2.0, rule.F());
  EXPECT_DOUBLE_EQ(0.5, rule.A());
  EXPECT_DOUBLE_EQ(0.5, rule.D());
}

TEST(CoordinateChange, TransformsEverySystemAsIfLinear) {
  ifsRule rule = MakeRule(ifsRuleSystem::Trig, 0.5, 0.1, 0.2, 0.5, 1, 0);
  rule.Scale(2.0, 1.0);
  EXPECT_EQ(ifsRuleSystem::Trig, rule.System());
  EXPECT_DOUBLE_EQ(2.0, rule.E());
  EXPECT_DOUBLE_EQ(0.2, rule.B()); // b × sx / sy
  EXPECT_DOUBLE_EQ(0.1, rule.C()); // c × sy / sx
}

TEST(Matrix, ProductPutsTheSecondArgumentOnTheLeft) {
  // ShearMatrix(0, 1) × ShearMatrix(1, 0) = [[1, 1], [1, 2]].
  const Matrix3 m = Product(ShearMatrix(1, 0), ShearMatrix(0, 1));
  EXPECT_EQ(1.0, Get(m, 0, 0));
  EXPECT_EQ(1.0, Get(m, 0, 1));
  EXPECT_EQ(1.0, Get(m, 1, 0));
  EXPECT_EQ(2.0, Get(m, 1, 1));
  EXPECT_EQ(1.0, Get(m, 2, 2));
}

TEST(Matrix, RoundTripsThroughARule) {
  Matrix3 m = Identity();
  const double values[2][3] = {{0.1, 0.2, 0.3}, {0.4, 0.5, 0.6}};
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 3; ++col)
      Set(m, row, col, values[row][col]);
  Set(m, 2, 0, 9.0); // row 2 is ignored
  ifsRule rule;
  rule.FromMatrix(m);
  EXPECT_EQ(0.1, rule.A());
  EXPECT_EQ(0.2, rule.B());
  EXPECT_EQ(0.3, rule.E());
  EXPECT_EQ(0.4, rule.C());
  EXPECT_EQ(0.5, rule.D());
  EXPECT_EQ(0.6, rule.F());
  Matrix3 back;
  rule.ToMatrix(back);
  EXPECT_EQ(0.0, Get(back, 2, 0));
  EXPECT_EQ(1.0, Get(back, 2, 2));
}

TEST(RuleConstruction, RowsAndDefaults) {
  const double row[kRuleRowLength] = {6, 0.16, 0, 0, 0, 0, 0.5};
  const ifsRule rule(ifsRuleSystem::Linear, row);
  EXPECT_EQ(6.0, rule.Weight());
  EXPECT_EQ(0.16, rule.A());
  EXPECT_EQ(0.5, rule.F());
  EXPECT_EQ(1.0, rule.Colour().green);
  EXPECT_EQ(1.0, rule.Blend());
  const ifsRule plain;
  EXPECT_EQ(ifsRuleSystem::Linear, plain.System());
  EXPECT_EQ(1.0, plain.Weight());
  EXPECT_EQ(0.0, plain.E());
}

TEST(RuleSystemNames, LookUpBothWays) {
  EXPECT_EQ(ifsRuleSystem::SignedSquareRoot, RuleSystemFromName("signedsquareroot"));
  EXPECT_EQ(static_cast<ifsRuleSystem>(-1), RuleSystemFromName("Spiral"));
  EXPECT_EQ(nullptr, RuleSystemName(static_cast<ifsRuleSystem>(7)));
  EXPECT_STREQ("LinearTrigCombo", RuleSystemName(ifsRuleSystem::LinearTrigCombo));
}

} // namespace
