#include "tests/imgfile/support/bmptest.h"

#include "imgfile/bmp.h"

#include <sstream>

namespace {

constexpr std::size_t kPaletteBytes = 768;

void FillPalette(std::vector<std::uint8_t> &palette) {
  palette.resize(kPaletteBytes);
  for (std::size_t i = 0; i < 256; ++i) {
    palette[3 * i] = static_cast<std::uint8_t>(i);
    palette[3 * i + 1] = static_cast<std::uint8_t>(255 - i);
    palette[3 * i + 2] = static_cast<std::uint8_t>((i * 37) & 0xFF);
  }
}

const std::uint8_t *RowOf(const TestImage &image, std::int32_t y) {
  const std::size_t bytesPerPixel = image.colours == 24 ? 3 : 1;
  return image.pixels.data() + static_cast<std::size_t>(y) * image.width * bytesPerPixel;
}

Error WriteOneRow(ImageFileBase &file, const TestImage &image, std::int32_t y, RowFormat format) {
  const std::uint8_t *row = RowOf(image, y);
  if (image.colours == 8)
    return file.WriteRow8(row);
  if (format == RowFormat::RGB)
    return file.WriteRowRGB(row);
  std::vector<std::uint8_t> bgr(row, row + 3 * image.width);
  for (std::size_t i = 0; i < bgr.size(); i += 3)
    std::swap(bgr[i], bgr[i + 2]);
  return file.WriteRow24(bgr.data());
}

} // namespace

TestImage MakeTestImage(std::int32_t width, std::int32_t height, std::int32_t colours) {
  TestImage image{width, height, colours, {}, {}};
  FillPalette(image.palette);
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      if (colours == 8) {
        image.pixels.push_back(static_cast<std::uint8_t>((x * 7 + y * 31 + 1) & 0xFF));
        continue;
      }
      image.pixels.push_back(static_cast<std::uint8_t>(x & 0xFF));
      image.pixels.push_back(static_cast<std::uint8_t>((y * 40 + 3) & 0xFF));
      image.pixels.push_back(static_cast<std::uint8_t>((x >> 8) * 50 + 7));
    }
  }
  return image;
}

Error WriteImage(ImageFileBase &file, const TestImage &image, RowOrder order, RowFormat format) {
  Error result = file.Initialize(image.width, image.height, order == RowOrder::RandomAccess,
                                 image.colours, false, image.palette.data());
  for (std::int32_t i = 0; i < image.height && result.Succeeded(); ++i) {
    // Sequential files take the bottom row first, random-access ones the top.
    const std::int32_t y = order == RowOrder::Sequential ? image.height - 1 - i : i;
    result = WriteOneRow(file, image, y, format);
  }
  if (result.Succeeded())
    result = file.Complete();
  return result;
}

std::string WriteToMemory(const TestImage &image, RowOrder order, RowFormat format) {
  std::ostringstream out(std::ios::binary);
  BmpFile file(out);
  const Error result = WriteImage(file, image, order, format);
  return result.Succeeded() ? out.str() : std::string();
}

std::vector<std::uint8_t> ExpectedRGB(const TestImage &image) {
  if (image.colours == 24)
    return image.pixels;
  std::vector<std::uint8_t> rgb;
  for (std::uint8_t index : image.pixels)
    for (int channel = 0; channel < 3; ++channel)
      rgb.push_back(image.palette[3 * index + channel]);
  return rgb;
}

std::uint32_t ReadLittleEndian(const std::string &bytes, std::size_t offset, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = (value << 8) | static_cast<std::uint8_t>(bytes.at(offset + i));
  return value;
}

FailingBuffer::FailingBuffer(std::size_t byteBudget, std::size_t seekBudget)
    : byteBudget_(byteBudget), seekBudget_(seekBudget) {}

FailingBuffer::int_type FailingBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof()))
    return traits_type::not_eof(c);
  if (byteBudget_ == 0) {
    ++refusals_;
    return traits_type::eof();
  }
  --byteBudget_;
  if (position_ >= bytes_.size())
    bytes_.resize(position_ + 1);
  bytes_[position_++] = traits_type::to_char_type(c);
  return c;
}

FailingBuffer::pos_type FailingBuffer::seekoff(off_type offset, std::ios_base::seekdir direction,
                                               std::ios_base::openmode which) {
  if ((which & std::ios_base::out) == 0 || seekBudget_ == 0) {
    ++refusals_;
    return pos_type(off_type(-1));
  }
  --seekBudget_;
  const off_type base = direction == std::ios_base::beg   ? 0
                        : direction == std::ios_base::cur ? static_cast<off_type>(position_)
                                                          : static_cast<off_type>(bytes_.size());
  if (base + offset < 0)
    return pos_type(off_type(-1));
  position_ = static_cast<std::size_t>(base + offset);
  return pos_type(static_cast<off_type>(position_));
}

FailingBuffer::pos_type FailingBuffer::seekpos(pos_type position, std::ios_base::openmode which) {
  return seekoff(off_type(position), std::ios_base::beg, which);
}
