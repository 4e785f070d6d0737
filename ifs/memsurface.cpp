#include "ifs/memsurface.h"

#include <cstddef>

namespace {

int PaddedStride(int width, ifsPixelFormat format) {
  const int bytes = format == ifsPixelFormat::Rgb32 ? width * 4 : width;
  return (bytes + 3) & ~3;
}

} // namespace

ifsMemorySurface::ifsMemorySurface(int width, int height, ifsPixelFormat format, int pixelsPerInchX,
                                   int pixelsPerInchY) {
  if (width < 0)
    width = 0;
  if (height < 0)
    height = 0;
  const int stride = PaddedStride(width, format);
  const std::size_t words = static_cast<std::size_t>(stride / 4) * static_cast<std::size_t>(height);
  pixels_.reset(new std::uint32_t[words > 0 ? words : 1]());
  Attach(reinterpret_cast<std::uint8_t *>(pixels_.get()), stride, width, height, format);
  SetPixelsPerInch(pixelsPerInchX, pixelsPerInchY);
}
