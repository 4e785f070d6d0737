#include "ifs/colour.h"

#include "foundation/random.h"

#include <cmath>

namespace {

constexpr int kColourRedraws = 1000;
// Below this brightness any component can be drawn; above it every component
// must be at least (minBrightness - kFreeBrightness) to reach the minimum.
constexpr int kFreeBrightness = 510;
// The brightness at which the luminance reaches the pure hue.
constexpr int kPureHueBrightness = 255;
constexpr int kPureHueLuminance = 120;

int DrawComponent(int low, int range) { return low + Rand() % range; }

// m1 and m2 are the two values of the classic construction; t is a hue.
double HueValue(double m1, double m2, double t) {
  if (t > 1.0)
    t -= 1.0;
  else if (t < 0.0)
    t += 1.0;
  if (t < 1.0 / 6.0)
    return m1 + (m2 - m1) * t * 6.0;
  if (t < 0.5)
    return m2;
  if (t < 2.0 / 3.0)
    return m1 + (m2 - m1) * (2.0 / 3.0 - t) * 6.0;
  return m1;
}

int LuminanceOfBrightness(int brightness) {
  if (brightness <= kPureHueBrightness)
    return static_cast<int>(
        std::floor(brightness / static_cast<double>(kPureHueBrightness) * kPureHueLuminance + 0.5));
  const double above = brightness - kPureHueBrightness;
  const double span = kMaxBrightness - kPureHueBrightness;
  return kPureHueLuminance +
         static_cast<int>(std::floor(above / span * (kHlsScale - kPureHueLuminance) + 0.5));
}

} // namespace

ifsRgb RandomColour(int minBrightness) {
  // Beyond white nothing can be reached; asking for more than white gets white.
  if (minBrightness > kMaxBrightness)
    minBrightness = kMaxBrightness;
  int low = 0;
  int range = 255;
  if (minBrightness > kFreeBrightness) {
    low = minBrightness - kFreeBrightness;
    range = 256 - low;
  }
  ifsRgb colour;
  for (int draw = 0; draw <= kColourRedraws; ++draw) {
    colour.red = DrawComponent(low, range);
    colour.green = DrawComponent(low, range);
    colour.blue = DrawComponent(low, range);
    if (colour.red + colour.green + colour.blue >= minBrightness)
      break;
  }
  return colour;
}

ifsHls RandomSpectrumColour(int minBrightness) {
  const double x = std::pow(RandUnit(), 2.0);
  const int brightness =
      minBrightness + static_cast<int>(std::floor(x * (kMaxBrightness - minBrightness) + 0.5));
  ifsHls colour;
  colour.hue = Rand() % kHlsScale;
  colour.saturation = kHlsScale;
  colour.luminance = LuminanceOfBrightness(brightness);
  return colour;
}

ifsColour HlsToRgb(double h, double l, double s) {
  const double m2 = l <= 0.5 ? l * (1.0 + s) : l + s - l * s;
  const double m1 = 2.0 * l - m2;
  return {HueValue(m1, m2, h + 1.0 / 3.0), HueValue(m1, m2, h), HueValue(m1, m2, h - 1.0 / 3.0)};
}
