#include "ifs/memsurface.h"

#include <gtest/gtest.h>

#include <vector>

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

// A surface without a raster that keeps what it is handed to draw.
class PlottingSurface : public ifsSurface {
public:
  PlottingSurface(int width, int height, ifsPixelFormat format) {
    AttachPlots(plots_, kCapacity, width, height, format);
    SetCubePalette(20);
  }
  void EndBatch() override { FlushPlots(); }
  int Pending() const { return PlotCount(); }
  std::vector<ifsPlot> drawn;
  int flushes = 0;

protected:
  void FlushPlots() override {
    ++flushes;
    drawn.insert(drawn.end(), Plots(), Plots() + PlotCount());
    ClearPlots();
  }

private:
  static constexpr int kCapacity = 3;
  ifsPlot plots_[kCapacity] = {};
};

bool SamePlots(const std::vector<ifsPlot> &got, const std::vector<ifsPlot> &want) {
  if (got.size() != want.size())
    return false;
  for (std::size_t i = 0; i < got.size(); ++i)
    if (got[i].x != want[i].x || got[i].y != want[i].y || got[i].value != want[i].value)
      return false;
  return true;
}

TEST(PlottingSurface, WritesBecomePlotsInOrderAndOverflowFlushes) {
  const std::uint32_t kWhite = 0xFFFFFF;
  const struct {
    ifsPixelFormat format;
    std::uint32_t rgbValue;   // of WriteRgb(250, 140, 10)
    std::uint32_t indexValue; // of WriteIndex(20 + 215)
  } kCases[] = {{ifsPixelFormat::Rgb32, 0xFA8C0A, kWhite},
                {ifsPixelFormat::Indexed8, 20 + 36 * 5 + 6 * 3, 20 + 215}};
  for (const auto &c : kCases) {
    PlottingSurface surface(100, 50, c.format);
    EXPECT_FALSE(surface.HasRaster());
    {
      ifsSurfaceBatch batch(surface);
      batch.Prefetch(3, 4);
      batch.PutRgb(3, 4, 250, 140, 10);
      batch.PutIndex(99, 49, 20 + 215);
      batch.PutIndex(5, 5, 256); // outside the palette
    }
    surface.WriteRgb(-1, 0, 1, 2, 3); // off the surface
    surface.WriteIndex(0, 0, 20 + 215);
    surface.WriteRgb(7, 8, 250, 140, 10); // the list is full: the first three go
    EXPECT_EQ(surface.flushes, 1);
    EXPECT_EQ(surface.Pending(), 1);
    surface.EndBatch();
    EXPECT_TRUE(SamePlots(
        surface.drawn,
        {{3, 4, c.rgbValue}, {99, 49, c.indexValue}, {0, 0, c.indexValue}, {7, 8, c.rgbValue}}));
    const ifsPixelRect dirty = surface.Dirty();
    EXPECT_EQ(dirty.left, 0);
    EXPECT_EQ(dirty.right, 100);
    EXPECT_EQ(dirty.bottom, 50);
    EXPECT_EQ(surface.ReadColour(3, 4), 0u) << "no picture to read back";
  }
}

TEST(PlottingSurface, ClearDropsWhatIsNotYetDrawn) {
  PlottingSurface surface(10, 10, ifsPixelFormat::Rgb32);
  surface.WriteRgb(1, 1, 9, 9, 9);
  surface.Clear();
  surface.EndBatch();
  EXPECT_TRUE(surface.drawn.empty());
  EXPECT_EQ(surface.Dirty().right, 10);
}

} // namespace
