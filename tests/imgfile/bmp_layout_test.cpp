#include "imgfile/bmp.h"

#include "tests/imgfile/support/bmptest.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

std::size_t RowSizeOf(const TestImage &image) {
  const std::size_t pixelBytes = static_cast<std::size_t>(image.width) * image.colours / 8;
  return (pixelBytes + 3) / 4 * 4;
}

// Decodes the file independently of the writer and checks every field and
// every row, padding included, against the picture.
void ExpectLayout(const std::string &file, const TestImage &image) {
  const std::size_t rowSize = RowSizeOf(image);
  const std::size_t dataOffset = image.colours == 8 ? 1078 : 54;
  const std::size_t fileSize = dataOffset + rowSize * image.height;
  ASSERT_EQ(fileSize, file.size());
  const struct {
    std::size_t offset;
    int size;
    std::uint32_t value;
  } fields[] = {
      {0, 2, 0x4D42},
      {2, 4, static_cast<std::uint32_t>(fileSize)},
      {6, 2, 0},
      {8, 2, 0},
      {10, 4, static_cast<std::uint32_t>(dataOffset)},
      {14, 4, 40},
      {18, 4, static_cast<std::uint32_t>(image.width)},
      {22, 4, static_cast<std::uint32_t>(image.height)},
      {26, 2, 1},
      {28, 2, static_cast<std::uint32_t>(image.colours)},
      {30, 4, 0},
      {34, 4, static_cast<std::uint32_t>(rowSize * image.height)},
      {38, 4, 0},
      {42, 4, 0},
      {46, 4, 0},
      {50, 4, 0},
  };
  for (const auto &field : fields)
    EXPECT_EQ(field.value, ReadLittleEndian(file, field.offset, field.size))
        << "offset " << field.offset;
  const std::size_t bytesPerPixel = image.colours / 8;
  for (std::int32_t fileRow = 0; fileRow < image.height; ++fileRow) {
    const std::size_t row = dataOffset + fileRow * rowSize;
    const std::int32_t y = image.height - 1 - fileRow;
    for (std::size_t i = 0; i < rowSize; ++i) {
      std::uint8_t expected = 0;
      if (i < image.width * bytesPerPixel) {
        const std::size_t rowStart = static_cast<std::size_t>(y) * image.width * bytesPerPixel;
        // 24-bit files hold blue, green, red; the picture red, green, blue.
        const std::size_t source = bytesPerPixel == 3 ? i - i % 3 + (2 - i % 3) : i;
        expected = image.pixels[rowStart + source];
      }
      ASSERT_EQ(expected, static_cast<std::uint8_t>(file[row + i]))
          << "file row " << fileRow << " byte " << i;
    }
  }
}

TEST(BmpLayout, HeadersRowsAndPaddingForEveryShape) {
  const struct {
    std::int32_t width, height, colours;
  } shapes[] = {{4, 2, 24},   {5, 1, 24}, {5, 3, 8}, {1366, 3, 24},
                {1366, 2, 8}, {1, 1, 24}, {1, 2, 8}, {3, 3, 8}};
  for (const auto &shape : shapes) {
    const TestImage image = MakeTestImage(shape.width, shape.height, shape.colours);
    for (RowOrder order : {RowOrder::Sequential, RowOrder::RandomAccess}) {
      SCOPED_TRACE(testing::Message() << shape.width << "x" << shape.height << "x" << shape.colours
                                      << " random " << (order == RowOrder::RandomAccess));
      ExpectLayout(WriteToMemory(image, order), image);
    }
  }
}

TEST(BmpLayout, KnownSizes) {
  const std::string small = WriteToMemory(MakeTestImage(4, 2, 24), RowOrder::Sequential);
  EXPECT_EQ(78u, small.size());
  EXPECT_EQ(78u, ReadLittleEndian(small, 2, 4));
  EXPECT_EQ(24u, ReadLittleEndian(small, 34, 4));
  EXPECT_EQ("BM", small.substr(0, 2));

  const std::string narrow = WriteToMemory(MakeTestImage(5, 1, 24), RowOrder::Sequential);
  EXPECT_EQ(70u, narrow.size());
  EXPECT_EQ(0, narrow[69]);

  const std::string screen = WriteToMemory(MakeTestImage(640, 480, 8), RowOrder::Sequential);
  EXPECT_EQ(1078u + 640u * 480u, screen.size());
  EXPECT_EQ(1078u, ReadLittleEndian(screen, 10, 4));

  // 1366 pixels: two padding bytes at both depths.
  EXPECT_EQ(54u + 4100u, WriteToMemory(MakeTestImage(1366, 1, 24), RowOrder::Sequential).size());
  EXPECT_EQ(1078u + 1368u, WriteToMemory(MakeTestImage(1366, 1, 8), RowOrder::Sequential).size());
}

TEST(BmpLayout, PaletteEntriesAreBlueGreenRedZero) {
  TestImage image = MakeTestImage(2, 1, 8);
  image.palette[0] = 255;
  image.palette[1] = 0;
  image.palette[2] = 0;
  const std::string file = WriteToMemory(image, RowOrder::Sequential);
  EXPECT_EQ(std::string("\0\0\xff\0", 4), file.substr(54, 4));
  for (std::size_t i = 1; i < 256; ++i) {
    const std::string entry = file.substr(54 + 4 * i, 4);
    EXPECT_EQ(image.palette[3 * i + 2], static_cast<std::uint8_t>(entry[0]));
    EXPECT_EQ(image.palette[3 * i + 1], static_cast<std::uint8_t>(entry[1]));
    EXPECT_EQ(image.palette[3 * i], static_cast<std::uint8_t>(entry[2]));
    EXPECT_EQ(0, entry[3]);
  }
}

TEST(BmpLayout, RgbRowsAreReorderedLikeNativeRows) {
  const TestImage image = MakeTestImage(7, 3, 24);
  for (RowOrder order : {RowOrder::Sequential, RowOrder::RandomAccess})
    EXPECT_EQ(WriteToMemory(image, order), WriteToMemory(image, order, RowFormat::RGB));
}

TEST(BmpRandomAccess, FirstRowSuppliedLandsOnTop) {
  // The file starts after unrelated bytes: rows are placed from the recorded
  // data start, not from offset 54.
  const std::string prefix = "0123456789";
  std::ostringstream out(std::ios::binary);
  out << prefix;
  BmpFile file(out);
  ASSERT_TRUE(file.Initialize(1, 3, true, 24, false, nullptr).Succeeded());
  const std::size_t dataStart = prefix.size() + 54;
  EXPECT_EQ(dataStart + 3 * 4, out.str().size()) << "blank image written up front";
  const std::uint8_t rows[3][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
  for (const auto &row : rows)
    ASSERT_TRUE(file.WriteRow24(row).Succeeded());
  ASSERT_TRUE(file.Complete().Succeeded());
  const std::string bytes = out.str();
  EXPECT_EQ(prefix, bytes.substr(0, prefix.size()));
  EXPECT_EQ(std::string("\x01\x02\x03\0", 4), bytes.substr(dataStart + 2 * 4, 4));
  EXPECT_EQ(std::string("\x04\x05\x06\0", 4), bytes.substr(dataStart + 4, 4));
  EXPECT_EQ(std::string("\x07\x08\x09\0", 4), bytes.substr(dataStart, 4));
}

TEST(BmpRandomAccess, UnwrittenRowsStayBlank) {
  std::ostringstream out(std::ios::binary);
  BmpFile file(out);
  const std::uint8_t index[2] = {9, 9};
  TestImage image = MakeTestImage(2, 4, 8);
  ASSERT_TRUE(file.Initialize(2, 4, true, 8, false, image.palette.data()).Succeeded());
  ASSERT_TRUE(file.WriteRow8(index).Succeeded());
  const std::string bytes = out.str();
  ASSERT_EQ(1078u + 4 * 4, bytes.size());
  EXPECT_EQ(std::string(12, '\0'), bytes.substr(1078, 12));
  EXPECT_EQ(std::string("\x09\x09\0\0", 4), bytes.substr(1078 + 12, 4));
}

} // namespace
