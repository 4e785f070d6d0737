#include "ifs/guifractal.h"

#include "foundation/random.h"
#include "ifs/memsurface.h"
#include "tests/ifs/support/testfractals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace {

std::uint32_t ColourRef(const ifsRgb &rgb) { return MakeColourRef(rgb.red, rgb.green, rgb.blue); }

ifsRgb TableColour(int level, ifsRgb full) {
  const double t = level / 255.0;
  return {static_cast<int>(std::floor(t * full.red + 0.5)),
          static_cast<int>(std::floor(t * full.green + 0.5)),
          static_cast<int>(std::floor(t * full.blue + 0.5))};
}

ifsRgb SpectrumColour(const ifsGuiFractal &fractal, int counter) {
  const ifsHls base = fractal.SpectrumColour();
  return ToRgb(HlsToRgb(((base.hue + counter) % 240) / 240.0, base.luminance / 240.0,
                        base.saturation / 240.0));
}

// Every point lands on (0, 0), the view's centre: one pixel takes every hit.
void MakeSinglePixel(ifsGuiFractal &fractal, ifsColourSystem system) {
  fractal.Reset(200, 100);
  fractal.AddRule(LinearRule(0, 0, 0, 0, 0, 0));
  fractal.SetColourSystem(system);
}

TEST(Prepare, FitsTheViewWithSquareUnits) {
  ifsMemorySurface surface(200, 100);
  ifsGuiFractal fractal;
  fractal.Prepare(surface, 200, 100, 0, 0);
  EXPECT_EQ(50.0, fractal.ScaleX());
  EXPECT_EQ(50.0, fractal.ScaleY());
  EXPECT_EQ(100, fractal.CentreX());
  EXPECT_EQ(50, fractal.CentreY());
  EXPECT_EQ(100, fractal.ToPixel({0, 0}).x);
  EXPECT_EQ(50, fractal.ToPixel({0, 0}).y);
  EXPECT_EQ(150, fractal.ToPixel({1, 1}).x);
  EXPECT_EQ(0, fractal.ToPixel({1, 1}).y);
  EXPECT_EQ(49, fractal.ToPixel({-1.02, 0}).x) << "rounds to the nearest pixel";

  ifsMemorySurface tallPixels(200, 100, ifsPixelFormat::Rgb32, 96, 120);
  fractal.Prepare(tallPixels, 200, 100, 0, 0);
  EXPECT_DOUBLE_EQ(fractal.ScaleY() * 0.8, fractal.ScaleX());
}

TEST(Prepare, WidensADegenerateView) {
  ifsGuiFractal fractal;
  fractal.AddRule(LinearRule(0, 0, 0, 0, 0.25, 0.25));
  fractal.ComputeBounds(100, 0.0); // a single point: view of size zero
  ifsMemorySurface surface(100, 100);
  fractal.Prepare(surface, 100, 100, 0, 0);
  EXPECT_DOUBLE_EQ(100 / 0.0001, fractal.ScaleX());
  EXPECT_EQ(50, fractal.ToPixel({0.25, 0.25}).x);
}

TEST(ToPixel, FarAndNonNumberCoordinatesStayOutsideTheArea) {
  ifsGuiFractal fractal;
  ifsMemorySurface surface(200, 100);
  fractal.Prepare(surface, 200, 100, 0, 0);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (ifsPoint p : {ifsPoint{1e300, -1e300}, ifsPoint{nan, nan}, ifsPoint{-inf, inf}}) {
    const ifsPixel pixel = fractal.ToPixel(p);
    EXPECT_TRUE(pixel.x < 0 || pixel.x >= 200);
    EXPECT_TRUE(pixel.y < 0 || pixel.y >= 100);
  }
}

TEST(IntensityHits, CounterClimbsToFullColour) {
  ifsGuiFractal fractal;
  MakeSinglePixel(fractal, ifsColourSystem::Intensity);
  fractal.SetColour(200, 100, 50);
  ifsMemorySurface surface(200, 100);
  fractal.Prepare(surface, 200, 100, 0, 0);
  fractal.DrawStep(surface);
  // 1 hit gives 32, 24 more of +4 reach 128, 32 of +2 reach 192, then +1.
  EXPECT_EQ(192 + 43, fractal.HitCount(100, 50));
  EXPECT_EQ(ColourRef(TableColour(235, {200, 100, 50})), surface.ReadColour(100, 50));
  fractal.DrawStep(surface);
  EXPECT_EQ(255, fractal.HitCount(100, 50));
  EXPECT_EQ(MakeColourRef(200, 100, 50), surface.ReadColour(100, 50));
  EXPECT_EQ(200, fractal.PointsDrawn());
}

TEST(IntensityHits, MaximaRiseOverAGroupUntilCleared) {
  ifsGuiFractal fractal;
  ifsMemorySurface surface(200, 100);
  MakeSinglePixel(fractal, ifsColourSystem::Intensity);
  fractal.SetColour(0, 255, 0);
  fractal.Prepare(surface, 200, 100, 0, 0);
  fractal.ClearIntensity();
  fractal.DrawStep(surface);
  fractal.DrawStep(surface);

  // The next fractal of the group, dim red: green stays at its maximum.
  MakeSinglePixel(fractal, ifsColourSystem::Intensity);
  fractal.SetColour(100, 0, 0);
  fractal.Prepare(surface, 200, 100, 0, 0);
  EXPECT_EQ(0, fractal.HitCount(100, 50)) << "counters start afresh";
  fractal.DrawStep(surface);
  fractal.DrawStep(surface);
  EXPECT_EQ(MakeColourRef(100, 255, 0), surface.ReadColour(100, 50));

  fractal.ClearIntensity();
  fractal.Prepare(surface, 200, 100, 0, 0);
  fractal.DrawStep(surface);
  EXPECT_EQ(ColourRef(TableColour(235, {100, 0, 0})), surface.ReadColour(100, 50));
}

// The diagonal drawn large: most pixels are hit a few times.
void MakeSpectrumDiagonal(ifsGuiFractal &fractal, int hueStep) {
  fractal.Reset(400, 400);
  AddDiagonal(fractal);
  fractal.SetColourSystem(ifsColourSystem::Spectrum);
  fractal.SetSpectrum(100, 120, 240, hueStep);
  fractal.ComputeBounds(1000, 1.0);
}

// Counters of all hit pixels; each pixel must show its counter's table colour.
std::set<int> CheckedCounters(const ifsGuiFractal &fractal, const ifsSurface &surface) {
  std::set<int> counters;
  for (int y = 0; y < fractal.Height(); ++y)
    for (int x = 0; x < fractal.Width(); ++x) {
      const int counter = fractal.HitCount(x, y);
      if (counter <= 0)
        continue;
      counters.insert(counter);
      EXPECT_EQ(ColourRef(SpectrumColour(fractal, counter)), surface.ReadColour(x, y));
    }
  return counters;
}

TEST(SpectrumHits, EachHitStepsTheHue) {
  for (int step : {-4, 4}) {
    SeedRandom(13);
    ifsGuiFractal fractal;
    MakeSpectrumDiagonal(fractal, step);
    ifsMemorySurface surface(400, 400);
    fractal.Prepare(surface, 400, 400, 0, 0);
    fractal.DrawStep(surface);
    const std::set<int> early = CheckedCounters(fractal, surface);
    for (int i = 0; i < 200; ++i)
      fractal.DrawStep(surface);
    const std::set<int> late = CheckedCounters(fractal, surface);
    if (step < 0) {
      EXPECT_EQ(236, *early.rbegin()) << "a first hit shows 236, never 240";
      EXPECT_EQ(160, *late.begin()) << "after 20 hits the hue stays";
    } else {
      EXPECT_EQ(4, *early.begin());
      EXPECT_EQ(80, *late.rbegin());
    }
    for (int counter : late)
      EXPECT_EQ(0, counter % 4);
  }
}

TEST(PaletteDrawing, WritesTheNearestCubeIndex) {
  ifsGuiFractal fractal;
  MakeSinglePixel(fractal, ifsColourSystem::Solid);
  fractal.SetColour(255, 128, 0);
  fractal.SetPaletteBase(10);
  ifsMemorySurface surface(200, 100, ifsPixelFormat::Indexed8);
  surface.SetCubePalette(10);
  fractal.Prepare(surface, 200, 100, 0, 0);
  fractal.DrawStep(surface);
  EXPECT_EQ(10 + 36 * 5 + 6 * 3 + 0, surface.ReadIndex(100, 50));
  EXPECT_EQ(MakeColourRef(255, 153, 0), surface.ReadColour(100, 50));
}

TEST(Drawing, OffsetsShiftTheArea) {
  ifsGuiFractal fractal;
  MakeSinglePixel(fractal, ifsColourSystem::Solid);
  ifsMemorySurface surface(300, 200);
  fractal.Prepare(surface, 200, 100, 30, 40);
  fractal.DrawStep(surface);
  EXPECT_EQ(MakeColourRef(255, 255, 255), surface.ReadColour(130, 90));
  const ifsPixelRect dirty = surface.Dirty();
  EXPECT_EQ(130, dirty.left);
  EXPECT_EQ(91, dirty.bottom);
}

struct Picture {
  int lit = 0;
  int outside = 0; // lit pixels outside the gasket's triangle (with a margin)
  long brightness = 0;
  std::set<std::uint32_t> colours;
};

// The gasket with pure red, green and blue rules that blend fully.
void AddColouredGasket(ifsGuiFractal &fractal) {
  const double e[3] = {0, 0.5, 0.25}, f[3] = {0, 0, 0.5};
  const ifsColour pure[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  for (int i = 0; i < 3; ++i) {
    ifsRule rule = LinearRule(0.5, 0, 0, 0.5, e[i], f[i]);
    rule.SetColour(pure[i].red, pure[i].green, pure[i].blue, 1.0);
    fractal.AddRule(rule);
  }
}

// The gasket with corners (0, 0), (1, 0), (0.5, 1), drawn into `surface`.
Picture DrawGasket(ifsColourSystem system, int steps, ifsMemorySurface &surface) {
  SeedRandom(321);
  ifsGuiFractal fractal;
  fractal.Reset(surface.Width(), surface.Height());
  if (system == ifsColourSystem::Shaded)
    AddColouredGasket(fractal);
  else
    AddGasket(fractal);
  fractal.SetColourSystem(system);
  fractal.SetColour(250, 200, 100);
  fractal.SetSpectrum(30, 120, 240, 4);
  fractal.ComputeBounds(10000, AspectRatio(surface, surface.Width(), surface.Height()));
  fractal.Prepare(surface, surface.Width(), surface.Height(), 0, 0);
  for (int i = 0; i < steps; ++i)
    fractal.DrawStep(surface);
  const ifsPixel a = fractal.ToPixel({0, 0}), b = fractal.ToPixel({1, 0}),
                 apex = fractal.ToPixel({0.5, 1});
  Picture picture;
  for (int y = 0; y < surface.Height(); ++y)
    for (int x = 0; x < surface.Width(); ++x) {
      const std::uint32_t colour = surface.ReadColour(x, y);
      if (colour == 0)
        continue;
      ++picture.lit;
      picture.brightness += (colour & 0xff) + (colour >> 8 & 0xff) + (colour >> 16 & 0xff);
      picture.colours.insert(colour);
      // Inside the triangle: below the apex, above the base, between the sides.
      const double t = static_cast<double>(a.y - y) / (a.y - apex.y);
      const double left = a.x + t * (apex.x - a.x), right = b.x + t * (apex.x - b.x);
      if (y > a.y + 1 || y < apex.y - 1 || x < left - 2 || x > right + 2)
        ++picture.outside;
    }
  return picture;
}

TEST(Drawing, EveryColourSystemDrawsTheGasketInsideItsView) {
  for (ifsColourSystem system : {ifsColourSystem::Solid, ifsColourSystem::Shaded,
                                 ifsColourSystem::Intensity, ifsColourSystem::Spectrum}) {
    ifsMemorySurface surface(320, 200);
    const Picture picture = DrawGasket(system, 200, surface);
    EXPECT_GT(picture.lit, 3000) << static_cast<int>(system);
    EXPECT_EQ(0, picture.outside) << static_cast<int>(system);
    switch (system) {
    case ifsColourSystem::Solid:
      EXPECT_EQ(1u, picture.colours.size());
      EXPECT_EQ(MakeColourRef(250, 200, 100), *picture.colours.begin());
      break;
    case ifsColourSystem::Shaded:
      // Blend 1: each pixel has the colour of the last rule applied.
      EXPECT_EQ((std::set<std::uint32_t>{0x0000ff, 0x00ff00, 0xff0000}), picture.colours);
      break;
    default:
      EXPECT_GT(picture.colours.size(), 5u);
    }
  }
}

TEST(Drawing, IntensityBrightensWithHits) {
  long previous = 0;
  for (int steps : {20, 80, 320}) {
    ifsMemorySurface surface(320, 200);
    const Picture picture = DrawGasket(ifsColourSystem::Intensity, steps, surface);
    EXPECT_GT(picture.brightness, previous) << steps;
    previous = picture.brightness;
  }
}

TEST(GuiFractalCopies, TakeTheDrawingStateButNotTheBuffers) {
  ifsMemorySurface surface(200, 100);
  ifsGuiFractal original;
  MakeSinglePixel(original, ifsColourSystem::Spectrum);
  original.SetSpectrum(10, 120, 240, 4);
  original.Prepare(surface, 200, 100, 0, 0);
  original.DrawStep(surface);
  ASSERT_EQ(80, original.HitCount(100, 50));

  ifsGuiFractal copy(original);
  EXPECT_EQ(-1, copy.HitCount(100, 50)) << "a copy has no counters of its own yet";
  EXPECT_EQ(100, copy.PointsDrawn());
  EXPECT_EQ(original.ScaleX(), copy.ScaleX());
  EXPECT_EQ(1, copy.RuleCount());

  ifsGuiFractal sameSize;
  MakeSinglePixel(sameSize, ifsColourSystem::Spectrum);
  sameSize.Prepare(surface, 200, 100, 0, 0);
  sameSize = original;
  EXPECT_EQ(0, sameSize.HitCount(100, 50)) << "same size: its own buffers stay";

  ifsGuiFractal otherSize;
  MakeSinglePixel(otherSize, ifsColourSystem::Spectrum);
  ifsMemorySurface small(50, 50);
  otherSize.Prepare(small, 50, 50, 0, 0);
  ASSERT_EQ(0, otherSize.HitCount(25, 25));
  otherSize = original;
  EXPECT_EQ(-1, otherSize.HitCount(100, 50)) << "another size: buffers freed";
  otherSize.Prepare(surface, 200, 100, 0, 0);
  otherSize.DrawStep(surface);
  EXPECT_EQ(80, otherSize.HitCount(100, 50));
}

TEST(GuiFractalReset, KeepsBuffersOfTheSameSize) {
  ifsMemorySurface surface(200, 100);
  ifsGuiFractal fractal;
  MakeSinglePixel(fractal, ifsColourSystem::Intensity);
  fractal.SetPaletteBase(20);
  fractal.SetPointsDrawn(500);
  fractal.Prepare(surface, 200, 100, 0, 0);
  fractal.Reset(200, 100);
  EXPECT_EQ(0, fractal.HitCount(100, 50));
  EXPECT_EQ(-1, fractal.PaletteBase());
  EXPECT_EQ(0, fractal.PointsDrawn());
  EXPECT_EQ(0, fractal.RuleCount());
  fractal.Reset(201, 100);
  EXPECT_EQ(-1, fractal.HitCount(100, 50));
}

TEST(GuiFractalBuild, BuildRandomKeepsTheDrawingSize) {
  ifsGuiFractal fractal;
  fractal.Reset(640, 480);
  fractal.SetPaletteBase(10);
  fractal.BuildRandom(ifsRuleSystem::Linear, 3, 3, 0, true, ifsColourSystem::Intensity);
  EXPECT_EQ(640, fractal.Width());
  EXPECT_EQ(480, fractal.Height());
  EXPECT_EQ(-1, fractal.PaletteBase());
  EXPECT_EQ(3, fractal.RuleCount());
  EXPECT_EQ(ifsColourSystem::Intensity, fractal.ColourSystem());
}

} // namespace
