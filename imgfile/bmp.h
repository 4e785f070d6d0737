#pragma once

#include "imgfile/imagefile.h"

#include <cstdint>
#include <ios>
#include <vector>

// Uncompressed Windows bitmap, 8 bits with a palette or 24 bits, written one
// row at a time. Sequential files take their rows bottom row first, as screen
// bits arrive; random-access files take them top row first and place each by
// seeking into a blank image written up front. Reading is not supported.
class BmpFile : public ImageFileBase {
public:
  explicit BmpFile(std::istream &input);
  explicit BmpFile(std::ostream &output);

  Error Width(std::int32_t &width) const override;
  Error Height(std::int32_t &height) const override;
  Error Colours(std::int32_t &colours) const override;

  Error ReadInfo() override;
  Error ReadRow(std::uint8_t *row) override;

  Error Initialize(std::int32_t width, std::int32_t height, bool randomAccess, std::int32_t colours,
                   bool compressed, const std::uint8_t *palette) override;
  Error WriteRowRGB(const std::uint8_t *row) override;
  Error WriteRow24(const std::uint8_t *row) override;
  Error WriteRow8(const std::uint8_t *row) override;
  Error Complete() override;

private:
  enum class Direction { Read, Write };
  enum class Setup { MustBeInitialized, MustNotBeInitialized };

  Error CheckState(Direction direction, Setup setup, bool mustNotBeCompleted) const;
  Error CheckNextRow(std::int32_t colours) const;
  Error WriteCheckedRow(const std::uint8_t *row, std::int32_t colours);
  Error WriteRow(const std::uint8_t *row);
  bool WriteHeaders();
  bool WritePalette(const std::uint8_t *palette);
  bool WriteBlankImage();
  Error WriteFailure();

  std::uint32_t RowSize() const;
  std::uint32_t DataOffset() const;
  std::uint8_t *RowBuffer();

  bool initialized_ = false;
  bool completed_ = false;
  bool ok_ = true;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::int32_t colours_ = 0;
  std::int32_t rowsWritten_ = 0;
  bool randomAccess_ = false;
  std::streampos dataStart_ = 0;
  // A byte buffer of a size known up front and zeroed, which DynArray (grown
  // by Add) does not give; std::vector is kept for that.
  std::vector<std::uint8_t> rowBuffer_;
};
