#include "imgfile/bmp.h"

#include <algorithm>
#include <cstdint>
#include <istream>
#include <ostream>

namespace {

constexpr const char *kOnlyWritten = "The image file can only be written";
constexpr const char *kOnlyRead = "The image file can only be read";
constexpr const char *kAlreadyInitialized = "The image file has already been initialized";
constexpr const char *kNotInitialized = "The image file has not been initialized";
constexpr const char *kAlreadyCompleted = "The image file has already been completed";
constexpr const char *kEarlierFailure = "An error has already occured";
constexpr const char *kInvalidWidth = "Invalid image width";
constexpr const char *kInvalidHeight = "Invalid image height";
constexpr const char *kInvalidColours = "Invalid image colours";
constexpr const char *kMissingPalette = "Missing image palette";
constexpr const char *kInvalidCompression = "Invalid image compression";
constexpr const char *kSeekFailed = "Unable to seek within the image file";
constexpr const char *kWriteFailed = "An error occurred while writing to the image file";
constexpr const char *kReadUnsupported = "Read operations not yet supported";
constexpr const char *kTooManyRows = "Too many rows written to the image file";
constexpr const char *kWrongRowFormat = "The row does not match the image colours";

constexpr std::uint32_t kBitmapMagic = 0x4D42; // "BM"
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteEntries = 256;
constexpr std::uint32_t kPaletteEntrySize = 4;
constexpr std::uint32_t kRowAlignment = 4;
constexpr std::int32_t kPalettedColours = 8;
constexpr std::int32_t kTrueColours = 24;

// Values go out a byte at a time, low byte first, so the layout does not
// depend on the host's byte order.
bool PutLittleEndian(std::ostream &out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.put(static_cast<char>((value >> (8 * i)) & 0xFFu));
  return !out.fail();
}

// The file header holds the file size in 32 bits.
bool FitsTheSizeField(std::int32_t width, std::int32_t height, std::int32_t colours) {
  const std::uint64_t pixelBytes = static_cast<std::uint64_t>(width) * (colours / 8);
  const std::uint64_t rowSize = (pixelBytes + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
  const std::uint64_t largestHeaders =
      kFileHeaderSize + kInfoHeaderSize + kPaletteEntries * kPaletteEntrySize;
  return rowSize * static_cast<std::uint64_t>(height) + largestHeaders <= UINT32_MAX;
}

Error Validate(std::int32_t width, std::int32_t height, std::int32_t colours, bool compressed,
               const std::uint8_t *palette) {
  if (width <= 0)
    return MakeError(kInvalidWidth);
  if (height <= 0)
    return MakeError(kInvalidHeight);
  if (colours != kPalettedColours && colours != kTrueColours)
    return MakeError(kInvalidColours);
  if (!FitsTheSizeField(width, 1, colours))
    return MakeError(kInvalidWidth);
  if (!FitsTheSizeField(width, height, colours))
    return MakeError(kInvalidHeight);
  if (colours == kPalettedColours && palette == nullptr)
    return MakeError(kMissingPalette);
  if (compressed)
    return MakeError(kInvalidCompression);
  return Error();
}

} // namespace

BmpFile::BmpFile(std::istream &input) : ImageFileBase(input) {}

BmpFile::BmpFile(std::ostream &output) : ImageFileBase(output) {}

// The order of the rules is part of the interface: a caller sees the first
// that applies.
Error BmpFile::CheckState(Direction direction, Setup setup, bool mustNotBeCompleted) const {
  if (direction == Direction::Read && input_ == nullptr)
    return MakeError(kOnlyWritten);
  if (direction == Direction::Write && output_ == nullptr)
    return MakeError(kOnlyRead);
  if (setup == Setup::MustNotBeInitialized && initialized_)
    return MakeError(kAlreadyInitialized);
  if (setup == Setup::MustBeInitialized && !initialized_)
    return MakeError(kNotInitialized);
  if (mustNotBeCompleted && completed_)
    return MakeError(kAlreadyCompleted);
  if (!ok_)
    return MakeError(kEarlierFailure);
  return Error();
}

// Rows beyond the height would land past the image, or before the first row
// in random-access mode, and corrupt the file.
Error BmpFile::CheckNextRow(std::int32_t colours) const {
  if (colours != colours_)
    return MakeError(kWrongRowFormat);
  if (rowsWritten_ >= height_)
    return MakeError(kTooManyRows);
  return Error();
}

Error BmpFile::Width(std::int32_t &width) const {
  width = width_;
  return CheckState(input_ != nullptr ? Direction::Read : Direction::Write,
                    Setup::MustBeInitialized, false);
}

Error BmpFile::Height(std::int32_t &height) const {
  height = height_;
  return CheckState(input_ != nullptr ? Direction::Read : Direction::Write,
                    Setup::MustBeInitialized, false);
}

Error BmpFile::Colours(std::int32_t &colours) const {
  colours = colours_;
  return CheckState(input_ != nullptr ? Direction::Read : Direction::Write,
                    Setup::MustBeInitialized, false);
}

Error BmpFile::ReadInfo() {
  const Error state = CheckState(Direction::Read, Setup::MustNotBeInitialized, true);
  if (state.Failed())
    return state;
  return MakeError(kReadUnsupported);
}

Error BmpFile::ReadRow(std::uint8_t *) {
  const Error state = CheckState(Direction::Read, Setup::MustBeInitialized, true);
  if (state.Failed())
    return state;
  return MakeError(kReadUnsupported);
}

Error BmpFile::Initialize(std::int32_t width, std::int32_t height, bool randomAccess,
                          std::int32_t colours, bool compressed, const std::uint8_t *palette) {
  Error result = CheckState(Direction::Write, Setup::MustNotBeInitialized, true);
  if (result.Succeeded())
    result = Validate(width, height, colours, compressed, palette);
  if (result.Failed())
    return result;

  initialized_ = true;
  width_ = width;
  height_ = height;
  colours_ = colours;
  randomAccess_ = randomAccess;
  rowsWritten_ = 0;

  if (!WriteHeaders() || (colours == kPalettedColours && !WritePalette(palette)))
    return WriteFailure();
  if (!randomAccess)
    return Error();
  dataStart_ = output_->tellp();
  if (dataStart_ == std::streampos(-1)) {
    ok_ = false;
    return MakeError(kSeekFailed);
  }
  if (!WriteBlankImage())
    return WriteFailure();
  return Error();
}

Error BmpFile::WriteRowRGB(const std::uint8_t *row) {
  Error result = CheckState(Direction::Write, Setup::MustBeInitialized, true);
  if (result.Succeeded())
    result = CheckNextRow(kTrueColours);
  if (result.Failed())
    return result;
  std::uint8_t *reordered = RowBuffer();
  for (std::int32_t x = 0; x < width_; ++x) {
    const std::uint8_t *rgb = row + 3 * x;
    std::uint8_t *bgr = reordered + 3 * x;
    bgr[0] = rgb[2];
    bgr[1] = rgb[1];
    bgr[2] = rgb[0];
  }
  return WriteRow24(reordered);
}

Error BmpFile::WriteRow24(const std::uint8_t *row) { return WriteCheckedRow(row, kTrueColours); }

Error BmpFile::WriteRow8(const std::uint8_t *row) { return WriteCheckedRow(row, kPalettedColours); }

Error BmpFile::WriteCheckedRow(const std::uint8_t *row, std::int32_t colours) {
  Error result = CheckState(Direction::Write, Setup::MustBeInitialized, true);
  if (result.Succeeded())
    result = CheckNextRow(colours);
  if (result.Failed())
    return result;
  return WriteRow(row);
}

Error BmpFile::Complete() {
  const Error state = CheckState(Direction::Write, Setup::MustBeInitialized, true);
  if (state.Failed())
    return state;
  completed_ = true;
  return Error();
}

Error BmpFile::WriteRow(const std::uint8_t *row) {
  if (randomAccess_) {
    const std::streamoff rowIndex = height_ - rowsWritten_ - 1;
    output_->seekp(dataStart_ + rowIndex * static_cast<std::streamoff>(RowSize()));
    if (output_->fail()) {
      ok_ = false;
      return MakeError(kSeekFailed);
    }
  }
  static const char kPadding[kRowAlignment] = {};
  const std::uint32_t pixelBytes =
      static_cast<std::uint32_t>(width_) * static_cast<std::uint32_t>(colours_ / 8);
  output_->write(reinterpret_cast<const char *>(row), pixelBytes);
  output_->write(kPadding, RowSize() - pixelBytes);
  ++rowsWritten_;
  if (output_->fail())
    return WriteFailure();
  return Error();
}

bool BmpFile::WriteHeaders() {
  const std::uint32_t imageSize = RowSize() * static_cast<std::uint32_t>(height_);
  const struct {
    std::uint32_t value;
    int bytes;
  } fields[] = {
      {kBitmapMagic, 2},
      {DataOffset() + imageSize, 4},
      {0, 2},
      {0, 2},
      {DataOffset(), 4},
      {kInfoHeaderSize, 4},
      {static_cast<std::uint32_t>(width_), 4},
      {static_cast<std::uint32_t>(height_), 4}, // positive: bottom row first
      {1, 2},                                   // planes
      {static_cast<std::uint32_t>(colours_), 2},
      {0, 4}, // no compression
      {imageSize, 4},
      {0, 4}, // resolutions and colour counts: unspecified, all colours used
      {0, 4},
      {0, 4},
      {0, 4},
  };
  for (const auto &field : fields)
    if (!PutLittleEndian(*output_, field.value, field.bytes))
      return false;
  return true;
}

bool BmpFile::WritePalette(const std::uint8_t *palette) {
  char entries[kPaletteEntries * kPaletteEntrySize];
  for (std::uint32_t i = 0; i < kPaletteEntries; ++i) {
    const std::uint8_t *rgb = palette + 3 * i;
    char *entry = entries + kPaletteEntrySize * i;
    entry[0] = static_cast<char>(rgb[2]);
    entry[1] = static_cast<char>(rgb[1]);
    entry[2] = static_cast<char>(rgb[0]);
    entry[3] = 0;
  }
  output_->write(entries, sizeof entries);
  return !output_->fail();
}

bool BmpFile::WriteBlankImage() {
  std::uint8_t *blank = RowBuffer();
  std::fill(blank, blank + RowSize(), 0);
  for (std::int32_t y = 0; y < height_; ++y) {
    output_->write(reinterpret_cast<const char *>(blank), RowSize());
    if (output_->fail())
      return false;
  }
  return true;
}

Error BmpFile::WriteFailure() {
  ok_ = false;
  return MakeError(kWriteFailed);
}

std::uint32_t BmpFile::RowSize() const {
  const std::uint32_t pixelBytes =
      static_cast<std::uint32_t>(width_) * static_cast<std::uint32_t>(colours_ / 8);
  return (pixelBytes + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
}

std::uint32_t BmpFile::DataOffset() const {
  const std::uint32_t palette =
      colours_ == kPalettedColours ? kPaletteEntries * kPaletteEntrySize : 0;
  return kFileHeaderSize + kInfoHeaderSize + palette;
}

std::uint8_t *BmpFile::RowBuffer() {
  if (rowBuffer_.size() != RowSize())
    rowBuffer_.assign(RowSize(), 0);
  return rowBuffer_.data();
}
