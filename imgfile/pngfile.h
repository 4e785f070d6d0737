#pragma once

#include "foundation/error.h"

#include <cstdint>

// Hands a PNG writer its rows, top row first, as red, green, blue bytes.
class PngRowSource {
public:
  virtual ~PngRowSource() = default;
  virtual void Fill(std::int32_t y, std::uint8_t *rgb) = 0;
};

// Writes a width × height true-colour PNG file with the platform's own PNG
// library. A file left half written is removed.
[[nodiscard]] Error WritePngFile(const char *path, std::int32_t width, std::int32_t height,
                                 PngRowSource &rows);
