#include "imgfile/bmp.h"

#include "tests/imgfile/support/bmptest.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace {

constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();
constexpr const char *kWriteFailed = "An error occurred while writing to the image file";
constexpr const char *kSeekFailed = "Unable to seek within the image file";
constexpr const char *kEarlierFailure = "An error has already occured";

struct Outcome {
  Error error;
  std::string bytes;
};

// After the failure every operation reports the earlier one, and the stream
// sees nothing more.
void ExpectStoppedAfterFailure(BmpFile &file, const FailingBuffer &buffer, const TestImage &image) {
  const std::size_t refusals = buffer.Refusals();
  const std::string bytes = buffer.Bytes();
  const std::vector<std::uint8_t> row(3 * image.width);
  const Error later[] = {file.WriteRow8(row.data()), file.WriteRow24(row.data()),
                         file.WriteRowRGB(row.data()), file.Complete()};
  for (const Error &error : later)
    EXPECT_STREQ(kEarlierFailure, error.Message());
  std::int32_t width = 0;
  EXPECT_STREQ(kEarlierFailure, file.Width(width).Message());
  EXPECT_EQ(image.width, width);
  EXPECT_EQ(refusals, buffer.Refusals());
  EXPECT_EQ(bytes, buffer.Bytes());
}

Outcome WriteThrough(std::size_t byteBudget, std::size_t seekBudget, const TestImage &image,
                     RowOrder order) {
  FailingBuffer buffer(byteBudget, seekBudget);
  std::ostream out(&buffer);
  BmpFile file(out);
  Error error = WriteImage(file, image, order);
  if (error.Failed())
    ExpectStoppedAfterFailure(file, buffer, image);
  return {error, buffer.Bytes()};
}

std::size_t HeaderSize(const TestImage &image) { return image.colours == 8 ? 1078 : 54; }

std::size_t RowSize(const TestImage &image) {
  return (static_cast<std::size_t>(image.width) * image.colours / 8 + 3) / 4 * 4;
}

TEST(BmpFailure, SequentialWriteFailsWhereTheBytesRunOut) {
  for (std::int32_t colours : {24, 8}) {
    const TestImage image = MakeTestImage(5, 3, colours);
    const std::string good = WriteToMemory(image, RowOrder::Sequential);
    for (std::size_t budget = 0; budget <= good.size(); ++budget) {
      SCOPED_TRACE(testing::Message() << colours << " bits, " << budget << " bytes");
      const Outcome outcome = WriteThrough(budget, kUnlimited, image, RowOrder::Sequential);
      EXPECT_EQ(good.substr(0, budget), outcome.bytes);
      if (budget == good.size())
        EXPECT_TRUE(outcome.error.Succeeded());
      else
        EXPECT_STREQ(kWriteFailed, outcome.error.Message());
    }
  }
}

TEST(BmpFailure, RandomAccessWriteFailsInHeaderBlankImageOrRow) {
  for (std::int32_t colours : {24, 8}) {
    const TestImage image = MakeTestImage(5, 3, colours);
    const std::size_t total = HeaderSize(image) + RowSize(image) * image.height;
    const std::string good = WriteToMemory(image, RowOrder::RandomAccess);
    // The blank image fills the file first; rows then overwrite it.
    for (std::size_t budget = 0; budget <= total + RowSize(image) * image.height; ++budget) {
      SCOPED_TRACE(testing::Message() << colours << " bits, " << budget << " bytes");
      const Outcome outcome = WriteThrough(budget, kUnlimited, image, RowOrder::RandomAccess);
      const bool enough = budget == total + RowSize(image) * image.height;
      if (enough) {
        EXPECT_TRUE(outcome.error.Succeeded());
        EXPECT_EQ(good, outcome.bytes);
      } else {
        EXPECT_STREQ(kWriteFailed, outcome.error.Message());
        EXPECT_EQ(good.substr(0, std::min(budget, HeaderSize(image))),
                  outcome.bytes.substr(0, std::min(budget, HeaderSize(image))));
      }
    }
  }
}

TEST(BmpFailure, RandomAccessSeekFailures) {
  const TestImage image = MakeTestImage(5, 3, 24);
  // The first seek is Initialize asking for the data start; each row seeks once.
  for (std::size_t seeks = 0; seeks <= 4; ++seeks) {
    SCOPED_TRACE(testing::Message() << seeks << " seeks");
    const Outcome outcome = WriteThrough(kUnlimited, seeks, image, RowOrder::RandomAccess);
    if (seeks == 4)
      EXPECT_TRUE(outcome.error.Succeeded());
    else
      EXPECT_STREQ(kSeekFailed, outcome.error.Message());
  }
}

TEST(BmpFailure, SequentialFilesNeverSeek) {
  const TestImage image = MakeTestImage(5, 3, 8);
  EXPECT_TRUE(WriteThrough(kUnlimited, 0, image, RowOrder::Sequential).error.Succeeded());
}

} // namespace
