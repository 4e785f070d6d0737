#pragma once

#include "foundation/error.h"
#include "imgfile/imagefile.h"

#include <cstdint>

constexpr std::int32_t kShotChunkRows8 = 100;
constexpr std::int32_t kShotChunkRows24 = 33;
constexpr std::int32_t kShotPaletteBytes = 768;

// Hands out the captured image's scan lines, bottom row first, in the
// device-independent layout (rows padded to 4 bytes).
class pwScanLineSource {
public:
  virtual ~pwScanLineSource() = default;
  // Fills buffer with count lines from line first; returns the lines copied.
  virtual std::int32_t Fetch(std::int32_t first, std::int32_t count, std::uint8_t *buffer) = 0;
};

// Bytes of one device-independent row.
std::int32_t ShotRowStride(std::int32_t width, bool indexed);

// Writes a captured screen: 8 bits with the 768-byte RGB table when palette
// is given, else 24 bits. Lines are fetched a chunk at a time so a large
// screen never needs a copy of itself in memory.
[[nodiscard]] Error WriteScreenShot(ImageFileBase &file, std::int32_t width, std::int32_t height,
                                    const std::uint8_t *palette, pwScanLineSource &source);
