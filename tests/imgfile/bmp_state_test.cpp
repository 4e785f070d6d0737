#include "imgfile/bmp.h"

#include "tests/imgfile/support/bmptest.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

namespace {

const std::uint8_t kRow[3 * 8] = {};

void ExpectFailure(const char *message, const Error &error) {
  EXPECT_EQ(kSeverityError, error.Severity()) << message;
  EXPECT_STREQ(message, error.Message());
  EXPECT_EQ(0, error.Code());
}

Error InitializeSmall(BmpFile &file, std::int32_t colours = 24) {
  static const TestImage image = MakeTestImage(8, 2, 8);
  return file.Initialize(8, 2, false, colours, false, image.palette.data());
}

TEST(BmpState, InitializeValidatesInOrderAndStaysUninitialized) {
  const std::vector<std::uint8_t> palette = MakeTestImage(1, 1, 8).palette;
  const struct {
    std::int32_t width, height, colours;
    bool withPalette, compressed;
    const char *message;
  } cases[] = {
      {0, 0, 16, false, true, "Invalid image width"},
      {-4, 1, 24, false, false, "Invalid image width"},
      {1, 0, 16, false, true, "Invalid image height"},
      {1, 1, 16, true, true, "Invalid image colours"},
      {1, 1, 32, true, false, "Invalid image colours"},
      {1, 1, 8, false, true, "Missing image palette"},
      {1, 1, 24, false, true, "Invalid image compression"},
      {2000000000, 1, 24, false, false, "Invalid image width"},
      {1 << 16, 1 << 16, 8, true, false, "Invalid image height"},
  };
  for (const auto &c : cases) {
    std::ostringstream out(std::ios::binary);
    BmpFile file(out);
    ExpectFailure(c.message, file.Initialize(c.width, c.height, false, c.colours, c.compressed,
                                             c.withPalette ? palette.data() : nullptr));
    EXPECT_TRUE(out.str().empty()) << c.message;
    std::int32_t width = -1;
    ExpectFailure("The image file has not been initialized", file.Width(width));
    EXPECT_EQ(0, width);
    EXPECT_TRUE(file.Initialize(1, 1, false, 24, false, nullptr).Succeeded())
        << "a 24-bit file needs no palette";
  }
}

TEST(BmpState, WriterRefusesOperationsOutOfTurn) {
  std::ostringstream out(std::ios::binary);
  BmpFile file(out);
  ExpectFailure("The image file can only be written", file.ReadInfo());
  ExpectFailure("The image file can only be written", file.ReadRow(nullptr));
  ExpectFailure("The image file has not been initialized", file.WriteRow8(kRow));
  ExpectFailure("The image file has not been initialized", file.WriteRowRGB(kRow));
  ExpectFailure("The image file has not been initialized", file.Complete());

  ASSERT_TRUE(InitializeSmall(file).Succeeded());
  ExpectFailure("The image file has already been initialized", InitializeSmall(file));
  ExpectFailure("The image file can only be written", file.ReadInfo());
  ASSERT_TRUE(file.WriteRow24(kRow).Succeeded());
  ASSERT_TRUE(file.Complete().Succeeded());

  ExpectFailure("The image file has already been completed", file.WriteRow24(kRow));
  ExpectFailure("The image file has already been completed", file.WriteRowRGB(kRow));
  ExpectFailure("The image file has already been completed", file.Complete());
  ExpectFailure("The image file has already been initialized", InitializeSmall(file));

  std::int32_t width = 0, height = 0, colours = 0;
  EXPECT_TRUE(file.Width(width).Succeeded()) << "completion is not tested";
  EXPECT_TRUE(file.Height(height).Succeeded());
  EXPECT_TRUE(file.Colours(colours).Succeeded());
  EXPECT_EQ(8, width);
  EXPECT_EQ(2, height);
  EXPECT_EQ(24, colours);
}

TEST(BmpState, ReaderIsDeclaredButCannotRead) {
  std::istringstream in(std::string("BM"), std::ios::binary);
  BmpFile file(in);
  ExpectFailure("The image file can only be read", InitializeSmall(file));
  ExpectFailure("The image file can only be read", file.WriteRow24(kRow));
  ExpectFailure("The image file can only be read", file.WriteRow8(kRow));
  ExpectFailure("The image file can only be read", file.WriteRowRGB(kRow));
  ExpectFailure("The image file can only be read", file.Complete());
  ExpectFailure("The image file has not been initialized", file.ReadRow(nullptr));
  std::int32_t width = -1;
  ExpectFailure("The image file has not been initialized", file.Width(width));
  ExpectFailure("Read operations not yet supported", file.ReadInfo());
}

TEST(BmpState, RefusesRowsBeyondTheHeightWithoutHarm) {
  for (bool randomAccess : {false, true}) {
    std::ostringstream out(std::ios::binary);
    BmpFile file(out);
    ASSERT_TRUE(file.Initialize(8, 2, randomAccess, 24, false, nullptr).Succeeded());
    ASSERT_TRUE(file.WriteRow24(kRow).Succeeded());
    ASSERT_TRUE(file.WriteRowRGB(kRow).Succeeded());
    const std::string written = out.str();
    ExpectFailure("Too many rows written to the image file", file.WriteRow24(kRow));
    ExpectFailure("Too many rows written to the image file", file.WriteRowRGB(kRow));
    EXPECT_EQ(written, out.str());
    EXPECT_TRUE(file.Complete().Succeeded()) << "the file is still sound";
  }
}

TEST(BmpState, RowsMustMatchTheColours) {
  std::ostringstream out(std::ios::binary);
  BmpFile paletted(out);
  ASSERT_TRUE(InitializeSmall(paletted, 8).Succeeded());
  const std::size_t headers = out.str().size();
  ExpectFailure("The row does not match the image colours", paletted.WriteRow24(kRow));
  ExpectFailure("The row does not match the image colours", paletted.WriteRowRGB(kRow));
  EXPECT_EQ(headers, out.str().size());
  EXPECT_TRUE(paletted.WriteRow8(kRow).Succeeded());

  std::ostringstream trueColour(std::ios::binary);
  BmpFile file(trueColour);
  ASSERT_TRUE(InitializeSmall(file, 24).Succeeded());
  ExpectFailure("The row does not match the image colours", file.WriteRow8(kRow));
  EXPECT_TRUE(file.WriteRow24(kRow).Succeeded());
}

} // namespace
