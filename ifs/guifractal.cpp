#include "ifs/guifractal.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Views smaller than this are widened, so the scales stay finite.
constexpr double kMinViewSize = 0.0001;
// Pixel coordinates are held within ±2^30, far outside any area, so that
// offsets and centres can still be added without overflow.
constexpr int kPixelLimit = 1 << 30;

// Intensity: a first hit shows an eighth of the colour, then the counter
// climbs fast, slower, slowest up to full colour.
constexpr int kFirstHit = 32;
constexpr int kFastUntil = 128, kFastStep = 4;
constexpr int kMediumUntil = 192, kMediumStep = 2;
constexpr int kFullHits = 255;

// Spectrum: a third of the hue circle, 20 hits of ±4.
constexpr int kSpectrumRun = 80;
constexpr int kSpectrumStart = 240;

int FloorToPixel(double t) {
  if (t >= kPixelLimit)
    return kPixelLimit;
  if (!(t > -kPixelLimit))
    return -kPixelLimit;
  const int truncated = static_cast<int>(t);
  return truncated > t ? truncated - 1 : truncated;
}

std::unique_ptr<std::uint8_t[]> ZeroedBuffer(std::size_t size) {
  return std::unique_ptr<std::uint8_t[]>(new std::uint8_t[size > 0 ? size : 1]());
}

void RaiseTo(std::uint8_t &stored, int value) {
  if (value > stored)
    stored = static_cast<std::uint8_t>(value);
}

} // namespace

ifsGuiFractal::ifsGuiFractal(const ifsGuiFractal &other) : ifsFractal(other) {
  CopyDrawingState(other);
}

ifsGuiFractal &ifsGuiFractal::operator=(const ifsGuiFractal &other) {
  if (this == &other)
    return *this;
  if (width != other.width || height != other.height)
    FreeBuffers();
  ifsFractal::operator=(other);
  CopyDrawingState(other);
  return *this;
}

void ifsGuiFractal::CopyDrawingState(const ifsGuiFractal &other) {
  pointsDrawn = other.pointsDrawn;
  offsetX = other.offsetX;
  offsetY = other.offsetY;
  width = other.width;
  height = other.height;
  centreX = other.centreX;
  centreY = other.centreY;
  scaleX = other.scaleX;
  scaleY = other.scaleY;
  paletteBase = other.paletteBase;
  std::memcpy(intensityTable, other.intensityTable, sizeof intensityTable);
  std::memcpy(spectrumTable, other.spectrumTable, sizeof spectrumTable);
}

void ifsGuiFractal::FreeBuffers() {
  redMax.reset();
  greenMax.reset();
  blueMax.reset();
  hits.reset();
}

std::size_t ifsGuiFractal::Area() const {
  if (width <= 0 || height <= 0)
    return 0;
  return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

void ifsGuiFractal::Reset(int newWidth, int newHeight) {
  ifsGuiFractal fresh;
  fresh.width = newWidth;
  fresh.height = newHeight;
  *this = fresh;
}

void ifsGuiFractal::BuildRandom(ifsRuleSystem system, int minRules, int maxRules,
                                int minBrightness, bool contractiveOnly,
                                ifsColourSystem colours) {
  Reset(width, height);
  ifsFractal::BuildRandom(system, minRules, maxRules, minBrightness, contractiveOnly, colours);
}

void ifsGuiFractal::Prepare(const ifsSurface &surface, int newWidth, int newHeight, int newOffsetX,
                            int newOffsetY) {
  if (newWidth != width || newHeight != height)
    FreeBuffers();
  offsetX = newOffsetX;
  offsetY = newOffsetY;
  width = newWidth;
  height = newHeight;
  const double pixelAspect = PixelAspect(surface.PixelsPerInchX(), surface.PixelsPerInchY());
  centreX = width / 2;
  centreY = height / 2;
  double vw = view.xMax - view.xMin;
  double vh = view.yMax - view.yMin;
  if (!(vw >= kMinViewSize))
    vw = kMinViewSize;
  if (!(vh >= kMinViewSize))
    vh = kMinViewSize;
  const double sx = width * pixelAspect / vw;
  const double sy = height / vh;
  scaleY = std::min(sx, sy);
  scaleX = scaleY / pixelAspect;
  if (colourSystem == ifsColourSystem::Intensity)
    PrepareIntensity();
  else if (colourSystem == ifsColourSystem::Spectrum)
    PrepareSpectrum();
}

void ifsGuiFractal::PrepareIntensity() {
  const std::size_t area = Area();
  if (!redMax || !greenMax || !blueMax) {
    redMax = ZeroedBuffer(area);
    greenMax = ZeroedBuffer(area);
    blueMax = ZeroedBuffer(area);
  }
  if (!hits)
    hits = ZeroedBuffer(area);
  std::memset(hits.get(), 0, area);
  for (int i = 0; i < 256; ++i) {
    const double t = i / 255.0;
    intensityTable[i] = {static_cast<int>(std::floor(t * red + 0.5)),
                         static_cast<int>(std::floor(t * green + 0.5)),
                         static_cast<int>(std::floor(t * blue + 0.5))};
  }
}

void ifsGuiFractal::PrepareSpectrum() {
  if (!hits)
    hits = ZeroedBuffer(Area());
  std::memset(hits.get(), 0, Area());
  const double l = luminance / static_cast<double>(kHlsScale);
  const double s = saturation / static_cast<double>(kHlsScale);
  for (int i = 0; i < 256; ++i) {
    const double h = ((hue + i) % kHlsScale) / static_cast<double>(kHlsScale);
    spectrumTable[i] = ToRgb(HlsToRgb(h, l, s));
  }
}

void ifsGuiFractal::ClearIntensity() {
  const std::size_t area = Area();
  if (redMax)
    std::memset(redMax.get(), 0, area);
  if (greenMax)
    std::memset(greenMax.get(), 0, area);
  if (blueMax)
    std::memset(blueMax.get(), 0, area);
}

ifsPixel ifsGuiFractal::ToPixel(ifsPoint point) const {
  const double cx = (view.xMin + view.xMax) / 2.0;
  const double cy = (view.yMin + view.yMax) / 2.0;
  return {FloorToPixel((point.x - cx) * scaleX + 0.5) + centreX,
          centreY - FloorToPixel((point.y - cy) * scaleY + 0.5)};
}

int ifsGuiFractal::HitCount(int px, int py) const {
  if (!hits || px < 0 || px >= width || py < 0 || py >= height)
    return -1;
  return hits[static_cast<std::size_t>(py) * width + px];
}

bool ifsGuiFractal::InArea(ifsPoint point, double cx, double cy, int &px, int &py) const {
  px = FloorToPixel((point.x - cx) * scaleX + 0.5) + centreX;
  py = centreY - FloorToPixel((point.y - cy) * scaleY + 0.5);
  return px >= 0 && px < width && py >= 0 && py < height;
}

void ifsGuiFractal::WritePixel(ifsSurface &surface, int px, int py, const ifsRgb &rgb) const {
  if (paletteBase >= 0)
    surface.WriteIndex(offsetX + px, offsetY + py,
                       paletteBase + CubeIndex(rgb.red, rgb.green, rgb.blue));
  else
    surface.WriteRgb(offsetX + px, offsetY + py, rgb.red, rgb.green, rgb.blue);
}

ifsRgb ifsGuiFractal::IntensityHit(std::size_t pixel) {
  int count = hits[pixel];
  if (count < kFirstHit)
    count = kFirstHit;
  else if (count < kFastUntil)
    count += kFastStep;
  else if (count < kMediumUntil)
    count += kMediumStep;
  else
    count += 1;
  if (count > kFullHits)
    count = kFullHits;
  hits[pixel] = static_cast<std::uint8_t>(count);
  const ifsRgb &level = intensityTable[count];
  RaiseTo(redMax[pixel], level.red);
  RaiseTo(greenMax[pixel], level.green);
  RaiseTo(blueMax[pixel], level.blue);
  return {redMax[pixel], greenMax[pixel], blueMax[pixel]};
}

ifsRgb ifsGuiFractal::SpectrumHit(std::size_t pixel) {
  std::int64_t count = hits[pixel];
  if (hueStep < 0) {
    // Counting down from the top keeps a zero counter meaning "not yet hit".
    if (count == 0)
      count = kSpectrumStart;
    if (count > kSpectrumStart - kSpectrumRun)
      count += hueStep;
  } else if (count < kSpectrumRun) {
    count += hueStep;
  }
  hits[pixel] = static_cast<std::uint8_t>(count);
  return spectrumTable[hits[pixel]];
}

template <typename ColourOfPoint>
void ifsGuiFractal::PlotBatch(ifsSurface &surface, ColourOfPoint colourOf) {
  const double cx = (view.xMin + view.xMax) / 2.0;
  const double cy = (view.yMin + view.yMax) / 2.0;
  for (int i = 0; i < kBatchPoints; ++i) {
    int px, py;
    if (!InArea(points[i], cx, cy, px, py))
      continue;
    const std::size_t pixel = static_cast<std::size_t>(py) * width + px;
    WritePixel(surface, px, py, colourOf(i, pixel));
  }
}

void ifsGuiFractal::DrawStep(ifsSurface &surface) {
  const bool shaded = colourSystem == ifsColourSystem::Shaded;
  Iterate(kBatchPoints, points, shaded ? pointColours : nullptr);
  pointsDrawn += kBatchPoints;
  const bool intensity =
      colourSystem == ifsColourSystem::Intensity && hits && redMax && greenMax && blueMax;
  const bool spectrum = colourSystem == ifsColourSystem::Spectrum && hits;
  if (shaded) {
    PlotBatch(surface, [this](int i, std::size_t) { return pointColours[i]; });
  } else if (intensity) {
    PlotBatch(surface, [this](int, std::size_t pixel) { return IntensityHit(pixel); });
  } else if (spectrum) {
    PlotBatch(surface, [this](int, std::size_t pixel) { return SpectrumHit(pixel); });
  } else {
    // Solid, and any system whose counters Prepare has not made yet.
    const ifsRgb solid{red, green, blue};
    PlotBatch(surface, [solid](int, std::size_t) { return solid; });
  }
  surface.EndBatch();
}
