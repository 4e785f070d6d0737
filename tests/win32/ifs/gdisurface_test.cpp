#include "ifs/win32/gdisurface.h"

#include "foundation/random.h"
#include "foundation/win32/scopedwin.h"
#include "ifs/guifractal.h"
#include "ifs/win32/display.h"
#include "tests/ifs/support/testfractals.h"
#include "tests/win32/support/testwindow.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = kTestWindowWidth;
constexpr int kHeight = kTestWindowHeight;

bool OnPaletteDisplay(TestWindow &window) {
  HDC dc = GetDC(window.Handle());
  const bool palette = UsesPalette(dc);
  ReleaseDC(window.Handle(), dc);
  return palette;
}

void DrawGasket(ifsGdiSurface &surface, ifsColourSystem system, int paletteBase = -1) {
  SeedRandom(55);
  ifsGuiFractal fractal;
  fractal.Reset(kWidth, kHeight);
  AddGasket(fractal);
  fractal.SetColourSystem(system);
  fractal.SetColour(250, 180, 60);
  fractal.SetPaletteBase(paletteBase);
  fractal.ComputeBounds(10000, AspectRatio(surface, kWidth, kHeight));
  fractal.Prepare(surface, kWidth, kHeight, 0, 0);
  for (int i = 0; i < 150; ++i)
    fractal.DrawStep(surface);
}

// Compares the window with the backing store, colour for colour as the
// device shows them through `palette`; returns how many pixels are lit.
int ExpectWindowShowsSurface(TestWindow &window, const ifsGdiSurface &surface,
                             HPALETTE palette = nullptr) {
  WindowDC windowDc(window.Handle());
  const HDC dc = windowDc.Get();
  SelectedPalette selected(dc, palette);
  int lit = 0, mismatches = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const COLORREF drawn = GetNearestColor(dc, surface.ReadColour(x, y));
      lit += drawn != 0;
      const COLORREF shown = GetPixel(dc, x, y);
      if (shown != drawn && ++mismatches <= 3)
        ADD_FAILURE() << "pixel " << x << ", " << y << ": shown " << std::hex << shown << ", drawn "
                      << drawn;
    }
  EXPECT_EQ(0, mismatches);
  return lit;
}

TEST(GdiSurface, PresentAndPaintShowExactlyWhatWasDrawn) {
  TestWindow &window = SharedTestWindow();
  if (OnPaletteDisplay(window))
    GTEST_SKIP() << "true colours need a true-colour display";
  for (int system = 0; system < kColourSystemCount; ++system) {
    ifsGdiSurface surface;
    ASSERT_TRUE(surface.Create(window.Handle(), kWidth, kHeight).Succeeded());
    ASSERT_EQ(ifsPixelFormat::Rgb32, surface.Format());
    DrawGasket(surface, static_cast<ifsColourSystem>(system));
    surface.Present();
    EXPECT_TRUE(surface.Dirty().IsEmpty());
    EXPECT_GT(ExpectWindowShowsSurface(window, surface), 2000) << system;
  }
  // Erased to the black background, WM_PAINT copies the store back.
  ifsGdiSurface surface;
  ASSERT_TRUE(surface.Create(window.Handle(), kWidth, kHeight).Succeeded());
  window.SetPaintSource(&surface);
  DrawGasket(surface, ifsColourSystem::Intensity);
  window.Repaint();
  EXPECT_GT(ExpectWindowShowsSurface(window, surface), 2000);
  surface.Clear();
  window.Repaint();
  EXPECT_EQ(0, ExpectWindowShowsSurface(window, surface)) << "a cleared store paints black";
  window.SetPaintSource(nullptr);
}

TEST(GdiSurface, BatchesArePresentedOnceAFrameHasPassed) {
  TestWindow &window = SharedTestWindow();
  ifsGdiSurface surface;
  ASSERT_TRUE(surface.Create(window.Handle(), kWidth, kHeight).Succeeded());
  surface.Present();
  surface.WriteRgb(6, 6, 255, 255, 255);
  surface.EndBatch(); // within the frame of the last presentation: usually held back
  Sleep(40);
  surface.EndBatch();
  EXPECT_TRUE(surface.Dirty().IsEmpty());
  HDC dc = GetDC(window.Handle());
  EXPECT_EQ(GetNearestColor(dc, RGB(255, 255, 255)), GetPixel(dc, 6, 6));
  ReleaseDC(window.Handle(), dc);
  EXPECT_TRUE(ifsGdiSurface().Create(window.Handle(), 0, kHeight).Failed());
}

// Runs only on a 256-colour display (an 8-bit virtual screen, for instance).
TEST(GdiSurface, PaletteDisplayDrawsPaletteIndexes) {
  TestWindow &window = SharedTestWindow();
  if (!OnPaletteDisplay(window))
    GTEST_SKIP() << "not a palette display";
  int reserved = -1;
  HPALETTE palette = nullptr;
  {
    WindowDC dc(window.Handle());
    palette = CreateCubePalette(dc.Get(), &reserved);
    SelectedPalette selected(dc.Get(), palette);
    RealizePalette(dc.Get());
  }
  {
    ifsGdiSurface surface;
    ASSERT_TRUE(surface.Create(window.Handle(), kWidth, kHeight, palette).Succeeded());
    ASSERT_EQ(ifsPixelFormat::Indexed8, surface.Format());
    DrawGasket(surface, ifsColourSystem::Solid, reserved);
    surface.Present();
    const int cubeEntry = reserved + CubeIndex(250, 180, 60);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        if (surface.ReadIndex(x, y) != 0) {
          ASSERT_EQ(cubeEntry, surface.ReadIndex(x, y));
        }
    EXPECT_GT(ExpectWindowShowsSurface(window, surface, palette), 2000);
  }
  DeleteObject(palette);
}

} // namespace
