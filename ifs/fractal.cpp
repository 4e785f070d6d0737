#include "ifs/fractal.h"

#include "foundation/random.h"

#include <cassert>
#include <cmath>

namespace {

constexpr double kFullColour = 255.0;
constexpr int kMixtureChoices = 6;

// The generator has full period, so a value other than Mixture always comes.
ifsRuleSystem DrawMixtureSystem() {
  int system;
  do
    system = Rand() % kMixtureChoices;
  while (system == static_cast<int>(ifsRuleSystem::Mixture));
  return static_cast<ifsRuleSystem>(system);
}

bool IsNumber(ifsPoint p) { return p.x == p.x && p.y == p.y; }

} // namespace

void ifsFractal::AddRule(const ifsRule &rule) {
  rules_.Add(rule);
  totalWeight_ += rule.Weight();
}

void ifsFractal::SetColour(int r, int g, int b) {
  red_ = r;
  green_ = g;
  blue_ = b;
}

void ifsFractal::SetSpectrum(int h, int l, int s, int step) {
  hue_ = h;
  luminance_ = l;
  saturation_ = s;
  hueStep_ = step;
}

ifsColour ifsFractal::FractalColour() const {
  return {red_ / kFullColour, green_ / kFullColour, blue_ / kFullColour};
}

void ifsFractal::BuildRandom(ifsRuleSystem system, int minRules, int maxRules, int minBrightness,
                             bool contractiveOnly, ifsColourSystem colours) {
  ifsFractal::operator=(ifsFractal());
  int count = minRules;
  if (minRules != maxRules && maxRules > minRules)
    count = minRules + Rand() % (maxRules - minRules + 1);
  if (count < 1)
    count = 1; // a fractal without rules could not be iterated
  for (int i = 0; i < count; ++i) {
    const ifsRuleSystem ruleSystem =
        system == ifsRuleSystem::Mixture ? DrawMixtureSystem() : system;
    AddRule(ifsRule::Random(ruleSystem, contractiveOnly));
  }
  colourSystem_ = colours;
  if (colourSystem_ == ifsColourSystem::Shaded) {
    for (int i = 0; i < rules_.Count(); ++i) {
      const ifsRgb rgb = RandomColour(minBrightness);
      const double u1 = RandUnit();
      const double u2 = RandUnit();
      rules_[i].SetColour(rgb.red / kFullColour, rgb.green / kFullColour, rgb.blue / kFullColour,
                          u1 * u2);
    }
  } else if (colourSystem_ == ifsColourSystem::Spectrum) {
    const ifsHls hls = RandomSpectrumColour(minBrightness);
    const int step = Rand() % 2 == 1 ? -4 : 4;
    SetSpectrum(hls.hue, hls.luminance, hls.saturation, step);
  } else {
    const ifsRgb rgb = RandomColour(minBrightness);
    SetColour(rgb.red, rgb.green, rgb.blue);
  }
}

namespace {

// Rule i with probability weight(i) / total: the subtraction order is the
// behaviour, so the same seed picks the same rules.
inline const ifsRule &ChooseFrom(const ifsRule *rules, int count, double total) {
  double v = RandUnit() * total;
  for (int i = 0; i < count - 1; ++i) {
    v -= rules[i].Weight();
    if (v <= 0.0)
      return rules[i];
  }
  return rules[count - 1];
}

// Not-a-number compares false on both sides and is left alone.
inline bool ClampCoordinate(double &v, double limit) {
  if (v < -limit) {
    v = -limit;
    return true;
  }
  if (v > limit) {
    v = limit;
    return true;
  }
  return false;
}

inline bool ClampTo(ifsPoint &point, double limit) {
  // One test for the usual case.
  if (!(std::fabs(point.x) > limit || std::fabs(point.y) > limit))
    return false;
  const bool changedX = ClampCoordinate(point.x, limit);
  const bool changedY = ClampCoordinate(point.y, limit);
  return changedX || changedY;
}

} // namespace

const ifsRule &ifsFractal::ChooseRule() const {
  assert(rules_.Count() > 0);
  return ChooseFrom(&rules_[0], rules_.Count(), totalWeight_);
}

void ifsFractal::StartPoint(ifsPoint &point, ifsColour *colour) {
  const bool shaded = colourSystem_ == ifsColourSystem::Shaded;
  bool found = false;
  if (useFixedPoints_) {
    for (int i = 0; i < rules_.Count() && !found; ++i) {
      found = rules_[i].FixedPoint(&point);
      if (found && colour != nullptr)
        *colour = shaded ? rules_[i].Colour() : FractalColour();
    }
  }
  if (!found) {
    point.x = RandUnit();
    point.y = RandUnit();
    if (colour != nullptr && shaded) {
      colour->red = RandUnit();
      colour->green = RandUnit();
      colour->blue = RandUnit();
    } else if (colour != nullptr) {
      *colour = FractalColour();
    }
  }
  const bool blended = colour != nullptr && shaded;
  for (int i = 0; i < warmUpSteps_; ++i) {
    const ifsRule &rule = ChooseRule();
    point = blended ? rule.ApplyBlended(point, *colour) : rule.Apply(point);
  }
}

namespace {

// The chaos game proper, specialised so that the common case (no colours)
// carries no colour work and the orbit stays in registers. An escape fills
// the rest of the batch with the clamped point.
template <bool kBlended, bool kColours>
void RunOrbit(const ifsRule *rules, int ruleCount, double total, double limit, int count,
              ifsPoint &previous, ifsColour &colour, ifsPoint *points, ifsRgb *colours) {
  ifsPoint p = previous;
  for (int i = 0; i < count; ++i) {
    const ifsRule &rule = ChooseFrom(rules, ruleCount, total);
    p = kBlended ? rule.ApplyBlended(p, colour) : rule.Apply(p);
    if (ClampTo(p, limit)) {
      const ifsRgb rgb = ToRgb(colour);
      for (int j = i; j < count; ++j) {
        points[j] = p;
        if (kColours)
          colours[j] = rgb;
      }
      break;
    }
    points[i] = p;
    if (kColours)
      colours[i] = ToRgb(colour);
  }
  previous = p;
}

} // namespace

void ifsFractal::Iterate(int count, ifsPoint *points, ifsRgb *colours) {
  const bool shaded = colourSystem_ == ifsColourSystem::Shaded;
  const bool blended = colours != nullptr && shaded;
  ifsColour colour = shaded ? ifsColour{} : FractalColour();
  ifsPoint previous = current_;
  if (iterating_)
    colour = currentColour_;
  if (rules_.Count() == 0) {
    // Nothing to iterate: the batch repeats where the orbit stands.
    for (int i = 0; i < count; ++i) {
      points[i] = previous;
      if (colours != nullptr)
        colours[i] = ToRgb(colour);
    }
    return;
  }
  if (!iterating_)
    StartPoint(previous, blended ? &colour : nullptr);
  const ifsRule *const list = &rules_[0];
  if (blended)
    RunOrbit<true, true>(list, rules_.Count(), totalWeight_, escapeLimit_, count, previous, colour,
                         points, colours);
  else if (colours != nullptr)
    RunOrbit<false, true>(list, rules_.Count(), totalWeight_, escapeLimit_, count, previous, colour,
                          points, colours);
  else
    RunOrbit<false, false>(list, rules_.Count(), totalWeight_, escapeLimit_, count, previous,
                           colour, points, colours);
  current_ = previous;
  currentColour_ = colour;
  iterating_ = true;
}

bool ifsFractal::Clamp(ifsPoint &point) const { return ClampTo(point, escapeLimit_); }

// A point that is not a number widens nothing, and in particular does not
// become the first corner: the bounds then stay numbers.
void ifsFractal::IncludeInBounds(ifsPoint p, bool &first) {
  if (!IsNumber(p))
    return;
  if (first) {
    bounds_ = {p.x, p.y, p.x, p.y};
    first = false;
    return;
  }
  if (p.x < bounds_.xMin)
    bounds_.xMin = p.x;
  if (p.y < bounds_.yMin)
    bounds_.yMin = p.y;
  if (p.x > bounds_.xMax)
    bounds_.xMax = p.x;
  if (p.y > bounds_.yMax)
    bounds_.yMax = p.y;
}

void ifsFractal::FitViewToAspect(double aspect) {
  const double w = (view_.xMax - view_.xMin) / aspect;
  const double h = view_.yMax - view_.yMin;
  if (w <= h) {
    const double centre = (view_.xMin + view_.xMax) / 2.0;
    const double half = h * aspect / 2.0;
    view_.xMin = centre - half;
    view_.xMax = centre + half;
  } else {
    const double centre = (view_.yMin + view_.yMax) / 2.0;
    const double half = w / 2.0;
    view_.yMin = centre - half;
    view_.yMax = centre + half;
  }
}

void ifsFractal::ComputeBounds(int numPoints, double aspect) {
  bool first = true;
  if (useFixedPoints_) {
    for (int i = 0; i < rules_.Count(); ++i) {
      ifsPoint fixed;
      if (rules_[i].Contractivity() == ifsContractivity::Contractive &&
          rules_[i].FixedPoint(&fixed)) {
        Clamp(fixed);
        IncludeInBounds(fixed, first);
      }
    }
  }
  iterating_ = false;
  ifsPoint batch[kBatchPoints];
  for (int done = 0; done < numPoints; done += kBatchPoints) {
    const int count = numPoints - done < kBatchPoints ? numPoints - done : kBatchPoints;
    Iterate(count, batch);
    for (int i = 0; i < count; ++i)
      IncludeInBounds(batch[i], first);
  }
  view_ = bounds_;
  if (aspect > 0.0)
    FitViewToAspect(aspect);
  iterating_ = false;
}

void ifsFractal::ApplyScaling(double centring, double minScaling, double maxScaling) {
  const double logMin = std::log(minScaling);
  const double s = std::exp(logMin + (std::log(maxScaling) - logMin) * RandUnit());
  double halfWidth = (view_.xMax - view_.xMin) / 2.0;
  const double centreX = view_.xMin + halfWidth;
  halfWidth /= s;
  double halfHeight = (view_.yMax - view_.yMin) / 2.0;
  const double centreY = view_.yMin + halfHeight;
  halfHeight /= s;
  const double dx = halfWidth * centring * (2.0 * RandUnit() - 1.0);
  const double dy = halfHeight * centring * (2.0 * RandUnit() - 1.0);
  view_ = {centreX - halfWidth + dx, centreY - halfHeight + dy, centreX + halfWidth + dx,
           centreY + halfHeight + dy};
}

void ifsFractal::ScaleAll(double sx, double sy) {
  for (int i = 0; i < rules_.Count(); ++i)
    rules_[i].Scale(sx, sy);
  iterating_ = false;
}

void ifsFractal::ShearAll(double p, double q) {
  for (int i = 0; i < rules_.Count(); ++i)
    rules_[i].Shear(p, q);
  iterating_ = false;
}

void ifsFractal::RotateAll(double angle) {
  for (int i = 0; i < rules_.Count(); ++i)
    rules_[i].Rotate(angle);
  iterating_ = false;
}

void ifsFractal::FlipAllHorizontal() {
  for (int i = 0; i < rules_.Count(); ++i)
    rules_[i].FlipHorizontal();
  iterating_ = false;
}
