#pragma once

#include <cstdint>
#include <cstring>

enum class ifsPixelFormat : std::int32_t {
  Rgb32,    // 0x00RRGGBB a pixel, blue in the lowest byte, as bitmaps keep it
  Indexed8, // one palette index a pixel
};

constexpr int kPaletteEntries = 256;

// The colour value of the window system: 0x00BBGGRR.
constexpr std::uint32_t MakeColourRef(int red, int green, int blue) {
  return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
         static_cast<std::uint32_t>(blue) << 16;
}

// Pixels [left, right) × [top, bottom).
struct ifsPixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool IsEmpty() const { return right <= left || bottom <= top; }
};

// A pixel written onto a surface that keeps no picture of its own, waiting
// to be drawn on the device: 0x00RRGGBB, or a palette index on indexed
// surfaces.
struct ifsPlot {
  std::int32_t x;
  std::int32_t y;
  std::uint32_t value;
};

// Height / width of one pixel in physical units; 1 when the device does not say.
inline double PixelAspect(int pixelsPerInchX, int pixelsPerInchY) {
  if (pixelsPerInchX <= 0 || pixelsPerInchY <= 0)
    return 1.0;
  return static_cast<double>(pixelsPerInchY) / pixelsPerInchX;
}

// Physical width / height of an area of width × height pixels; 0 (no shape
// to fit) for an empty area.
inline double AspectRatio(int pixelsPerInchX, int pixelsPerInchY, int width, int height) {
  if (width <= 0 || height <= 0)
    return 0.0;
  return width * PixelAspect(pixelsPerInchX, pixelsPerInchY) / height;
}

// What a fractal draws into: a pixel buffer, top row first, with the facts
// of the device it stands for. Writes are plain inline stores (the drawing
// step uses ifsSurfaceBatch below), so a batch of points costs no virtual
// call per pixel; writes outside the buffer are ignored, as a device ignores
// pixels outside its clip. EndBatch is the one virtual call a drawing step
// makes: a window surface presents there.
class ifsSurface {
public:
  ifsSurface(const ifsSurface &) = delete;
  ifsSurface &operator=(const ifsSurface &) = delete;
  virtual ~ifsSurface() = default;

  int Width() const { return width_; }
  int Height() const { return height_; }
  ifsPixelFormat Format() const { return format_; }
  int Stride() const { return stride_; }
  int PixelsPerInchX() const { return pixelsPerInchX_; }
  int PixelsPerInchY() const { return pixelsPerInchY_; }
  // A 256-colour palette device: the fractal should write palette indexes.
  bool UsesPalette() const { return format_ == ifsPixelFormat::Indexed8; }
  // False when writes are only collected as plots for the device (see
  // AttachPlots); reads then see black.
  bool HasRaster() const { return bits_ != nullptr; }

  std::uint8_t *Row(int y) { return bits_ + static_cast<std::intptr_t>(y) * stride_; }
  const std::uint8_t *Row(int y) const { return bits_ + static_cast<std::intptr_t>(y) * stride_; }

  // Components 0 to 255. An indexed surface takes the nearest palette entry.
  void WriteRgb(int x, int y, int red, int green, int blue);
  void WriteColour(int x, int y, std::uint32_t colourRef) {
    WriteRgb(x, y, colourRef & 0xff, (colourRef >> 8) & 0xff, (colourRef >> 16) & 0xff);
  }
  // An index outside the palette is ignored. A 32-bit surface stores the
  // entry's colour, as a true-colour device resolves palette indexes.
  void WriteIndex(int x, int y, int index);
  // 0x00BBGGRR of the pixel, through the palette on indexed surfaces.
  std::uint32_t ReadColour(int x, int y) const;
  int ReadIndex(int x, int y) const; // indexed surfaces only

  // Entries 0x00RRGGBB, as a bitmap's colour table.
  const std::uint32_t *Palette() const { return palette_; }
  void SetPaletteEntry(int index, int red, int green, int blue);
  // Entries base to base + 215: the colour cube written by a fractal whose
  // palette base is `base`.
  void SetCubePalette(int base);

  // Black everywhere (index 0 on indexed surfaces); all marked dirty.
  void Clear();
  // Black in the part of `rect` on the surface, which is marked dirty.
  void ClearRect(const ifsPixelRect &rect);

  // The pixels written since the last ClearDirty.
  ifsPixelRect Dirty() const;
  void ClearDirty();
  void MarkAllDirty();

  // Called after each batch of writes; a window surface may present here.
  virtual void EndBatch() {}

  // Widens the dirty area by the inclusive box; an empty box (left > right)
  // changes nothing.
  void MergeDirty(int left, int top, int right, int bottom);

protected:
  ifsSurface() = default;
  void Attach(std::uint8_t *bits, int stride, int width, int height, ifsPixelFormat format);
  // No raster: every write becomes a plot in `plots` (capacity entries),
  // which the derived surface draws and empties in FlushPlots, called
  // whenever the list is full.
  void AttachPlots(ifsPlot *plots, int capacity, int width, int height, ifsPixelFormat format);
  void SetPixelsPerInch(int x, int y);
  void Detach() { Attach(nullptr, 0, 0, 0, format_); }

  const ifsPlot *Plots() const { return plots_; }
  int PlotCount() const { return plotCount_; }
  void ClearPlots() { plotCount_ = 0; }
  virtual void FlushPlots() { ClearPlots(); }

private:
  friend class ifsSurfaceBatch;

  bool Contains(int x, int y) const {
    return static_cast<unsigned>(x) < static_cast<unsigned>(width_) &&
           static_cast<unsigned>(y) < static_cast<unsigned>(height_);
  }
  void Touch(int x, int y) {
    if (x < dirtyLeft_)
      dirtyLeft_ = x;
    if (x > dirtyRight_)
      dirtyRight_ = x;
    if (y < dirtyTop_)
      dirtyTop_ = y;
    if (y > dirtyBottom_)
      dirtyBottom_ = y;
  }
  void StorePixel(int x, int y, std::uint32_t rgb) {
    std::memcpy(Row(y) + 4 * static_cast<std::intptr_t>(x), &rgb, sizeof rgb);
  }
  int NearestEntry(int red, int green, int blue) const;
  void Plot(int x, int y, std::uint32_t value) {
    if (plotCount_ == plotCapacity_)
      FlushPlots();
    plots_[plotCount_++] = ifsPlot{x, y, value};
  }

  std::uint8_t *bits_ = nullptr; // owned by the derived surface
  ifsPlot *plots_ = nullptr;     // owned by the derived surface
  int plotCount_ = 0;
  int plotCapacity_ = 0;
  int stride_ = 0;
  int width_ = 0;
  int height_ = 0;
  ifsPixelFormat format_ = ifsPixelFormat::Rgb32;
  int pixelsPerInchX_ = 96;
  int pixelsPerInchY_ = 96;
  std::uint32_t palette_[kPaletteEntries] = {};
  // Inclusive; empty while left > right.
  int dirtyLeft_ = 0, dirtyTop_ = 0, dirtyRight_ = -1, dirtyBottom_ = -1;
};

inline void ifsSurface::WriteRgb(int x, int y, int red, int green, int blue) {
  if (!Contains(x, y))
    return;
  Touch(x, y);
  const std::uint32_t value = format_ == ifsPixelFormat::Rgb32
                                  ? static_cast<std::uint32_t>(red) << 16 |
                                        static_cast<std::uint32_t>(green) << 8 |
                                        static_cast<std::uint32_t>(blue)
                                  : static_cast<std::uint32_t>(NearestEntry(red, green, blue));
  if (plots_ != nullptr)
    Plot(x, y, value);
  else if (format_ == ifsPixelFormat::Rgb32)
    StorePixel(x, y, value);
  else
    Row(y)[x] = static_cast<std::uint8_t>(value);
}

inline void ifsSurface::WriteIndex(int x, int y, int index) {
  if (!Contains(x, y) || static_cast<unsigned>(index) >= kPaletteEntries)
    return;
  Touch(x, y);
  if (plots_ != nullptr)
    Plot(x, y,
         format_ == ifsPixelFormat::Indexed8 ? static_cast<std::uint32_t>(index) : palette_[index]);
  else if (format_ == ifsPixelFormat::Indexed8)
    Row(y)[x] = static_cast<std::uint8_t>(index);
  else
    StorePixel(x, y, palette_[index]);
}

inline double AspectRatio(const ifsSurface &surface, int width, int height) {
  return AspectRatio(surface.PixelsPerInchX(), surface.PixelsPerInchY(), width, height);
}

// Unchecked writes for one batch of pixels, for the drawing hot path: the
// buffer's facts are copied into the batch so they can stay in registers
// while pixels are stored, and the dirty area is gathered on the side and
// merged when the batch ends. Callers keep x and y on the surface. A surface
// without a raster takes the checked writes instead.
class ifsSurfaceBatch {
public:
  explicit ifsSurfaceBatch(ifsSurface &surface)
      : surface_(surface), bits_(surface.bits_), stride_(surface.stride_),
        indexed_(surface.format_ == ifsPixelFormat::Indexed8), plotted_(surface.plots_ != nullptr),
        checkedRgb_(indexed_ || plotted_), palette_(surface.palette_) {}
  ~ifsSurfaceBatch() { surface_.MergeDirty(left_, top_, right_, bottom_); }
  ifsSurfaceBatch(const ifsSurfaceBatch &) = delete;
  ifsSurfaceBatch &operator=(const ifsSurfaceBatch &) = delete;

  void PutRgb(int x, int y, int red, int green, int blue) {
    if (checkedRgb_) {
      surface_.WriteRgb(x, y, red, green, blue);
      return;
    }
    Touch(x, y);
    Pixel32(x, y) = static_cast<std::uint32_t>(red) << 16 | static_cast<std::uint32_t>(green) << 8 |
                    static_cast<std::uint32_t>(blue);
  }
  // Indexes outside the palette are ignored.
  void PutIndex(int x, int y, int index) {
    if (static_cast<unsigned>(index) >= kPaletteEntries)
      return;
    if (plotted_) {
      surface_.WriteIndex(x, y, index);
      return;
    }
    Touch(x, y);
    if (indexed_)
      bits_[static_cast<std::intptr_t>(y) * stride_ + x] = static_cast<std::uint8_t>(index);
    else
      Pixel32(x, y) = palette_[index];
  }

  // Starts fetching a pixel that is about to be written.
  void Prefetch(int x, int y) const {
    if (plotted_)
      return;
    __builtin_prefetch(bits_ + static_cast<std::intptr_t>(y) * stride_ + (indexed_ ? x : 4 * x), 1);
  }

private:
  // 32-bit rows hold 32-bit values: the buffers are allocated as such.
  std::uint32_t &Pixel32(int x, int y) {
    return reinterpret_cast<std::uint32_t *>(bits_ + static_cast<std::intptr_t>(y) * stride_)[x];
  }
  void Touch(int x, int y) {
    left_ = x < left_ ? x : left_;
    right_ = x > right_ ? x : right_;
    top_ = y < top_ ? y : top_;
    bottom_ = y > bottom_ ? y : bottom_;
  }

  ifsSurface &surface_;
  std::uint8_t *const bits_;
  const int stride_;
  const bool indexed_;
  const bool plotted_;
  // Colours go through the surface's own writes: nearest palette entry, or plots.
  const bool checkedRgb_;
  const std::uint32_t *const palette_;
  int left_ = 1 << 30, top_ = 1 << 30, right_ = -1, bottom_ = -1;
};
