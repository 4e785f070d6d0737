#include "pallwork/shotwriter.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

// Rows are filled with their line number, so a row handed over from the wrong
// chunk position shows at once.
class NumberedLines final : public pwScanLineSource {
public:
  NumberedLines(std::int32_t stride, std::int32_t failAt) : stride_(stride), failAt_(failAt) {}
  std::int32_t Fetch(std::int32_t first, std::int32_t count, std::uint8_t *buffer) override {
    fetches.push_back({first, count});
    std::int32_t copied = 0;
    for (std::int32_t line = first; line < first + count && line != failAt_; ++line, ++copied)
      for (std::int32_t b = 0; b < stride_; ++b)
        buffer[copied * stride_ + b] = static_cast<std::uint8_t>(line);
    return copied;
  }
  std::vector<std::pair<std::int32_t, std::int32_t>> fetches;

private:
  std::int32_t stride_;
  std::int32_t failAt_;
};

class RecordingImage final : public ImageFileBase {
public:
  RecordingImage() : ImageFileBase(sink_) {}
  Error Width(std::int32_t &) const override { return Error(); }
  Error Height(std::int32_t &) const override { return Error(); }
  Error Colours(std::int32_t &) const override { return Error(); }
  Error ReadInfo() override { return Error(); }
  Error ReadRow(std::uint8_t *) override { return Error(); }
  Error Initialize(std::int32_t, std::int32_t, bool, std::int32_t bits, bool,
                   const std::uint8_t *palette) override {
    colours = bits;
    hadPalette = palette != nullptr;
    return Error();
  }
  Error WriteRowRGB(const std::uint8_t *) override { return MakeError("wrong row kind"); }
  Error WriteRow24(const std::uint8_t *row) override { return Take(24, row); }
  Error WriteRow8(const std::uint8_t *row) override { return Take(8, row); }
  Error Complete() override {
    ++completes;
    return Error();
  }

  std::int32_t colours = 0;
  bool hadPalette = false;
  int completes = 0;
  std::int32_t failOnRow = -1;
  std::vector<int> rows; // first byte of each row
  std::vector<int> kinds;

private:
  static std::ostringstream sink_;
  Error Take(int kind, const std::uint8_t *row) {
    if (static_cast<std::int32_t>(rows.size()) == failOnRow)
      return MakeError("disk full");
    rows.push_back(row[0]);
    kinds.push_back(kind);
    return Error();
  }
};

std::ostringstream RecordingImage::sink_;

TEST(ShotWriter, RowStridesArePaddedToFourBytes) {
  EXPECT_EQ(ShotRowStride(1366, false), 4100); // 4098 bytes of pixels
  EXPECT_EQ(ShotRowStride(1366, true), 1368);
  EXPECT_EQ(ShotRowStride(1920, false), 5760);
  EXPECT_EQ(ShotRowStride(1, true), 4);
}

TEST(ShotWriter, FetchesChunksOf100Or33RowsBottomFirst) {
  struct Case {
    bool indexed;
    std::int32_t height;
    std::vector<std::pair<std::int32_t, std::int32_t>> fetches;
  };
  const Case cases[] = {
      {true, 250, {{0, 100}, {100, 100}, {200, 50}}},
      {true, 100, {{0, 100}}},
      {false, 70, {{0, 33}, {33, 33}, {66, 4}}},
      {false, 33, {{0, 33}}},
  };
  const std::uint8_t palette[kShotPaletteBytes] = {};
  for (const Case &c : cases) {
    RecordingImage image;
    NumberedLines lines(ShotRowStride(7, c.indexed), -1);
    const Error result = WriteScreenShot(image, 7, c.height, c.indexed ? palette : nullptr, lines);
    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ(lines.fetches, c.fetches);
    EXPECT_EQ(image.colours, c.indexed ? 8 : 24);
    EXPECT_EQ(image.hadPalette, c.indexed);
    ASSERT_EQ(static_cast<std::int32_t>(image.rows.size()), c.height);
    for (std::int32_t r = 0; r < c.height; ++r) {
      EXPECT_EQ(image.rows[r], r & 0xff);
      EXPECT_EQ(image.kinds[r], c.indexed ? 8 : 24);
    }
    EXPECT_EQ(image.completes, 1);
  }
}

TEST(ShotWriter, ShortFetchAndWriterFailureStopTheWriting) {
  RecordingImage image;
  NumberedLines lines(ShotRowStride(5, false), 40);
  Error result = WriteScreenShot(image, 5, 80, nullptr, lines);
  EXPECT_STREQ(result.Message().CStr(), "Unable to copy the image from the screen");
  EXPECT_EQ(image.rows.size(), 33u);
  EXPECT_EQ(image.completes, 1);

  RecordingImage failing;
  failing.failOnRow = 3;
  NumberedLines all(ShotRowStride(5, false), -1);
  result = WriteScreenShot(failing, 5, 80, nullptr, all);
  EXPECT_STREQ(result.Message().CStr(), "disk full");
  EXPECT_EQ(failing.rows.size(), 3u);
  EXPECT_EQ(all.fetches.size(), 1u);
}

} // namespace
