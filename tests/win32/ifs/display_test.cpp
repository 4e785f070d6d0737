#include "ifs/win32/display.h"

#include "ifs/colour.h"
#include "tests/win32/ifs/support/testwindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Display, AspectRatioFollowsTheDevicePixels) {
  TestWindow &window = SharedTestWindow();
  HDC dc = GetDC(window.Handle());
  const double pixelAspect =
      static_cast<double>(GetDeviceCaps(dc, LOGPIXELSY)) / GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(window.Handle(), dc);
  EXPECT_DOUBLE_EQ(2.0 * pixelAspect, AspectRatio(window.Handle(), 200, 100));
  EXPECT_DOUBLE_EQ(0.5 * pixelAspect, AspectRatio(window.Handle(), 50, 100));
}

TEST(Display, OnlyAn8BitDisplayUsesThePalette) {
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL) == 8, UsesPalette(screen));
  ReleaseDC(nullptr, screen);
}

TEST(Display, CubePaletteFollowsTheReservedColours) {
  HDC screen = GetDC(nullptr);
  int reserved = -1;
  HPALETTE palette = CreateCubePalette(screen, &reserved);
  ASSERT_NE(nullptr, palette);
  const int deviceReserved = GetDeviceCaps(screen, NUMRESERVED);
  EXPECT_EQ(deviceReserved < 0 ? 0 : deviceReserved > 40 ? 40 : deviceReserved, reserved);
  std::vector<PALETTEENTRY> system(reserved > 0 ? reserved : 1);
  const UINT systemCount = GetSystemPaletteEntries(screen, 0, reserved, system.data());
  ReleaseDC(nullptr, screen);

  std::vector<PALETTEENTRY> entries(256);
  ASSERT_EQ(static_cast<UINT>(reserved + kCubeSize),
            GetPaletteEntries(palette, 0, 256, entries.data()));
  for (UINT i = 0; i < systemCount && static_cast<int>(i) < reserved; ++i) {
    EXPECT_EQ(system[i].peRed, entries[i].peRed) << i;
    EXPECT_EQ(system[i].peBlue, entries[i].peBlue) << i;
  }
  for (int offset = 0; offset < kCubeSize; ++offset) {
    const PALETTEENTRY &entry = entries[reserved + offset];
    const ifsRgb cube = CubeColour(offset);
    EXPECT_EQ(cube.red, entry.peRed) << offset;
    EXPECT_EQ(cube.green, entry.peGreen) << offset;
    EXPECT_EQ(cube.blue, entry.peBlue) << offset;
    EXPECT_EQ(PC_NOCOLLAPSE, entry.peFlags) << offset;
  }
  // Red varies slowest: entry 36 past the base is (51, 0, 0).
  EXPECT_EQ(51, entries[reserved + 36].peRed);
  EXPECT_EQ(0, entries[reserved + 36].peBlue);
  DeleteObject(palette);
}

} // namespace
