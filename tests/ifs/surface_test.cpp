#include "ifs/memsurface.h"

#include <gtest/gtest.h>

namespace {

TEST(MemorySurface, PixelsKeepBitmapLayout) {
  ifsMemorySurface rgb(5, 3);
  EXPECT_EQ(20, rgb.Stride());
  rgb.WriteColour(1, 2, MakeColourRef(10, 20, 30));
  const std::uint8_t *row = rgb.Row(2);
  EXPECT_EQ(30, row[4]); // blue first, as a bitmap stores it
  EXPECT_EQ(10, row[6]);
  EXPECT_EQ(MakeColourRef(10, 20, 30), rgb.ReadColour(1, 2));

  ifsMemorySurface indexed(5, 2, ifsPixelFormat::Indexed8);
  EXPECT_EQ(8, indexed.Stride()) << "rows padded to four bytes";
  indexed.SetCubePalette(20);
  indexed.WriteRgb(4, 1, 250, 140, 10);
  EXPECT_EQ(20 + 36 * 5 + 6 * 3, indexed.Row(1)[4]) << "nearest palette entry";
  rgb.SetCubePalette(20);
  rgb.WriteIndex(0, 0, 20 + 215);
  EXPECT_EQ(MakeColourRef(255, 255, 255), rgb.ReadColour(0, 0)) << "index resolved to colour";
}

TEST(MemorySurface, IgnoresWritesOffTheSurface) {
  ifsMemorySurface surface(100, 50);
  for (int v : {-1, 100, 1 << 30, -(1 << 30)}) {
    surface.WriteRgb(v, 1, 255, 255, 255);
    surface.WriteRgb(1, v, 255, 255, 255);
  }
  surface.WriteIndex(1, 1, 256);
  EXPECT_TRUE(surface.Dirty().IsEmpty());
}

} // namespace
