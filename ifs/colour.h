#pragma once

#include <cstdint>

// A colour with components 0 to 1.
struct ifsColour {
  double red = 0.0;
  double green = 0.0;
  double blue = 0.0;
};

// A colour with integer components 0 to 255.
struct ifsRgb {
  std::int32_t red = 0;
  std::int32_t green = 0;
  std::int32_t blue = 0;
};

// A colour on the 0 to 240 hue/luminance/saturation scale.
struct ifsHls {
  std::int32_t hue = 0;
  std::int32_t luminance = 0;
  std::int32_t saturation = 0;
};

// The largest brightness (red + green + blue) a colour can have.
constexpr int kMaxBrightness = 765;
// The hue circle and the luminance and saturation ranges have 240 steps.
constexpr int kHlsScale = 240;

// Integer part of c × 255.999, so 1.0 still gives 255. Values outside 0 to 1
// (rule colours are not range-checked) are held to 0 to 255.
inline std::int32_t ColourByte(double c) {
  constexpr double kScale = 255.999;
  const double scaled = c * kScale;
  if (!(scaled > 0.0))
    return 0;
  if (scaled >= 255.0)
    return 255;
  return static_cast<std::int32_t>(scaled);
}

inline ifsRgb ToRgb(const ifsColour &colour) {
  return {ColourByte(colour.red), ColourByte(colour.green), ColourByte(colour.blue)};
}

// A random colour whose brightness is at least minBrightness (0 to 765);
// after 1000 redraws the last draw is taken whatever its brightness.
ifsRgb RandomColour(int minBrightness);

// A random base colour for the Spectrum system: full saturation, a random
// hue, and a luminance from a brightness skewed towards minBrightness.
ifsHls RandomSpectrumColour(int minBrightness);

// h, l and s from 0 to 1; no special case for grey, the formulas give it.
ifsColour HlsToRgb(double h, double l, double s);

// The 6 × 6 × 6 colour cube of 256-colour displays: levels 0, 51, ... 255.
constexpr int kCubeLevels = 6;
constexpr int kCubeStep = 51;
constexpr int kCubeSize = kCubeLevels * kCubeLevels * kCubeLevels;

// Offset of the cube entry nearest to the colour, red varying slowest.
inline int CubeIndex(int red, int green, int blue) {
  constexpr int kRound = kCubeStep / 2;
  return kCubeLevels * kCubeLevels * ((red + kRound) / kCubeStep) +
         kCubeLevels * ((green + kRound) / kCubeStep) + (blue + kRound) / kCubeStep;
}

// The colour of cube entry `offset` (0 to 215).
inline ifsRgb CubeColour(int offset) {
  return {kCubeStep * (offset / (kCubeLevels * kCubeLevels)),
          kCubeStep * (offset / kCubeLevels % kCubeLevels), kCubeStep * (offset % kCubeLevels)};
}
