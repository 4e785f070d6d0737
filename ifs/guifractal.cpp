#include "ifs/guifractal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Views smaller than this are widened, so the scales stay finite.
constexpr double kMinViewSize = 0.0001;
// ToPixel holds coordinates within ±2^30, far outside any area, so that
// offsets and centres can still be added without overflow.
constexpr int kPixelLimit = 1 << 30;

// Intensity: a first hit shows an eighth of the colour, then the counter
// climbs fast, slower, slowest up to full colour.
constexpr int kFirstHit = 32;
constexpr int kFastUntil = 128, kFastStep = 4;
constexpr int kMediumUntil = 192, kMediumStep = 2;
constexpr int kFullHits = 255;

constexpr int NextHitCount(int count) {
  if (count < kFirstHit)
    return kFirstHit;
  if (count < kFastUntil)
    return count + kFastStep;
  if (count < kMediumUntil)
    return count + kMediumStep;
  return count < kFullHits ? count + 1 : kFullHits;
}

// The climb as a table: a hit costs one lookup instead of a chain of tests.
struct HitCountTable {
  std::uint8_t next[256] = {};
  constexpr HitCountTable() {
    for (int count = 0; count < 256; ++count)
      next[count] = static_cast<std::uint8_t>(NextHitCount(count));
  }
};
constexpr HitCountTable kHitCounts;

// Spectrum: a third of the hue circle, 20 hits of ±4.
constexpr int kSpectrumRun = 80;
constexpr int kSpectrumStart = 240;

// ⌊t⌋ for |t| below 2^31, exact: truncation corrected for negative values.
int FloorOf(double t) {
  const int truncated = static_cast<int>(t);
  return truncated > t ? truncated - 1 : truncated;
}

int SaturatedFloor(double t) {
  if (t >= kPixelLimit)
    return kPixelLimit;
  if (!(t > -kPixelLimit))
    return -kPixelLimit;
  return FloorOf(t);
}

int Clip(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

} // namespace

// Maps a batch of points to pixels of the part of the drawing area that lies
// on the surface, with every fact a copy, so the compiler keeps them in
// registers while pixels are stored. The range test is made on the unrounded
// coordinate: ⌊t⌋ ≥ k exactly when t ≥ k for an integer k, so no value is
// converted before it is known to fit.
class ifsGuiFractal::Plotter {
public:
  Plotter(const ifsGuiFractal &fractal, const ifsSurface &surface)
      : cx_((fractal.view_.xMin + fractal.view_.xMax) / 2.0),
        cy_((fractal.view_.yMin + fractal.view_.yMax) / 2.0), scaleX_(fractal.scaleX_),
        scaleY_(fractal.scaleY_), centreX_(fractal.centreX_), centreY_(fractal.centreY_),
        width_(fractal.width_) {
    // px = ⌊tx⌋ + centreX must lie in [left, right), py = centreY − ⌊ty⌋ in
    // [top, bottom), where the bounds clip the area to the surface.
    const int left = Clip(-fractal.offsetX_, 0, fractal.width_);
    const int right = Clip(surface.Width() - fractal.offsetX_, left, fractal.width_);
    const int top = Clip(-fractal.offsetY_, 0, fractal.height_);
    const int bottom = Clip(surface.Height() - fractal.offsetY_, top, fractal.height_);
    txLow_ = left - centreX_;
    txHigh_ = right - centreX_;
    tyLow_ = centreY_ - bottom + 1;
    tyHigh_ = centreY_ - top + 1;
  }

  bool ToArea(const ifsPoint &p, int &px, int &py) const {
    const double tx = (p.x - cx_) * scaleX_ + 0.5;
    const double ty = (p.y - cy_) * scaleY_ + 0.5;
    if (!(tx >= txLow_ && tx < txHigh_ && ty >= tyLow_ && ty < tyHigh_))
      return false;
    px = FloorOf(tx) + centreX_;
    py = centreY_ - FloorOf(ty);
    return true;
  }
  std::size_t PixelIndex(int px, int py) const {
    return static_cast<std::size_t>(py) * static_cast<std::size_t>(width_) + px;
  }

private:
  const double cx_, cy_, scaleX_, scaleY_;
  const int centreX_, centreY_, width_;
  double txLow_, txHigh_, tyLow_, tyHigh_;
};

ifsGuiFractal::ifsGuiFractal(const ifsGuiFractal &other) : ifsFractal(other) {
  CopyDrawingState(other);
}

ifsGuiFractal &ifsGuiFractal::operator=(const ifsGuiFractal &other) {
  if (this == &other)
    return *this;
  if (width_ != other.width_ || height_ != other.height_)
    pixelState_.reset();
  ifsFractal::operator=(other);
  CopyDrawingState(other);
  return *this;
}

void ifsGuiFractal::CopyDrawingState(const ifsGuiFractal &other) {
  pointsDrawn_ = other.pointsDrawn_;
  offsetX_ = other.offsetX_;
  offsetY_ = other.offsetY_;
  width_ = other.width_;
  height_ = other.height_;
  centreX_ = other.centreX_;
  centreY_ = other.centreY_;
  scaleX_ = other.scaleX_;
  scaleY_ = other.scaleY_;
  paletteBase_ = other.paletteBase_;
  std::memcpy(intensityTable_, other.intensityTable_, sizeof intensityTable_);
  std::memcpy(spectrumTable_, other.spectrumTable_, sizeof spectrumTable_);
}

std::size_t ifsGuiFractal::Area() const {
  if (width_ <= 0 || height_ <= 0)
    return 0;
  return static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
}

void ifsGuiFractal::Reset(int newWidth, int newHeight) {
  ifsGuiFractal fresh;
  fresh.width_ = newWidth;
  fresh.height_ = newHeight;
  *this = fresh;
}

void ifsGuiFractal::BuildRandom(ifsRuleSystem system, int minRules, int maxRules, int minBrightness,
                                bool contractiveOnly, ifsColourSystem colours) {
  Reset(width_, height_);
  ifsFractal::BuildRandom(system, minRules, maxRules, minBrightness, contractiveOnly, colours);
}

void ifsGuiFractal::Prepare(const ifsSurface &surface, int newWidth, int newHeight, int newOffsetX,
                            int newOffsetY) {
  if (newWidth != width_ || newHeight != height_)
    pixelState_.reset();
  offsetX_ = newOffsetX;
  offsetY_ = newOffsetY;
  width_ = newWidth;
  height_ = newHeight;
  const double pixelAspect = PixelAspect(surface.PixelsPerInchX(), surface.PixelsPerInchY());
  centreX_ = width_ / 2;
  centreY_ = height_ / 2;
  double vw = view_.xMax - view_.xMin;
  double vh = view_.yMax - view_.yMin;
  if (!(vw >= kMinViewSize))
    vw = kMinViewSize;
  if (!(vh >= kMinViewSize))
    vh = kMinViewSize;
  const double sx = width_ * pixelAspect / vw;
  const double sy = height_ / vh;
  scaleY_ = std::min(sx, sy);
  scaleX_ = scaleY_ / pixelAspect;
  if (colourSystem_ == ifsColourSystem::Intensity)
    PrepareIntensity();
  else if (colourSystem_ == ifsColourSystem::Spectrum)
    PrepareSpectrum();
}

// New state starts with zero maxima, as new maximum buffers must.
void ifsGuiFractal::EnsurePixelState() {
  const std::size_t area = Area();
  if (!pixelState_)
    pixelState_.reset(new PixelState[area > 0 ? area : 1]());
  for (std::size_t i = 0; i < area; ++i)
    pixelState_[i].hits = 0;
}

void ifsGuiFractal::PrepareIntensity() {
  EnsurePixelState();
  for (int i = 0; i < 256; ++i) {
    const double t = i / 255.0;
    intensityTable_[i] = {static_cast<int>(std::floor(t * red_ + 0.5)),
                          static_cast<int>(std::floor(t * green_ + 0.5)),
                          static_cast<int>(std::floor(t * blue_ + 0.5))};
  }
}

void ifsGuiFractal::PrepareSpectrum() {
  EnsurePixelState();
  const double l = luminance_ / static_cast<double>(kHlsScale);
  const double s = saturation_ / static_cast<double>(kHlsScale);
  for (int i = 0; i < 256; ++i) {
    const double h = ((hue_ + i) % kHlsScale) / static_cast<double>(kHlsScale);
    spectrumTable_[i] = ToRgb(HlsToRgb(h, l, s));
  }
}

void ifsGuiFractal::ClearIntensity() {
  if (!pixelState_)
    return;
  const std::size_t area = Area();
  for (std::size_t i = 0; i < area; ++i) {
    pixelState_[i].redMax = 0;
    pixelState_[i].greenMax = 0;
    pixelState_[i].blueMax = 0;
  }
}

ifsPixel ifsGuiFractal::ToPixel(ifsPoint point) const {
  const double cx = (view_.xMin + view_.xMax) / 2.0;
  const double cy = (view_.yMin + view_.yMax) / 2.0;
  return {SaturatedFloor((point.x - cx) * scaleX_ + 0.5) + centreX_,
          centreY_ - SaturatedFloor((point.y - cy) * scaleY_ + 0.5)};
}

int ifsGuiFractal::HitCount(int px, int py) const {
  if (!pixelState_ || px < 0 || px >= width_ || py < 0 || py >= height_)
    return -1;
  return pixelState_[static_cast<std::size_t>(py) * width_ + px].hits;
}

ifsRgb ifsGuiFractal::IntensityHit(PixelState &pixel) const {
  const int count = kHitCounts.next[pixel.hits];
  pixel.hits = static_cast<std::uint8_t>(count);
  const ifsRgb &level = intensityTable_[count];
  pixel.redMax = static_cast<std::uint8_t>(std::max<int>(pixel.redMax, level.red));
  pixel.greenMax = static_cast<std::uint8_t>(std::max<int>(pixel.greenMax, level.green));
  pixel.blueMax = static_cast<std::uint8_t>(std::max<int>(pixel.blueMax, level.blue));
  return {pixel.redMax, pixel.greenMax, pixel.blueMax};
}

ifsRgb ifsGuiFractal::SpectrumHit(PixelState &pixel) const {
  std::int64_t count = pixel.hits;
  if (hueStep_ < 0) {
    // Counting down from the top keeps a zero counter meaning "not yet hit".
    if (count == 0)
      count = kSpectrumStart;
    if (count > kSpectrumStart - kSpectrumRun)
      count += hueStep_;
  } else if (count < kSpectrumRun) {
    count += hueStep_;
  }
  pixel.hits = static_cast<std::uint8_t>(count);
  return spectrumTable_[pixel.hits];
}

// Two passes: first every point's pixel is found and its memory requested,
// so the cache misses of a batch overlap instead of stalling one by one;
// then the pixels are coloured and written in point order.
template <typename ColourOfPoint>
void ifsGuiFractal::PlotBatch(ifsSurface &surface, ColourOfPoint colourOf) {
  const Plotter plotter(*this, surface);
  ifsSurfaceBatch batch(surface);
  const int dx = offsetX_, dy = offsetY_;
  PixelState *const state = pixelState_.get();
  int pointOf[kBatchPoints];
  ifsPixel pixelOf[kBatchPoints];
  int plotted = 0;
  for (int i = 0; i < kBatchPoints; ++i) {
    ifsPixel &pixel = pixelOf[plotted];
    if (!plotter.ToArea(points_[i], pixel.x, pixel.y))
      continue;
    batch.Prefetch(dx + pixel.x, dy + pixel.y);
    if (state != nullptr)
      __builtin_prefetch(state + plotter.PixelIndex(pixel.x, pixel.y), 1);
    pointOf[plotted++] = i;
  }
  const int base = paletteBase_;
  for (int k = 0; k < plotted; ++k) {
    const ifsPixel pixel = pixelOf[k];
    const ifsRgb rgb = colourOf(pointOf[k], plotter.PixelIndex(pixel.x, pixel.y));
    if (base >= 0)
      batch.PutIndex(dx + pixel.x, dy + pixel.y, base + CubeIndex(rgb.red, rgb.green, rgb.blue));
    else
      batch.PutRgb(dx + pixel.x, dy + pixel.y, rgb.red, rgb.green, rgb.blue);
  }
}

void ifsGuiFractal::DrawStep(ifsSurface &surface) {
  const bool shaded = colourSystem_ == ifsColourSystem::Shaded;
  Iterate(kBatchPoints, points_, shaded ? pointColours_ : nullptr);
  // Saturates, so even the largest point target is reached and the fractal ends.
  pointsDrawn_ = pointsDrawn_ > INT32_MAX - kBatchPoints ? INT32_MAX : pointsDrawn_ + kBatchPoints;
  PixelState *const state = pixelState_.get();
  if (shaded) {
    PlotBatch(surface, [this](int i, std::size_t) { return pointColours_[i]; });
  } else if (colourSystem_ == ifsColourSystem::Intensity && state != nullptr) {
    PlotBatch(surface,
              [this, state](int, std::size_t pixel) { return IntensityHit(state[pixel]); });
  } else if (colourSystem_ == ifsColourSystem::Spectrum && state != nullptr) {
    PlotBatch(surface, [this, state](int, std::size_t pixel) { return SpectrumHit(state[pixel]); });
  } else {
    // Solid, and any system whose counters Prepare has not made yet.
    const ifsRgb solid{red_, green_, blue_};
    PlotBatch(surface, [solid](int, std::size_t) { return solid; });
  }
  surface.EndBatch();
}
