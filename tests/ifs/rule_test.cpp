#include "ifs/rule.h"

#include "foundation/random.h"
#include "tests/ifs/support/referencerandom.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

ifsRule MakeRule(ifsRuleSystem system, double a, double b, double c, double d, double e, double f) {
  return ifsRule(system, 1.0, a, b, c, d, e, f);
}

TEST(RuleFormulas, EachSystemAppliesItsFormula) {
  const double a = 0.3, b = -0.7, c = 0.9, d = 0.2, e = 0.5, f = -0.25, x = 0.8, y = -4.0;
  const double cx = std::cos(x), cy = std::cos(y), sx = std::sin(x), sy = std::sin(y);
  const struct {
    ifsRuleSystem system;
    double x, y;
  } cases[] = {
      {ifsRuleSystem::Linear, a * x + b * y + e, c * x + d * y + f},
      {ifsRuleSystem::Trig, a * cx + b * cy + e, c * sx + d * sy + f},
      {ifsRuleSystem::TrigSquared, a * cx * cx + b * cy * cy + e, c * sx * sx + d * sy * sy + f},
      {ifsRuleSystem::LinearTrigCombo, a * x + b * y + e, c * cx * cx + d * sy * sy + f},
      // s(-4) = -2: the square root keeps the sign.
      {ifsRuleSystem::SignedSquareRoot, a * std::sqrt(x) - 2 * b + e, c * std::sqrt(x) - 2 * d + f},
      {ifsRuleSystem::Mixture, x, y},
      {static_cast<ifsRuleSystem>(9), x, y},
  };
  for (const auto &expected : cases) {
    const ifsPoint p = MakeRule(expected.system, a, b, c, d, e, f).Apply({x, y});
    EXPECT_DOUBLE_EQ(expected.x, p.x) << static_cast<int>(expected.system);
    EXPECT_DOUBLE_EQ(expected.y, p.y) << static_cast<int>(expected.system);
  }
}

TEST(RuleFixedPoint, ExistenceAndContractivity) {
  struct Case {
    const char *what;
    ifsRule rule;
    bool hasFixedPoint;
    ifsContractivity contractivity;
  } cases[] = {
      {"halving towards (1, 0)", MakeRule(ifsRuleSystem::Linear, 0.5, 0, 0, 0.5, 0.5, 0), true,
       ifsContractivity::Contractive},
      {"pure translation", MakeRule(ifsRuleSystem::Linear, 1, 0, 0, 1, 0.5, 0.5), false,
       ifsContractivity::NotContractive},
      {"near-singular", MakeRule(ifsRuleSystem::Linear, 1 - 5e-10, 0, 0, 0, 1, 1), false,
       ifsContractivity::NotContractive},
      {"unit column", MakeRule(ifsRuleSystem::Linear, 0.8, 0, 0.6, 0.1, 0, 0), true,
       ifsContractivity::NotContractive},
      {"large norm, small columns", MakeRule(ifsRuleSystem::Linear, 0.7, 0.7, 0.7, 0.7, 1, 0), true,
       ifsContractivity::NotContractive},
      {"trig", MakeRule(ifsRuleSystem::Trig, 0.1, 0, 0, 0.1, 0, 0), false,
       ifsContractivity::NotLinear},
  };
  for (Case &c : cases) {
    ifsPoint fixed{-7, -7};
    ASSERT_EQ(c.hasFixedPoint, c.rule.FixedPoint(&fixed)) << c.what;
    if (c.hasFixedPoint) {
      const ifsPoint image = c.rule.Apply(fixed);
      EXPECT_NEAR(fixed.x, image.x, 1e-12) << c.what;
      EXPECT_NEAR(fixed.y, image.y, 1e-12) << c.what;
    }
    EXPECT_EQ(c.contractivity, c.rule.Contractivity()) << c.what;
  }
}

TEST(RandomRule, CoefficientsAreDrawnFromFToA) {
  SeedRandom(42);
  const ifsRule rule = ifsRule::Random(ifsRuleSystem::TrigSquared, false);
  ReferenceRandom reference(42);
  double drawn[6]; // f, e, d, c, b, a
  for (double &v : drawn)
    v = reference.NextUnit() * 2 - 1;
  const double kept[6] = {rule.F(), rule.E(), rule.D(), rule.C(), rule.B(), rule.A()};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(drawn[i], kept[i]) << i;
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
    EXPECT_EQ(ifsContractivity::Contractive,
              ifsRule::Random(ifsRuleSystem::Linear, true).Contractivity());
    ReferenceRandom reference(seed);
    reference.Skip(6 * draws);
    EXPECT_EQ(reference.Next(), Rand()) << "seed " << seed << ": " << draws << " draws";
  }
  EXPECT_GT(seedsWithRedraws, 0) << "the seeds should exercise the redraw";
}

// A coordinate change T turns the rule R into T R T⁻¹, so the new rule maps
// T(p) to T(R(p)) and its fixed point is T of the old one: the attractor
// moves with T. A product taken the wrong way round fails this.
TEST(CoordinateChange, ConjugatesTheMap) {
  const struct {
    const char *what;
    void (*change)(ifsRule &);
    Matrix3 transform;
  } cases[] = {
      {"scale", [](ifsRule &r) { r.Scale(2.0, -0.5); }, ScaleMatrix(2.0, -0.5)},
      {"near-zero scale is ignored", [](ifsRule &r) { r.Scale(2.0, -1e-10); }, Identity()},
      {"shear", [](ifsRule &r) { r.Shear(0.6, 0.0); }, ShearMatrix(0.6, 0.0)},
      {"rotate", [](ifsRule &r) { r.Rotate(0.9); }, RotationMatrix(0.9)},
      {"flip", [](ifsRule &r) { r.FlipHorizontal(); }, ScaleMatrix(-1.0, 1.0)},
  };
  for (const auto &c : cases) {
    ifsRule original = MakeRule(ifsRuleSystem::Linear, 0.4, -0.3, 0.2, 0.6, 0.7, -0.1);
    ifsPoint fixed, movedFixed;
    ASSERT_TRUE(original.FixedPoint(&fixed)); // cached before the change
    ifsRule changed = original;
    c.change(changed);
    auto transform = [&](ifsPoint q) {
      return ifsPoint{Get(c.transform, 0, 0) * q.x + Get(c.transform, 0, 1) * q.y,
                      Get(c.transform, 1, 0) * q.x + Get(c.transform, 1, 1) * q.y};
    };
    const ifsPoint p{0.35, -1.25};
    const ifsPoint expected = transform(original.Apply(p)), actual = changed.Apply(transform(p));
    EXPECT_NEAR(expected.x, actual.x, 1e-12) << c.what;
    EXPECT_NEAR(expected.y, actual.y, 1e-12) << c.what;
    ASSERT_TRUE(changed.FixedPoint(&movedFixed)) << c.what;
    EXPECT_NEAR(transform(fixed).x, movedFixed.x, 1e-12) << c.what;
    EXPECT_NEAR(transform(fixed).y, movedFixed.y, 1e-12) << c.what;
  }
}

} // namespace
