#pragma once

#include "foundation/error.h"

#include <cstdint>
#include <iosfwd>

// An image file opened in one direction on a stream the caller opens, keeps
// alive and closes. Rows are whole rows of Width() pixels.
class ImageFileBase {
public:
  explicit ImageFileBase(std::istream &input) : input_(&input) {}
  explicit ImageFileBase(std::ostream &output) : output_(&output) {}
  virtual ~ImageFileBase() = default;
  ImageFileBase(const ImageFileBase &) = delete;
  ImageFileBase &operator=(const ImageFileBase &) = delete;

  virtual Error Width(std::int32_t &width) const = 0;
  virtual Error Height(std::int32_t &height) const = 0;
  // Bits per pixel.
  virtual Error Colours(std::int32_t &colours) const = 0;

  virtual Error ReadInfo() = 0;
  virtual Error ReadRow(std::uint8_t *row) = 0;

  // palette: 256 red, green, blue triples; needed only for 8 bits per pixel.
  virtual Error Initialize(std::int32_t width, std::int32_t height, bool randomAccess,
                           std::int32_t colours, bool compressed, const std::uint8_t *palette) = 0;
  // Pixels as red, green, blue.
  virtual Error WriteRowRGB(const std::uint8_t *row) = 0;
  // Pixels as blue, green, red.
  virtual Error WriteRow24(const std::uint8_t *row) = 0;
  // Palette indexes.
  virtual Error WriteRow8(const std::uint8_t *row) = 0;
  virtual Error Complete() = 0;

protected:
  std::istream *input_ = nullptr;  // not owned; null when writing
  std::ostream *output_ = nullptr; // not owned; null when reading
};
