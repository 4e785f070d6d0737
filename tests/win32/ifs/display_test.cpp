#include "ifs/win32/display.h"

#include "ifs/colour.h"
#include "tests/win32/support/testwindow.h"

#include <gtest/gtest.h>

namespace {

TEST(Display, AspectRatioFollowsTheDevicePixels) {
  TestWindow &window = SharedTestWindow();
  HDC dc = GetDC(window.Handle());
  const double pixelAspect =
      static_cast<double>(GetDeviceCaps(dc, LOGPIXELSY)) / GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(window.Handle(), dc);
  EXPECT_DOUBLE_EQ(2.0 * pixelAspect, AspectRatio(window.Handle(), 200, 100));
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL) == 8, UsesPalette(screen));
  ReleaseDC(nullptr, screen);
}

TEST(Display, CubePaletteFollowsTheReservedColours) {
  HDC screen = GetDC(nullptr);
  int reserved = -1;
  HPALETTE palette = CreateCubePalette(screen, &reserved);
  ASSERT_NE(nullptr, palette);
  EXPECT_EQ(GetDeviceCaps(screen, NUMRESERVED), reserved);
  PALETTEENTRY system[40] = {};
  const UINT systemCount = GetSystemPaletteEntries(screen, 0, reserved, system);
  ReleaseDC(nullptr, screen);
  PALETTEENTRY entries[256] = {};
  ASSERT_EQ(static_cast<UINT>(reserved + kCubeSize), GetPaletteEntries(palette, 0, 256, entries));
  for (UINT i = 0; i < systemCount; ++i)
    EXPECT_EQ(system[i].peGreen, entries[i].peGreen) << i;
  for (int offset = 0; offset < kCubeSize; ++offset) {
    const PALETTEENTRY &entry = entries[reserved + offset];
    // Red varies slowest, blue fastest, in steps of 51.
    EXPECT_EQ(51 * (offset / 36), entry.peRed) << offset;
    EXPECT_EQ(51 * (offset / 6 % 6), entry.peGreen) << offset;
    EXPECT_EQ(51 * (offset % 6), entry.peBlue) << offset;
    EXPECT_EQ(PC_NOCOLLAPSE, entry.peFlags) << offset;
  }
  DeleteObject(palette);
}

} // namespace
