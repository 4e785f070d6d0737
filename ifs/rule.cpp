#include "ifs/rule.h"

#include "foundation/random.h"

#include <cmath>

namespace {

constexpr int kMaxRedraws = 100;
// Below this a determinant counts as singular and a scale factor as zero.
constexpr double kDegenerate = 1e-9;

double RandomCoefficient() { return RandUnit() * 2.0 - 1.0; }

double Square(double v) { return v * v; }
double SignedSquareRoot(double v) { return v >= 0.0 ? std::sqrt(v) : -std::sqrt(-v); }

} // namespace

ifsRule::ifsRule(ifsRuleSystem system, double weight, double a, double b, double c, double d,
                 double e, double f)
    : ruleSystem(system), weight(weight), a(a), b(b), c(c), d(d), e(e), f(f) {}

ifsRule::ifsRule(ifsRuleSystem system, const double (&row)[kRuleRowLength])
    : ifsRule(system, row[0], row[1], row[2], row[3], row[4], row[5], row[6]) {}

ifsPoint ifsRule::ApplyNonLinear(ifsPoint p) const {
  switch (ruleSystem) {
  case ifsRuleSystem::Linear:
    return {a * p.x + b * p.y + e, c * p.x + d * p.y + f};
  case ifsRuleSystem::Trig:
    return {a * std::cos(p.x) + b * std::cos(p.y) + e, c * std::sin(p.x) + d * std::sin(p.y) + f};
  case ifsRuleSystem::TrigSquared:
    return {a * Square(std::cos(p.x)) + b * Square(std::cos(p.y)) + e,
            c * Square(std::sin(p.x)) + d * Square(std::sin(p.y)) + f};
  case ifsRuleSystem::LinearTrigCombo:
    return {a * p.x + b * p.y + e, c * Square(std::cos(p.x)) + d * Square(std::sin(p.y)) + f};
  case ifsRuleSystem::SignedSquareRoot: {
    const double sx = SignedSquareRoot(p.x);
    const double sy = SignedSquareRoot(p.y);
    return {a * sx + b * sy + e, c * sx + d * sy + f};
  }
  default: // Mixture and unknown systems map every point to itself
    return p;
  }
}

ifsRule ifsRule::Random(ifsRuleSystem system, bool contractiveOnly) {
  for (int redraw = 0;; ++redraw) {
    const double f = RandomCoefficient();
    const double e = RandomCoefficient();
    const double d = RandomCoefficient();
    const double c = RandomCoefficient();
    const double b = RandomCoefficient();
    const double a = RandomCoefficient();
    ifsRule rule(system, 1.0, a, b, c, d, e, f);
    if (!contractiveOnly || redraw == kMaxRedraws ||
        rule.Contractivity() != ifsContractivity::NotContractive)
      return rule;
  }
}

void ifsRule::SetColour(double r, double g, double bl, double mix) {
  red = r;
  green = g;
  blue = bl;
  blend = mix;
}

bool ifsRule::FixedPoint(ifsPoint *out) {
  if (!fixedPointKnown) {
    fixedPointKnown = true;
    hasFixedPoint = false;
    const double det = (1.0 - a) * (1.0 - d) - b * c;
    if (ruleSystem == ifsRuleSystem::Linear && (det <= -kDegenerate || det >= kDegenerate)) {
      hasFixedPoint = true;
      fixedX = (b * f + (1.0 - d) * e) / det;
      fixedY = (c * e + (1.0 - a) * f) / det;
    }
  }
  if (hasFixedPoint && out != nullptr)
    *out = {fixedX, fixedY};
  return hasFixedPoint;
}

ifsContractivity ifsRule::Contractivity() {
  if (ruleSystem != ifsRuleSystem::Linear)
    return ifsContractivity::NotLinear;
  if (!FixedPoint())
    return ifsContractivity::NotContractive;
  const double a2 = a * a, b2 = b * b, c2 = c * c, d2 = d * d;
  if (a2 + c2 >= 1.0 || b2 + d2 >= 1.0 ||
      a2 + b2 + c2 + d2 - a2 * d2 - b2 * c2 + 2.0 * a * b * c * d >= 1.0)
    return ifsContractivity::NotContractive;
  return ifsContractivity::Contractive;
}

void ifsRule::ToMatrix(Matrix3 &m) const {
  m = Identity();
  m.m[0][0] = a;
  m.m[0][1] = b;
  m.m[0][2] = e;
  m.m[1][0] = c;
  m.m[1][1] = d;
  m.m[1][2] = f;
}

void ifsRule::FromMatrix(const Matrix3 &m) {
  a = m.m[0][0];
  b = m.m[0][1];
  e = m.m[0][2];
  c = m.m[1][0];
  d = m.m[1][1];
  f = m.m[1][2];
  fixedPointKnown = false;
}

void ifsRule::Conjugate(const Matrix3 &forward, const Matrix3 &inverse) {
  Matrix3 m;
  ToMatrix(m);
  FromMatrix(Product(inverse, Product(m, forward)));
}

void ifsRule::Scale(double sx, double sy) {
  if (std::fabs(sx) < kDegenerate || std::fabs(sy) < kDegenerate)
    return;
  Conjugate(ScaleMatrix(sx, sy), ScaleMatrix(1.0 / sx, 1.0 / sy));
}

void ifsRule::Shear(double p, double q) { Conjugate(ShearMatrix(p, q), ShearMatrix(-p, -q)); }

void ifsRule::Rotate(double angle) { Conjugate(RotationMatrix(angle), RotationMatrix(-angle)); }

void ifsRule::FlipHorizontal() { Scale(-1.0, 1.0); }
