#pragma once

#include "ifs/colour.h"
#include "ifs/fractal.h"
#include "ifs/surface.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// A pixel of the drawing area, y downwards.
struct ifsPixel {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// A fractal that draws itself onto a surface, kBatchPoints points a step.
// Per fractal: Reset or BuildRandom, ComputeBounds, ApplyScaling, Prepare,
// then DrawStep until PointsDrawn reaches the target.
//
// Copies take the fractal, the drawing state and the colour tables but never
// the per-pixel buffers: a copy of another size frees its own buffers, which
// Prepare recreates.
class ifsGuiFractal : public ifsFractal {
public:
  ifsGuiFractal() = default;
  ifsGuiFractal(const ifsGuiFractal &other);
  ifsGuiFractal &operator=(const ifsGuiFractal &other);
  ~ifsGuiFractal() override = default;

  // Back to a new fractal of this drawing size; buffers of that size stay.
  void Reset(int width, int height);
  void BuildRandom(ifsRuleSystem system, int minRules, int maxRules, int minBrightness,
                   bool contractiveOnly, ifsColourSystem colourSystem);

  // Fits the view into the width × height area at (offsetX, offsetY) of the
  // surface, keeping one fractal unit equally long along both axes on the
  // surface's device, and readies the colour system: the hit counters start
  // at zero for every fractal. Call after ComputeBounds and ApplyScaling.
  void Prepare(const ifsSurface &surface, int width, int height, int offsetX, int offsetY);

  // Generates and plots the next kBatchPoints points.
  void DrawStep(ifsSurface &surface);

  // Relative to the drawing area. Coordinates too far out for an int give
  // pixels far outside any area (±2^30).
  ifsPixel ToPixel(ifsPoint point) const;

  // The Intensity maxima rise over all fractals of a group; a new group
  // starts dark again.
  void ClearIntensity();

  // Palette index of the colour cube's first entry, or -1 for true colours.
  void SetPaletteBase(int base) { paletteBase = base; }
  int PaletteBase() const { return paletteBase; }
  int PointsDrawn() const { return pointsDrawn; }
  void SetPointsDrawn(int count) { pointsDrawn = count; }

  int Width() const { return width; }
  int Height() const { return height; }
  int CentreX() const { return centreX; }
  int CentreY() const { return centreY; }
  double ScaleX() const { return scaleX; }
  double ScaleY() const { return scaleY; }
  // The hit counter of an area pixel, or -1 without counters.
  int HitCount(int px, int py) const;

private:
  // The Intensity maxima and the hit counter of one pixel, side by side so a
  // hit touches one cache line; one byte per channel.
  struct PixelState {
    std::uint8_t redMax;
    std::uint8_t greenMax;
    std::uint8_t blueMax;
    std::uint8_t hits;
  };
  class Plotter;

  template <typename ColourOfPoint> void PlotBatch(ifsSurface &surface, ColourOfPoint colourOf);
  ifsRgb IntensityHit(PixelState &pixel) const;
  ifsRgb SpectrumHit(PixelState &pixel) const;
  void PrepareIntensity();
  void PrepareSpectrum();
  void EnsurePixelState();
  void CopyDrawingState(const ifsGuiFractal &other);
  std::size_t Area() const;

  ifsPoint points[kBatchPoints];
  ifsRgb pointColours[kBatchPoints];
  std::int32_t pointsDrawn = 0;
  std::int32_t offsetX = 0, offsetY = 0;
  std::int32_t width = 100, height = 0;
  std::int32_t centreX = 0, centreY = 0;
  double scaleX = 1.0, scaleY = 1.0;
  std::int32_t paletteBase = -1;
  // width × height pixels, row by row; made by Prepare for Intensity and
  // Spectrum, kept while the size stays.
  std::unique_ptr<PixelState[]> pixelState;
  ifsRgb intensityTable[256] = {};
  // Indexed by the stored byte counter: 256 entries, continuing round the
  // hue circle, so any hue step stays inside the table.
  ifsRgb spectrumTable[256] = {};
};
