#pragma once

#include "ifs/colour.h"
#include "ifs/matrix3.h"
#include "ifs/point.h"
#include "ifs/rulesystem.h"

#include <cstdint>

enum class ifsContractivity : std::int32_t {
  Contractive = 0,
  NotContractive = 1,
  NotLinear = 2, // the test applies to Linear rules only
};

// A rule row of the hand-built tables: weight, a, b, c, d, e, f.
constexpr int kRuleRowLength = 7;

// One map of the plane with its selection weight and its colour. For the
// matrix view a, b are the first row of the linear part, c, d the second and
// e, f the translation. The coefficients change only through FromMatrix and
// the coordinate changes, which keep the fixed-point cache honest.
class ifsRule {
public:
  ifsRule() = default;
  ifsRule(ifsRuleSystem system, double weight, double a, double b, double c, double d, double e,
          double f);
  ifsRule(ifsRuleSystem system, const double (&row)[kRuleRowLength]);

  // A rule of `system` (never Mixture) with weight 1 and coefficients uniform
  // on [-1, 1], drawn in the order f, e, d, c, b, a. With contractiveOnly a
  // NotContractive rule is redrawn, at most 100 times.
  static ifsRule Random(ifsRuleSystem system, bool contractiveOnly);

  ifsPoint Apply(ifsPoint p) const;
  // Apply, and pull `colour` towards the rule's colour by `blend`.
  ifsPoint ApplyBlended(ifsPoint p, ifsColour &colour) const;

  void SetColour(double red, double green, double blue, double blend);

  // Only Linear rules that are not near-singular have one; cached.
  bool FixedPoint(ifsPoint *out = nullptr);
  ifsContractivity Contractivity();

  void ToMatrix(Matrix3 &m) const;
  void FromMatrix(const Matrix3 &m);

  // Changes of coordinates of the whole map, whatever its system: the
  // coefficients are transformed as if the rule were Linear. Angles in radians.
  void Scale(double sx, double sy);
  void Shear(double p, double q);
  void Rotate(double angle);
  void FlipHorizontal();

  ifsRuleSystem System() const { return ruleSystem; }
  double Weight() const { return weight; }
  double A() const { return a; }
  double B() const { return b; }
  double C() const { return c; }
  double D() const { return d; }
  double E() const { return e; }
  double F() const { return f; }
  ifsColour Colour() const { return {red, green, blue}; }
  double Blend() const { return blend; }

private:
  ifsPoint ApplyNonLinear(ifsPoint p) const;
  // New matrix = forward × M × inverse.
  void Conjugate(const Matrix3 &forward, const Matrix3 &inverse);

  ifsRuleSystem ruleSystem = ifsRuleSystem::Linear;
  double weight = 1.0;
  double a = 0.0, b = 0.0, c = 0.0, d = 0.0, e = 0.0, f = 0.0;
  double red = 1.0, green = 1.0, blue = 1.0;
  double blend = 1.0;
  bool fixedPointKnown = false;
  bool hasFixedPoint = false;
  double fixedX = 0.0, fixedY = 0.0;
};

// Inline for the Linear case, which the chaos game runs at every point; the
// other systems are dominated by their trigonometry anyway.
inline ifsPoint ifsRule::Apply(ifsPoint p) const {
  if (ruleSystem == ifsRuleSystem::Linear)
    return {a * p.x + b * p.y + e, c * p.x + d * p.y + f};
  return ApplyNonLinear(p);
}

inline ifsPoint ifsRule::ApplyBlended(ifsPoint p, ifsColour &colour) const {
  const double keep = 1.0 - blend;
  colour.red = red * blend + keep * colour.red;
  colour.green = green * blend + keep * colour.green;
  colour.blue = blue * blend + keep * colour.blue;
  return Apply(p);
}
