#pragma once

#include "foundation/error.h"
#include "imgfile/imagefile.h"

#include <cstddef>
#include <cstdint>
#include <ios>
#include <streambuf>
#include <string>
#include <vector>

// A picture in memory, top row first: red, green, blue triples for 24 bits,
// palette indexes for 8 bits.
struct TestImage {
  std::int32_t width;
  std::int32_t height;
  std::int32_t colours;
  std::vector<std::uint8_t> pixels;
  std::vector<std::uint8_t> palette; // 256 red, green, blue triples
};

// Every pixel differs from its neighbours, so a misplaced row or a swapped
// channel shows.
TestImage MakeTestImage(std::int32_t width, std::int32_t height, std::int32_t colours);

enum class RowOrder { Sequential, RandomAccess };
enum class RowFormat { Native, RGB };

// Initializes, writes every row in the order the mode wants and completes;
// the first failure is returned.
Error WriteImage(ImageFileBase &file, const TestImage &image, RowOrder order,
                 RowFormat format = RowFormat::Native);
std::string WriteToMemory(const TestImage &image, RowOrder order,
                          RowFormat format = RowFormat::Native);

// What a viewer shows: red, green, blue per pixel, top row first.
std::vector<std::uint8_t> ExpectedRGB(const TestImage &image);

std::uint32_t ReadLittleEndian(const std::string &bytes, std::size_t offset, int size);

// Accepts a budget of bytes and of seeks (position queries included), then
// refuses every further one and counts the refusals.
class FailingBuffer : public std::streambuf {
public:
  FailingBuffer(std::size_t byteBudget, std::size_t seekBudget);

  const std::string &Bytes() const { return bytes_; }
  std::size_t Refusals() const { return refusals_; }

protected:
  int_type overflow(int_type c) override;
  pos_type seekoff(off_type offset, std::ios_base::seekdir direction,
                   std::ios_base::openmode which) override;
  pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

private:
  std::string bytes_;
  std::size_t position_ = 0;
  std::size_t byteBudget_;
  std::size_t seekBudget_;
  std::size_t refusals_ = 0;
};
