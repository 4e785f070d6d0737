#include "ifs/win32/directsurface.h"

#include "foundation/win32/scopedwin.h"
#include "ifs/win32/display.h"

void ifsDirectSurface::Create(HWND window, int width, int height, HPALETTE palette) {
  Destroy();
  WindowDC dc(window);
  if (width <= 0 || height <= 0 || dc.Get() == nullptr)
    return;
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
  AttachPlots(plots_, kPlotCapacity, width, height,
              indexed ? ifsPixelFormat::Indexed8 : ifsPixelFormat::Rgb32);
}

void ifsDirectSurface::Destroy() {
  Detach();
  window_ = nullptr;
  palette_ = nullptr;
}

void ifsDirectSurface::Present() {
  DrawPlots();
  ClearPlots();
  ClearDirty();
}

void ifsDirectSurface::DrawPlots() {
  if (PlotCount() == 0 || window_ == nullptr)
    return;
  WindowDC dc(window_);
  if (dc.Get() == nullptr)
    return;
  SelectedPalette selected(dc.Get(), palette_);
  if (palette_ != nullptr)
    RealizePalette(dc.Get());
  for (const ifsPlot *plot = Plots(); plot != Plots() + PlotCount(); ++plot) {
    const std::uint32_t v = plot->value;
    const COLORREF colour = palette_ != nullptr ? PALETTEINDEX(static_cast<WORD>(v))
                                                : RGB((v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff);
    SetPixelV(dc.Get(), plot->x, plot->y, colour);
  }
}
