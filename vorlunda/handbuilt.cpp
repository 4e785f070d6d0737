#include "vorlunda/handbuilt.h"

#include "foundation/dynassoc.h"
#include "foundation/random.h"
#include "ifs/colour.h"
#include "ifs/rule.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
using Row = double[kRuleRowLength];

struct Scaling {
  double centring;
  double minScaling;
  double maxScaling;
};

void AddLinear(ifsGuiFractal &fractal, const Row &row) {
  fractal.AddRule(ifsRule(ifsRuleSystem::Linear, row));
}

void Finish(ifsGuiFractal &fractal, double aspect, const Scaling &scaling) {
  fractal.SetUseFixedPoints(true);
  fractal.ComputeBounds(kBoundsPoints, aspect);
  fractal.ApplyScaling(scaling.centring, scaling.minScaling, scaling.maxScaling);
}

double RandomAngle(double range) { return (2.0 * RandUnit() - 1.0) * range; }

// Colours on the 0-240 scale, drawn as three bands: reds, oranges, yellows.
ifsColour AutumnColour() {
  constexpr double kRedBand = 0.42;
  constexpr double kOrangeBand = 0.84;
  int hue, lightness, saturation;
  const double u = RandUnit();
  if (u < kRedBand) {
    hue = Rand() % 41;
    lightness = Rand() % 51 + 90;
    saturation = Rand() % 91 + 150;
  } else if (u < kOrangeBand) {
    const int t = Rand() % 31;
    hue = Rand() % (t / 2 + 26);
    lightness = t + 60;
    saturation = Rand() % 91 + 150;
  } else {
    const int t = Rand() % 41;
    hue = t + 40;
    lightness = Rand() % 31 + 90 - (3 * t) / 4;
    saturation = Rand() % 91 + 150;
  }
  return HlsToRgb(hue / double(kHlsScale), lightness / double(kHlsScale),
                  saturation / double(kHlsScale));
}

int Truncated(double component) { return static_cast<int>(component * 255.999); }

// Box of 32 × 5 units; letters three units wide with one unit between.
// Horizontal strokes (L, L/32, 0, 0, 0.2, x0, y0); vertical ones
// (L, 0, -0.2, L/32, 0, x0, y0). Slanted ones climb from their foot like the
// verticals: every map turns the box without flipping it, so the small words
// inside a stroke never read backwards.
constexpr double kU = 1.0 / 32.0;
constexpr Row kWordRules[] = {
    // V: two slanted strokes rising from the foot.
    {5, -kU, -0.2, 5 * kU, 0, 2, 0},
    {5, kU, -0.2, 5 * kU, 0, 2, 0},
    // O
    {5, 0, -0.2, 5 * kU, 0, 5, 0},
    {3, 0, -0.2, 3 * kU, 0, 7, 0},
    {2, 0, -0.2, 2 * kU, 0, 7, 3},
    {1, kU, 0, 0, 0.2, 5, 4},
    {1, kU, 0, 0, 0.2, 5, 0},
    // R
    {5, 0, -0.2, 5 * kU, 0, 9, 0},
    {2, 2 * kU, 0, 0, 0.2, 9, 4},
    {2, 2 * kU, 0, 0, 0.2, 9, 2},
    {1, 0, -0.2, kU, 0, 11, 3},
    {2, -kU, -0.2, 2 * kU, 0, 11, 0},
    // L
    {3, 0, -0.2, 3 * kU, 0, 13, 0},
    {2, 0, -0.2, 2 * kU, 0, 13, 3},
    {2, 2 * kU, 0, 0, 0.2, 13, 0},
    // U
    {3, 0, -0.2, 3 * kU, 0, 17, 0},
    {2, 0, -0.2, 2 * kU, 0, 17, 3},
    {5, 0, -0.2, 5 * kU, 0, 19, 0},
    {1, kU, 0, 0, 0.2, 17, 0},
    // N
    {5, 0, -0.2, 5 * kU, 0, 21, 0},
    {5, 0, -0.2, 5 * kU, 0, 23, 0},
    {5, -2 * kU, -0.2, 5 * kU, 0, 23, 0},
    // D
    {5, 0, -0.2, 5 * kU, 0, 25, 0},
    {1, kU, 0, 0, 0.2, 25, 4},
    {1, kU, 0, 0, 0.2, 25, 0},
    {3, 0, -0.2, 3 * kU, 0, 27, 1},
    // A: the bar across the middle keeps it from reading as an arch.
    {2, 0, -0.2, 2 * kU, 0, 29, 0},
    {2, 0, -0.2, 2 * kU, 0, 29, 2},
    {2, 0, -0.2, 2 * kU, 0, 31, 0},
    {2, 0, -0.2, 2 * kU, 0, 31, 2},
    {3, 3 * kU, 0, 0, 0.2, 28, 4},
    {1, kU, 0, 0, 0.2, 29, 2},
};
static_assert(sizeof kWordRules / sizeof kWordRules[0] == 32, "the word has 32 strokes");

struct Polygon {
  double shrink;
  int count;
  ifsPoint vertices[6];
};

constexpr Polygon kTriangle = {0.5, 3, {{0, 1}, {-0.866, -0.5}, {0.866, -0.5}}};
constexpr Polygon kPentagon = {
    0.382, 5, {{0, 1}, {-0.9511, 0.309}, {-0.5878, -0.809}, {0.5878, -0.809}, {0.9511, 0.309}}};
constexpr Polygon kHexagon = {
    0.3333, 6, {{0, 1}, {-0.866, 0.5}, {-0.866, -0.5}, {0, -1}, {0.866, -0.5}, {0.866, 0.5}}};

const Polygon &PickPolygon() {
  const double u = RandUnit();
  if (u < 0.42)
    return kTriangle;
  if (u < 0.75)
    return kPentagon;
  return kHexagon;
}

} // namespace

vTemplate TemplateFromName(const char *name) {
  static const struct {
    const char *name;
    vTemplate family;
  } kNames[] = {{"Ferns", vTemplate::Ferns},
                {"Autumn", vTemplate::Autumn},
                {"Vorlunda", vTemplate::Vorlunda},
                {"Gasket", vTemplate::Gasket}};
  for (const auto &entry : kNames)
    if (name != nullptr && CompareEnumNames(name, entry.name) == 0)
      return entry.family;
  return vTemplate::Unknown;
}

void BuildFerns(ifsGuiFractal &fractal, int width, int height, double aspect) {
  static constexpr Row kRules[] = {{6, 0.16, 0, 0, 0, 0, 0},
                                   {10, 0.22, -0.23, 0.26, 0.2, -1.6, 0},
                                   {10, 0.24, -0.26, -0.28, -0.15, -0.44, 0},
                                   {74, 0.85, 0.04, -0.04, 0.75, -1.6, 0}};
  static constexpr double kBlends[] = {1.0, 0.15, 0.15, 0.05};
  fractal.Reset(width, height);
  fractal.SetColourSystem(ifsColourSystem::Shaded);
  const double u1 = RandUnit(), u2 = RandUnit(), u3 = RandUnit(), u4 = RandUnit();
  const ifsColour stem = {0.35 * u1, 0.2 * u2 + 0.15, 0.0};
  const ifsColour leaf = {0.0, 0.7 * u3 + 0.3, 0.45 * u4};
  for (int i = 0; i < 4; ++i) {
    ifsRule rule(ifsRuleSystem::Linear, kRules[i]);
    const ifsColour &colour = i == 0 ? stem : leaf;
    rule.SetColour(colour.red, colour.green, colour.blue, kBlends[i]);
    fractal.AddRule(rule);
  }
  fractal.RotateAll(RandomAngle(kPi));
  constexpr int kFlipBit = 8;
  if (Rand() & kFlipBit)
    fractal.FlipAllHorizontal();
  Finish(fractal, aspect, {1.1, 0.4, 1.0});
}

void BuildAutumn(ifsGuiFractal &fractal, int width, int height, double aspect) {
  static constexpr Row kRules[] = {{80, 0.5, 0, 0, 0.6, 0, -0.1},
                                   {90, 0.5, 0, 0, 0.6, 0, 1.0},
                                   {40, 0.75, 0, 0, 0.875, 0, 0},
                                   {90, 0.2868, -0.49151, 0.4096, 0.3441, -0.6144, 0.4302},
                                   {90, 0.2868, 0.49151, -0.4096, 0.3441, 0.6144, 0.4302},
                                   {1, 0.01, 0, 0, -0.3, 0, -0.2}};
  fractal.Reset(width, height);
  fractal.SetColourSystem(ifsColourSystem::Solid);
  const ifsColour colour = AutumnColour();
  fractal.SetColour(Truncated(colour.red), Truncated(colour.green), Truncated(colour.blue));
  for (const Row &row : kRules)
    AddLinear(fractal, row);
  fractal.RotateAll(RandomAngle(kPi));
  Finish(fractal, aspect, {1.0, 0.2, 0.35});
}

void BuildVorlunda(ifsGuiFractal &fractal, int width, int height, double aspect) {
  constexpr int kWordBrightness = 192;
  fractal.Reset(width, height);
  fractal.SetColourSystem(ifsColourSystem::Solid);
  const ifsRgb colour = RandomColour(kWordBrightness);
  fractal.SetColour(colour.red, colour.green, colour.blue);
  for (const Row &row : kWordRules)
    AddLinear(fractal, row);
  fractal.RotateAll(RandomAngle(kPi * 0.5));
  Finish(fractal, aspect, {0.8, 0.3, 1.7});
}

void BuildGasket(ifsGuiFractal &fractal, int width, int height, double aspect) {
  constexpr int kCornerBrightness = 192;
  constexpr double kShearRange = 0.707;
  fractal.Reset(width, height);
  fractal.SetColourSystem(ifsColourSystem::Shaded);
  const Polygon &polygon = PickPolygon();
  for (int i = 0; i < polygon.count; ++i) {
    const ifsPoint vertex = polygon.vertices[i];
    ifsRule rule(ifsRuleSystem::Linear, 1.0, polygon.shrink, 0, 0, polygon.shrink, vertex.x,
                 vertex.y);
    const ifsRgb colour = RandomColour(kCornerBrightness);
    const double blend = 0.5 * RandUnit() + 0.1;
    rule.SetColour(colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0, blend);
    fractal.AddRule(rule);
  }
  fractal.ShearAll(RandomAngle(kShearRange), 0.0);
  const double u1 = RandUnit();
  const double u2 = RandUnit();
  fractal.ScaleAll(0.5 * u2 + 0.5, 0.5 * u1 + 0.5);
  fractal.RotateAll(RandomAngle(kPi));
  Finish(fractal, aspect, {0.9, 0.3, 1.0});
}
