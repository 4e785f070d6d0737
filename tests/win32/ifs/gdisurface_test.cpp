#include "ifs/win32/gdisurface.h"

#include "foundation/random.h"
#include "ifs/guifractal.h"
#include "ifs/win32/display.h"
#include "tests/ifs/support/testfractals.h"
#include "tests/win32/ifs/support/testwindow.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = kTestWindowWidth;
constexpr int kHeight = kTestWindowHeight;

// Draws the gasket with `system` onto the surface, `steps` batches.
void DrawGasket(ifsGdiSurface &surface, ifsColourSystem system, int steps) {
  SeedRandom(55);
  ifsGuiFractal fractal;
  fractal.Reset(kWidth, kHeight);
  AddGasket(fractal);
  fractal.SetColourSystem(system);
  fractal.SetColour(250, 180, 60);
  fractal.SetSpectrum(40, 120, 240, -4);
  fractal.ComputeBounds(10000, AspectRatio(surface, kWidth, kHeight));
  fractal.Prepare(surface, kWidth, kHeight, 0, 0);
  for (int i = 0; i < steps; ++i)
    fractal.DrawStep(surface);
}

// Exact colours need a true-colour display; a palette display quantises them.
bool OnTrueColourDisplay(TestWindow &window) {
  HDC dc = GetDC(window.Handle());
  const bool trueColour = !UsesPalette(dc);
  ReleaseDC(window.Handle(), dc);
  return trueColour;
}

// Every pixel the window shows equals the backing store's; returns how many
// are lit.
int ExpectWindowShowsSurface(TestWindow &window, const ifsGdiSurface &surface) {
  int lit = 0, mismatches = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const COLORREF expected = surface.ReadColour(x, y);
      lit += expected != 0;
      if (window.ShownPixel(x, y) != expected && ++mismatches <= 5)
        ADD_FAILURE() << "pixel " << x << ", " << y << ": shown " << std::hex
                      << window.ShownPixel(x, y) << ", drawn " << expected;
    }
  EXPECT_EQ(0, mismatches);
  return lit;
}

TEST(GdiSurface, PresentShowsExactlyWhatWasDrawn) {
  TestWindow &window = SharedTestWindow();
  if (!OnTrueColourDisplay(window))
    GTEST_SKIP() << "a palette display";
  for (ifsColourSystem system : {ifsColourSystem::Solid, ifsColourSystem::Shaded,
                                 ifsColourSystem::Intensity, ifsColourSystem::Spectrum}) {
    ifsGdiSurface surface;
    ASSERT_TRUE(surface.Create(window.Handle(), kWidth, kHeight).Succeeded());
    EXPECT_EQ(ifsPixelFormat::Rgb32, surface.Format());
    DrawGasket(surface, system, 150);
    surface.Present();
    EXPECT_TRUE(surface.Dirty().IsEmpty());
    EXPECT_GT(ExpectWindowShowsSurface(window, surface), 2000) << static_cast<int>(system);
  }
}

TEST(GdiSurface, PaintRestoresTheBackingStore) {
  TestWindow &window = SharedTestWindow();
  if (!OnTrueColourDisplay(window))
    GTEST_SKIP() << "a palette display";
  ifsGdiSurface surface;
  ASSERT_TRUE(surface.Create(window.Handle(), kWidth, kHeight).Succeeded());
  window.SetPaintSource(&surface);
  DrawGasket(surface, ifsColourSystem::Intensity, 100);
  surface.Present();
  // Erase to the black background, then let WM_PAINT copy the store back.
  InvalidateRect(window.Handle(), nullptr, TRUE);
  UpdateWindow(window.Handle());
  window.Pump();
  EXPECT_GT(ExpectWindowShowsSurface(window, surface), 2000);

  surface.Clear();
  InvalidateRect(window.Handle(), nullptr, TRUE);
  UpdateWindow(window.Handle());
  window.Pump();
  EXPECT_EQ(0, ExpectWindowShowsSurface(window, surface)) << "a cleared store paints black";
  window.SetPaintSource(nullptr);
}

TEST(GdiSurface, BatchesArePresentedAtMostOnceAFrame) {
  TestWindow &window = SharedTestWindow();
  if (!OnTrueColourDisplay(window))
    GTEST_SKIP() << "a palette display";
  ifsGdiSurface surface;
  ASSERT_TRUE(surface.Create(window.Handle(), kWidth, kHeight).Succeeded());
  surface.Present();
  surface.WriteRgb(5, 5, 255, 255, 255);
  surface.EndBatch();
  surface.WriteRgb(6, 6, 255, 255, 255);
  surface.EndBatch();
  // Both batches came within one frame of the presentation, unless the
  // machine stalled; either way the dirty area is what is left to show.
  const bool heldBack = !surface.Dirty().IsEmpty();
  Sleep(40);
  surface.EndBatch();
  EXPECT_TRUE(surface.Dirty().IsEmpty()) << "a frame later the batch is shown";
  EXPECT_EQ(RGB(255, 255, 255), window.ShownPixel(6, 6));
  if (!heldBack)
    GTEST_LOG_(INFO) << "the first batches were not held back (slow machine)";
}

TEST(GdiSurface, PaletteOnATrueColourDisplayStaysTrueColour) {
  TestWindow &window = SharedTestWindow();
  if (!OnTrueColourDisplay(window))
    GTEST_SKIP() << "a palette display";
  HDC dc = GetDC(window.Handle());
  int reserved = -1;
  HPALETTE palette = CreateCubePalette(dc, &reserved);
  ReleaseDC(window.Handle(), dc);
  ASSERT_NE(nullptr, palette);
  ifsGdiSurface surface;
  ASSERT_TRUE(surface.Create(window.Handle(), kWidth, kHeight, palette).Succeeded());
  EXPECT_EQ(ifsPixelFormat::Rgb32, surface.Format());
  EXPECT_FALSE(surface.UsesPalette());
  surface.Destroy();
  DeleteObject(palette);
}

// Runs only on a 256-colour display (for instance an 8-bit virtual screen).
TEST(GdiSurface, PaletteDisplayDrawsPaletteIndexes) {
  TestWindow &window = SharedTestWindow();
  HDC dc = GetDC(window.Handle());
  if (!UsesPalette(dc)) {
    ReleaseDC(window.Handle(), dc);
    GTEST_SKIP() << "not a palette display";
  }
  int reserved = -1;
  HPALETTE palette = CreateCubePalette(dc, &reserved);
  HPALETTE previous = SelectPalette(dc, palette, FALSE);
  RealizePalette(dc);
  SelectPalette(dc, previous, FALSE);
  ReleaseDC(window.Handle(), dc);

  ifsGdiSurface surface;
  ASSERT_TRUE(surface.Create(window.Handle(), kWidth, kHeight, palette).Succeeded());
  ASSERT_EQ(ifsPixelFormat::Indexed8, surface.Format());
  SeedRandom(55);
  ifsGuiFractal fractal;
  fractal.Reset(kWidth, kHeight);
  AddGasket(fractal);
  fractal.SetColour(255, 128, 0);
  fractal.SetPaletteBase(reserved);
  fractal.ComputeBounds(10000, AspectRatio(surface, kWidth, kHeight));
  fractal.Prepare(surface, kWidth, kHeight, 0, 0);
  for (int i = 0; i < 100; ++i)
    fractal.DrawStep(surface);
  surface.Present();
  int lit = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (surface.ReadIndex(x, y) != 0) {
        ++lit;
        EXPECT_EQ(reserved + CubeIndex(255, 128, 0), surface.ReadIndex(x, y));
      }
  EXPECT_GT(lit, 2000);
  // The device shows a palette colour as closely as its hardware can.
  dc = GetDC(window.Handle());
  previous = SelectPalette(dc, palette, FALSE);
  const COLORREF shown = GetNearestColor(dc, RGB(255, 153, 0));
  int mismatches = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (surface.ReadIndex(x, y) != 0)
        mismatches += GetPixel(dc, x, y) != shown;
  SelectPalette(dc, previous, FALSE);
  ReleaseDC(window.Handle(), dc);
  EXPECT_EQ(0, mismatches);
  surface.Destroy();
  DeleteObject(palette);
}

TEST(GdiSurface, CreateRejectsAnEmptyArea) {
  TestWindow &window = SharedTestWindow();
  ifsGdiSurface surface;
  EXPECT_TRUE(surface.Create(window.Handle(), 0, kHeight).Failed());
  EXPECT_FALSE(surface.IsCreated());
  surface.Present(); // harmless without a store
  surface.EndBatch();
}

} // namespace
