#include "ifs/memsurface.h"

#include <gtest/gtest.h>

namespace {

TEST(MemorySurface, TrueColourPixelsKeepBitmapByteOrder) {
  ifsMemorySurface surface(5, 3);
  EXPECT_EQ(20, surface.Stride());
  surface.WriteColour(1, 2, MakeColourRef(10, 20, 30));
  const std::uint8_t *row = surface.Row(2);
  EXPECT_EQ(30, row[4]); // blue first, as a bitmap stores it
  EXPECT_EQ(20, row[5]);
  EXPECT_EQ(10, row[6]);
  EXPECT_EQ(0, row[7]);
  EXPECT_EQ(MakeColourRef(10, 20, 30), surface.ReadColour(1, 2));
}

TEST(MemorySurface, IndexedRowsArePaddedAndReadThroughThePalette) {
  ifsMemorySurface surface(5, 2, ifsPixelFormat::Indexed8);
  EXPECT_EQ(8, surface.Stride());
  EXPECT_TRUE(surface.UsesPalette());
  surface.SetPaletteEntry(7, 1, 2, 3);
  surface.WriteIndex(4, 1, 7);
  EXPECT_EQ(7, surface.Row(1)[4]);
  EXPECT_EQ(MakeColourRef(1, 2, 3), surface.ReadColour(4, 1));
}

TEST(MemorySurface, ColoursAndIndexesCrossFormats) {
  ifsMemorySurface indexed(4, 4, ifsPixelFormat::Indexed8);
  indexed.SetCubePalette(20);
  indexed.WriteRgb(0, 0, 250, 140, 10);
  EXPECT_EQ(20 + 36 * 5 + 6 * 3 + 0, indexed.ReadIndex(0, 0)) << "nearest palette entry";

  ifsMemorySurface trueColour(4, 4);
  trueColour.SetCubePalette(20);
  trueColour.WriteIndex(1, 1, 20 + 215);
  EXPECT_EQ(MakeColourRef(255, 255, 255), trueColour.ReadColour(1, 1));
}

TEST(MemorySurface, WritesOutsideAreIgnored) {
  ifsMemorySurface surface(4, 4);
  for (int v : {-1, 4, 1 << 30, -(1 << 30)}) {
    surface.WriteRgb(v, 1, 255, 255, 255);
    surface.WriteRgb(1, v, 255, 255, 255);
  }
  surface.WriteIndex(1, 1, 256);
  surface.WriteIndex(1, 1, -1);
  EXPECT_TRUE(surface.Dirty().IsEmpty());
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(0u, surface.ReadColour(x, y));
}

TEST(MemorySurface, DirtyRectangleCoversWhatWasWritten) {
  ifsMemorySurface surface(100, 50);
  EXPECT_TRUE(surface.Dirty().IsEmpty());
  surface.WriteRgb(10, 20, 1, 1, 1);
  surface.WriteRgb(30, 5, 1, 1, 1);
  const ifsPixelRect dirty = surface.Dirty();
  EXPECT_EQ(10, dirty.left);
  EXPECT_EQ(5, dirty.top);
  EXPECT_EQ(31, dirty.right);
  EXPECT_EQ(21, dirty.bottom);
  surface.ClearDirty();
  EXPECT_TRUE(surface.Dirty().IsEmpty());
  surface.Clear();
  EXPECT_EQ(100, surface.Dirty().right);
  EXPECT_EQ(0u, surface.ReadColour(10, 20));
}

TEST(AspectRatio, PhysicalShapeOfAnArea) {
  EXPECT_DOUBLE_EQ(2.0, AspectRatio(96, 96, 200, 100));
  EXPECT_DOUBLE_EQ(2.5, AspectRatio(96, 120, 200, 100));
  EXPECT_DOUBLE_EQ(2.0, AspectRatio(0, 120, 200, 100)) << "unknown pixels count as square";
  EXPECT_EQ(0.0, AspectRatio(96, 96, 200, 0)) << "an empty area has no shape";
}

} // namespace
