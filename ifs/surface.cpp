#include "ifs/surface.h"

#include "ifs/colour.h"

#include <cassert>
#include <climits>
#include <cstring>

namespace {

constexpr std::uint32_t PackEntry(int red, int green, int blue) {
  return static_cast<std::uint32_t>(red) << 16 | static_cast<std::uint32_t>(green) << 8 |
         static_cast<std::uint32_t>(blue);
}

int EntryRed(std::uint32_t entry) { return (entry >> 16) & 0xff; }
int EntryGreen(std::uint32_t entry) { return (entry >> 8) & 0xff; }
int EntryBlue(std::uint32_t entry) { return entry & 0xff; }

} // namespace

void ifsSurface::Attach(std::uint8_t *bits, int stride, int width, int height,
                        ifsPixelFormat format) {
  bits_ = bits;
  stride_ = stride;
  width_ = width;
  height_ = height;
  format_ = format;
  plots_ = nullptr;
  plotCount_ = 0;
  plotCapacity_ = 0;
  ClearDirty();
}

void ifsSurface::AttachPlots(ifsPlot *plots, int capacity, int width, int height,
                             ifsPixelFormat format) {
  assert(plots != nullptr && capacity > 0);
  Attach(nullptr, 0, width, height, format);
  plots_ = plots;
  plotCapacity_ = capacity;
}

void ifsSurface::SetPixelsPerInch(int x, int y) {
  pixelsPerInchX_ = x;
  pixelsPerInchY_ = y;
}

std::uint32_t ifsSurface::ReadColour(int x, int y) const {
  if (!Contains(x, y) || bits_ == nullptr)
    return 0;
  std::uint32_t entry;
  if (format_ == ifsPixelFormat::Rgb32)
    std::memcpy(&entry, Row(y) + 4 * static_cast<std::intptr_t>(x), sizeof entry);
  else
    entry = palette_[Row(y)[x]];
  return MakeColourRef(EntryRed(entry), EntryGreen(entry), EntryBlue(entry));
}

int ifsSurface::ReadIndex(int x, int y) const {
  assert(format_ == ifsPixelFormat::Indexed8);
  return Contains(x, y) && bits_ != nullptr ? Row(y)[x] : -1;
}

void ifsSurface::SetPaletteEntry(int index, int red, int green, int blue) {
  assert(index >= 0 && index < kPaletteEntries);
  palette_[index] = PackEntry(red, green, blue);
}

void ifsSurface::SetCubePalette(int base) {
  for (int offset = 0; offset < kCubeSize && base + offset < kPaletteEntries; ++offset) {
    const ifsRgb rgb = CubeColour(offset);
    SetPaletteEntry(base + offset, rgb.red, rgb.green, rgb.blue);
  }
}

// Only for colours written onto an indexed surface, which the fractal avoids
// by writing indexes there; a linear search is good enough.
int ifsSurface::NearestEntry(int red, int green, int blue) const {
  int best = 0;
  int bestDistance = INT_MAX;
  for (int i = 0; i < kPaletteEntries; ++i) {
    const int dr = EntryRed(palette_[i]) - red;
    const int dg = EntryGreen(palette_[i]) - green;
    const int db = EntryBlue(palette_[i]) - blue;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return best;
}

void ifsSurface::Clear() {
  if (bits_ == nullptr) {
    ClearPlots();
    MarkAllDirty();
    return;
  }
  const int rowBytes = format_ == ifsPixelFormat::Rgb32 ? width_ * 4 : width_;
  for (int y = 0; y < height_; ++y)
    std::memset(Row(y), 0, static_cast<std::size_t>(rowBytes));
  MarkAllDirty();
}

void ifsSurface::ClearRect(const ifsPixelRect &rect) {
  const int left = rect.left < 0 ? 0 : rect.left;
  const int top = rect.top < 0 ? 0 : rect.top;
  const int right = rect.right > width_ ? width_ : rect.right;
  const int bottom = rect.bottom > height_ ? height_ : rect.bottom;
  if (right <= left || bottom <= top)
    return;
  if (bits_ != nullptr) {
    const int bytes = format_ == ifsPixelFormat::Rgb32 ? 4 : 1;
    for (int y = top; y < bottom; ++y)
      std::memset(Row(y) + static_cast<std::intptr_t>(left) * bytes, 0,
                  static_cast<std::size_t>(right - left) * bytes);
  }
  MergeDirty(left, top, right - 1, bottom - 1);
}

ifsPixelRect ifsSurface::Dirty() const {
  if (dirtyLeft_ > dirtyRight_)
    return {};
  return {dirtyLeft_, dirtyTop_, dirtyRight_ + 1, dirtyBottom_ + 1};
}

void ifsSurface::ClearDirty() {
  dirtyLeft_ = INT_MAX;
  dirtyTop_ = INT_MAX;
  dirtyRight_ = INT_MIN;
  dirtyBottom_ = INT_MIN;
}

void ifsSurface::MergeDirty(int left, int top, int right, int bottom) {
  if (left > right || top > bottom)
    return;
  if (left < dirtyLeft_)
    dirtyLeft_ = left;
  if (top < dirtyTop_)
    dirtyTop_ = top;
  if (right > dirtyRight_)
    dirtyRight_ = right;
  if (bottom > dirtyBottom_)
    dirtyBottom_ = bottom;
}

void ifsSurface::MarkAllDirty() {
  if (width_ <= 0 || height_ <= 0)
    return;
  dirtyLeft_ = 0;
  dirtyTop_ = 0;
  dirtyRight_ = width_ - 1;
  dirtyBottom_ = height_ - 1;
}
