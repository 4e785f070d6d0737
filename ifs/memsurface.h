#pragma once

#include "ifs/surface.h"

#include <cstdint>
#include <memory>

// A surface in plain memory: for tests, benchmarks and rendering without a
// window. Rows are padded to four bytes, as bitmap files keep them.
class ifsMemorySurface : public ifsSurface {
public:
  ifsMemorySurface(int width, int height, ifsPixelFormat format = ifsPixelFormat::Rgb32,
                   int pixelsPerInchX = 96, int pixelsPerInchY = 96);

private:
  // 32-bit words, so that 32-bit pixels are stored as what they are.
  std::unique_ptr<std::uint32_t[]> pixels_;
};
