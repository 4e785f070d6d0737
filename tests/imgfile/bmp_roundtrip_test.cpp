#include "imgfile/bmp.h"

#include "tests/imgfile/support/bmptest.h"
#include "tests/imgfile/support/imagemagick.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::filesystem::path OutputDirectory() {
  const char *chosen = std::getenv("VORLUNDA_TEST_TMP");
  if (chosen != nullptr && chosen[0] != '\0')
    return chosen;
  return std::filesystem::temp_directory_path();
}

std::string ReadFile(const std::filesystem::path &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct RoundTrip {
  std::int32_t width, height, colours;
  RowOrder order;
  RowFormat format;
};

std::string FileName(const RoundTrip &c) {
  return "imgfile_" + std::to_string(c.width) + "x" + std::to_string(c.height) + "_" +
         std::to_string(c.colours) +
         (c.order == RowOrder::RandomAccess ? "_random" : "_sequential") + ".bmp";
}

// Files on disk: the bytes are those written to memory (no text-mode
// translation), and an independent decoder sees every pixel as drawn.
TEST(BmpRoundTrip, FilesOnDiskDecodeToEveryPixel) {
  const RoundTrip cases[] = {
      {1366, 5, 24, RowOrder::Sequential, RowFormat::Native},
      {1366, 5, 24, RowOrder::RandomAccess, RowFormat::RGB},
      {1366, 4, 8, RowOrder::Sequential, RowFormat::Native},
      {1366, 4, 8, RowOrder::RandomAccess, RowFormat::Native},
      {5, 3, 24, RowOrder::Sequential, RowFormat::RGB},
      {5, 3, 24, RowOrder::RandomAccess, RowFormat::Native},
      {5, 3, 8, RowOrder::Sequential, RowFormat::Native},
      {5, 3, 8, RowOrder::RandomAccess, RowFormat::Native},
  };
  const bool keep = std::getenv("VORLUNDA_TEST_TMP") != nullptr;
  for (const RoundTrip &c : cases) {
    SCOPED_TRACE(FileName(c));
    const std::filesystem::path path = OutputDirectory() / FileName(c);
    const TestImage image = MakeTestImage(c.width, c.height, c.colours);
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      ASSERT_TRUE(out.is_open());
      BmpFile file(out);
      ASSERT_TRUE(WriteImage(file, image, c.order, c.format).Succeeded());
    }
    EXPECT_EQ(WriteToMemory(image, c.order, c.format), ReadFile(path));
    if (ImageMagickAvailable()) {
      std::vector<std::uint8_t> decoded;
      ASSERT_TRUE(DecodeWithImageMagick(path, decoded));
      const std::vector<std::uint8_t> expected = ExpectedRGB(image);
      ASSERT_EQ(expected.size(), decoded.size());
      for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(expected[i], decoded[i]) << "pixel " << i / 3 << " channel " << i % 3;
    }
    if (!keep)
      std::filesystem::remove(path);
  }
  if (!ImageMagickAvailable())
    GTEST_SKIP() << "files checked byte for byte; ImageMagick's convert is not reachable here";
}

} // namespace
