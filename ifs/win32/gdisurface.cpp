#include "ifs/win32/gdisurface.h"

#include "foundation/win32/scopedwin.h"
#include "ifs/win32/display.h"

#include <cstring>

namespace {

// About one frame of a 60 Hz display.
constexpr DWORD kFrameMs = 16;

struct BitmapInfo256 {
  BITMAPINFOHEADER header;
  RGBQUAD colours[kPaletteEntries];
};

HBITMAP MakeSection(HDC dc, const BITMAPINFO *info, void **bits) {
  return CreateDIBSection(dc, info, DIB_RGB_COLORS, bits, nullptr, 0);
}

ifsSectionMaker sectionMaker = MakeSection;

} // namespace

void SetSectionMaker(ifsSectionMaker maker) {
  sectionMaker = maker != nullptr ? maker : MakeSection;
}

ifsGdiSurface::~ifsGdiSurface() { Destroy(); }

Error ifsGdiSurface::Create(HWND window, int width, int height, HPALETTE palette) {
  Destroy();
  if (width <= 0 || height <= 0)
    return MakeError("The drawing area is empty.");
  WindowDC dc(window);
  if (dc.Get() == nullptr)
    return MakeError("The window has no device context.");
  window_ = window;
  const bool indexed = palette != nullptr && ::UsesPalette(dc.Get());
  palette_ = indexed ? palette : nullptr;
  SetPixelsPerInch(GetDeviceCaps(dc.Get(), LOGPIXELSX), GetDeviceCaps(dc.Get(), LOGPIXELSY));
  if (indexed) {
    PALETTEENTRY entries[kPaletteEntries] = {};
    const UINT count = GetPaletteEntries(palette, 0, kPaletteEntries, entries);
    for (UINT i = 0; i < count; ++i)
      SetPaletteEntry(static_cast<int>(i), entries[i].peRed, entries[i].peGreen, entries[i].peBlue);
  }
  Error result = CreateBitmap(dc.Get(), width, height, indexed);
  if (result.Failed())
    Destroy();
  lastPresent_ = GetTickCount();
  return result;
}

Error ifsGdiSurface::CreateBitmap(HDC windowDc, int width, int height, bool indexed) {
  BitmapInfo256 info;
  std::memset(&info, 0, sizeof info);
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = -height; // top row first, as the surface addresses it
  info.header.biPlanes = 1;
  info.header.biBitCount = indexed ? 8 : 32;
  info.header.biCompression = BI_RGB;
  if (indexed) {
    info.header.biClrUsed = kPaletteEntries;
    for (int i = 0; i < kPaletteEntries; ++i)
      std::memcpy(&info.colours[i], &Palette()[i], sizeof(RGBQUAD));
  }
  void *bits = nullptr;
  bitmap_ = sectionMaker(windowDc, reinterpret_cast<BITMAPINFO *>(&info), &bits);
  if (bitmap_ == nullptr || bits == nullptr)
    return MakeError("The drawing surface could not be created.");
  memoryDc_ = CreateCompatibleDC(windowDc);
  if (memoryDc_ == nullptr)
    return MakeError("The drawing surface could not be created.");
  previousBitmap_ = SelectObject(memoryDc_, bitmap_);
  const int stride = indexed ? (width + 3) & ~3 : width * 4;
  Attach(static_cast<std::uint8_t *>(bits), stride, width, height,
         indexed ? ifsPixelFormat::Indexed8 : ifsPixelFormat::Rgb32);
  Clear();
  return Error();
}

void ifsGdiSurface::Destroy() {
  Detach();
  if (memoryDc_ != nullptr) {
    SelectObject(memoryDc_, previousBitmap_);
    DeleteDC(memoryDc_);
  }
  if (bitmap_ != nullptr)
    DeleteObject(bitmap_);
  memoryDc_ = nullptr;
  bitmap_ = nullptr;
  previousBitmap_ = nullptr;
  palette_ = nullptr;
  window_ = nullptr;
}

void ifsGdiSurface::EndBatch() {
  if (GetTickCount() - lastPresent_ >= kFrameMs)
    Present();
}

void ifsGdiSurface::Present() {
  lastPresent_ = GetTickCount();
  const ifsPixelRect dirty = Dirty();
  if (!IsCreated() || dirty.IsEmpty())
    return;
  WindowDC dc(window_);
  if (dc.Get() == nullptr)
    return;
  CopyTo(dc.Get(), dirty);
  ClearDirty();
}

void ifsGdiSurface::Paint(HDC dc, const RECT &area) {
  if (!IsCreated())
    return;
  const ifsPixelRect clipped = Clipped(static_cast<int>(area.left), static_cast<int>(area.top),
                                       static_cast<int>(area.right), static_cast<int>(area.bottom));
  if (!clipped.IsEmpty())
    CopyTo(dc, clipped);
}

ifsPixelRect ifsGdiSurface::Clipped(int left, int top, int right, int bottom) const {
  return {left < 0 ? 0 : left, top < 0 ? 0 : top, right > Width() ? Width() : right,
          bottom > Height() ? Height() : bottom};
}

void ifsGdiSurface::FinishGdiDrawing(const ifsPixelRect &area) {
  // GDI may batch its drawing; the fractal's direct pixel writes must land after it.
  GdiFlush();
  const ifsPixelRect clipped = Clipped(area.left, area.top, area.right, area.bottom);
  MergeDirty(clipped.left, clipped.top, clipped.right - 1, clipped.bottom - 1);
}

void ifsGdiSurface::CopyTo(HDC dc, const ifsPixelRect &area) {
  SelectedPalette selected(dc, palette_);
  // A device context fresh from GetDC maps through the palette only once the
  // palette is realised there; an already realised one leaves the system
  // palette as it is, so this costs little.
  if (palette_ != nullptr)
    RealizePalette(dc);
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memoryDc_,
         area.left, area.top, SRCCOPY);
  GdiFlush();
}
