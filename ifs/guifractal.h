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
  void SetPaletteBase(int base) { paletteBase_ = base; }
  int PaletteBase() const { return paletteBase_; }
  int PointsDrawn() const { return pointsDrawn_; }
  void SetPointsDrawn(int count) { pointsDrawn_ = count; }

  int Width() const { return width_; }
  int Height() const { return height_; }
  int CentreX() const { return centreX_; }
  int CentreY() const { return centreY_; }
  double ScaleX() const { return scaleX_; }
  double ScaleY() const { return scaleY_; }
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

  ifsPoint points_[kBatchPoints];
  ifsRgb pointColours_[kBatchPoints];
  std::int32_t pointsDrawn_ = 0;
  std::int32_t offsetX_ = 0, offsetY_ = 0;
  std::int32_t width_ = 100, height_ = 0;
  std::int32_t centreX_ = 0, centreY_ = 0;
  double scaleX_ = 1.0, scaleY_ = 1.0;
  std::int32_t paletteBase_ = -1;
  // width × height pixels, row by row; made by Prepare for Intensity and
  // Spectrum, kept while the size stays.
  std::unique_ptr<PixelState[]> pixelState_;
  ifsRgb intensityTable_[256] = {};
  // Indexed by the stored byte counter: 256 entries, continuing round the
  // hue circle, so any hue step stays inside the table.
  ifsRgb spectrumTable_[256] = {};
};
