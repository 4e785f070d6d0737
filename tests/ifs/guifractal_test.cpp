#include "ifs/guifractal.h"

#include "foundation/random.h"
#include "ifs/memsurface.h"
#include "tests/ifs/support/testfractals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

std::uint32_t ColourRef(const ifsRgb &rgb) { return MakeColourRef(rgb.red, rgb.green, rgb.blue); }

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
  EXPECT_EQ(100, fractal.ToPixel({0, 0}).x);
  EXPECT_EQ(50, fractal.ToPixel({0, 0}).y);
  EXPECT_EQ(150, fractal.ToPixel({1, 1}).x);
  EXPECT_EQ(0, fractal.ToPixel({1, 1}).y);
  EXPECT_EQ(49, fractal.ToPixel({-1.02, 0}).x) << "rounds down, left of the centre too";

  ifsMemorySurface tallPixels(200, 100, ifsPixelFormat::Rgb32, 96, 120);
  fractal.Prepare(tallPixels, 200, 100, 0, 0);
  EXPECT_DOUBLE_EQ(fractal.ScaleY() * 0.8, fractal.ScaleX());
}

TEST(IntensityHits, CounterClimbsToFullColourAndMaximaLastTheGroup) {
  ifsGuiFractal fractal;
  ifsMemorySurface surface(200, 100);
  MakeSinglePixel(fractal, ifsColourSystem::Intensity);
  fractal.SetColour(0, 200, 100);
  fractal.Prepare(surface, 200, 100, 0, 0);
  fractal.DrawStep(surface);
  // 1 hit gives 32, 24 more of +4 reach 128, 32 of +2 reach 192, then +1.
  EXPECT_EQ(192 + 43, fractal.HitCount(100, 50));
  const double level = 235 / 255.0;
  EXPECT_EQ(MakeColourRef(0, static_cast<int>(std::floor(level * 200 + 0.5)),
                          static_cast<int>(std::floor(level * 100 + 0.5))),
            surface.ReadColour(100, 50));
  fractal.DrawStep(surface);
  EXPECT_EQ(255, fractal.HitCount(100, 50));
  EXPECT_EQ(MakeColourRef(0, 200, 100), surface.ReadColour(100, 50));

  // The next fractal of the group, dim red: green and blue keep their maxima.
  MakeSinglePixel(fractal, ifsColourSystem::Intensity);
  fractal.SetColour(100, 0, 0);
  fractal.Prepare(surface, 200, 100, 0, 0);
  EXPECT_EQ(0, fractal.HitCount(100, 50)) << "counters start afresh";
  fractal.DrawStep(surface);
  fractal.DrawStep(surface);
  EXPECT_EQ(MakeColourRef(100, 200, 100), surface.ReadColour(100, 50));
  fractal.ClearIntensity();
  fractal.Prepare(surface, 200, 100, 0, 0);
  fractal.DrawStep(surface);
  fractal.DrawStep(surface);
  EXPECT_EQ(MakeColourRef(100, 0, 0), surface.ReadColour(100, 50)) << "a new group";
}

TEST(SpectrumHits, EachHitStepsTheHue) {
  for (int step : {-4, 4}) {
    SeedRandom(13);
    ifsGuiFractal fractal;
    fractal.Reset(400, 400);
    AddDiagonal(fractal); // drawn large: pixels are hit a few times each
    fractal.SetColourSystem(ifsColourSystem::Spectrum);
    fractal.SetSpectrum(100, 120, 240, step);
    fractal.ComputeBounds(1000, 1.0);
    ifsMemorySurface surface(400, 400);
    fractal.Prepare(surface, 400, 400, 0, 0);
    // The counters of all hit pixels; each pixel shows its counter's hue.
    auto drawAndCollect = [&](int steps) {
      std::set<int> seen;
      for (int i = 0; i < steps; ++i)
        fractal.DrawStep(surface);
      for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x) {
          const int c = fractal.HitCount(x, y);
          if (c == 0)
            continue;
          seen.insert(c);
          const ifsColour hue = HlsToRgb(((100 + c) % 240) / 240.0, 0.5, 1.0);
          EXPECT_EQ(ColourRef(ToRgb(hue)), surface.ReadColour(x, y)) << c;
        }
      return seen;
    };
    const std::set<int> early = drawAndCollect(1), late = drawAndCollect(200);
    if (step < 0) {
      EXPECT_EQ(236, *early.rbegin()) << "a first hit shows 236, never 240";
      EXPECT_EQ(160, *late.begin()) << "after 20 hits the hue stays";
    } else {
      EXPECT_EQ(4, *early.begin());
      EXPECT_EQ(80, *late.rbegin());
    }
  }
}

TEST(Drawing, PaletteBaseWritesTheNearestCubeIndexAtTheOffset) {
  ifsGuiFractal fractal;
  MakeSinglePixel(fractal, ifsColourSystem::Solid);
  fractal.SetColour(255, 128, 0);
  fractal.SetPaletteBase(10);
  ifsMemorySurface surface(300, 200, ifsPixelFormat::Indexed8);
  fractal.Prepare(surface, 200, 100, 30, 40);
  fractal.DrawStep(surface);
  EXPECT_EQ(10 + 36 * 5 + 6 * 3 + 0, surface.ReadIndex(130, 90));
  EXPECT_EQ(130, surface.Dirty().left);
  EXPECT_EQ(91, surface.Dirty().bottom);
}

// The gasket with corners (0, 0), (1, 0), (0.5, 1), its rules pure red,
// green and blue that blend fully (only Shaded looks at them).
void AddColouredGasket(ifsFractal &fractal) {
  ifsFractal plain;
  AddGasket(plain);
  const ifsColour pure[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  for (int i = 0; i < 3; ++i) {
    ifsRule rule = plain.Rule(i);
    rule.SetColour(pure[i].red, pure[i].green, pure[i].blue, 1.0);
    fractal.AddRule(rule);
  }
}

TEST(Drawing, PointCountStopsAtTheLargestTargetInsteadOfWrapping) {
  ifsMemorySurface surface(200, 100);
  ifsGuiFractal fractal;
  MakeSinglePixel(fractal, ifsColourSystem::Solid);
  fractal.Prepare(surface, 200, 100, 0, 0);
  fractal.SetPointsDrawn(INT32_MAX - 150);
  fractal.DrawStep(surface);
  EXPECT_EQ(INT32_MAX - 50, fractal.PointsDrawn());
  fractal.DrawStep(surface);
  EXPECT_EQ(INT32_MAX, fractal.PointsDrawn());
  fractal.DrawStep(surface);
  EXPECT_EQ(INT32_MAX, fractal.PointsDrawn());
}

TEST(Drawing, EveryColourSystemDrawsTheGasketInsideItsView) {
  for (int system = 0; system < kColourSystemCount; ++system) {
    SeedRandom(321);
    ifsMemorySurface surface(320, 200);
    ifsGuiFractal fractal;
    fractal.Reset(320, 200);
    AddColouredGasket(fractal);
    fractal.SetColourSystem(static_cast<ifsColourSystem>(system));
    fractal.SetColour(250, 200, 100);
    fractal.SetSpectrum(30, 120, 240, 4);
    fractal.ComputeBounds(10000, AspectRatio(surface, 320, 200));
    fractal.Prepare(surface, 320, 200, 0, 0);
    for (int i = 0; i < 200; ++i)
      fractal.DrawStep(surface);
    const ifsPixel a = fractal.ToPixel({0, 0}), b = fractal.ToPixel({1, 0}),
                   apex = fractal.ToPixel({0.5, 1});
    int lit = 0, outside = 0;
    std::set<std::uint32_t> colours;
    for (int y = 0; y < 200; ++y)
      for (int x = 0; x < 320; ++x) {
        const std::uint32_t colour = surface.ReadColour(x, y);
        if (colour == 0)
          continue;
        ++lit;
        colours.insert(colour);
        const double t = static_cast<double>(a.y - y) / (a.y - apex.y);
        const double left = a.x + t * (apex.x - a.x), right = b.x + t * (apex.x - b.x);
        outside += y > a.y + 1 || y < apex.y - 1 || x < left - 2 || x > right + 2;
      }
    EXPECT_GT(lit, 3000) << system;
    EXPECT_EQ(0, outside) << system;
    if (system == static_cast<int>(ifsColourSystem::Solid))
      EXPECT_EQ(std::set<std::uint32_t>{MakeColourRef(250, 200, 100)}, colours);
    else if (system == static_cast<int>(ifsColourSystem::Shaded))
      EXPECT_EQ((std::set<std::uint32_t>{0x0000ff, 0x00ff00, 0xff0000}), colours);
    else
      EXPECT_GT(colours.size(), 5u) << system;
  }
}

TEST(GuiFractalCopies, KeepTheirOwnBuffersOfTheSameSize) {
  ifsMemorySurface surface(200, 100), small(50, 50);
  ifsGuiFractal original, sameSize, otherSize;
  for (ifsGuiFractal *fractal : {&original, &sameSize, &otherSize})
    MakeSinglePixel(*fractal, ifsColourSystem::Spectrum);
  original.Prepare(surface, 200, 100, 0, 0);
  original.DrawStep(surface);
  sameSize.Prepare(surface, 200, 100, 0, 0);
  otherSize.Prepare(small, 50, 50, 0, 0);
  sameSize = original;
  otherSize = original;
  EXPECT_EQ(0, sameSize.HitCount(100, 50)) << "same size: its own counters stay";
  EXPECT_EQ(-1, otherSize.HitCount(100, 50)) << "another size: freed until Prepare";
  EXPECT_EQ(-1, ifsGuiFractal(original).HitCount(100, 50));
  EXPECT_EQ(original.ScaleX(), otherSize.ScaleX());
  EXPECT_EQ(100, otherSize.PointsDrawn());
  sameSize.Reset(200, 100);
  EXPECT_EQ(0, sameSize.HitCount(100, 50)) << "kept through a reset";
}

} // namespace
