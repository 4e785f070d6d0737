#pragma once

#include "foundation/error.h"
#include "ifs/surface.h"

#include <windows.h>

// A window's drawing area kept in a device-independent bitmap that the
// fractal writes directly; the window is shown what was drawn at most once a
// display frame, because pixel writes on the window itself and whole-window
// copies cost far more than the points they show.
//
// Call Present when the window must show exactly what was drawn (a fractal
// finished, a screen shot about to be taken) and Paint from WM_PAINT. Clear
// the surface when the window is cleared, or WM_PAINT brings the old picture
// back.
// Makes the bitmap of every backing store, as CreateDIBSection does; a test
// puts in one that fails, as a system out of memory would.
using ifsSectionMaker = HBITMAP (*)(HDC dc, const BITMAPINFO *info, void **bits);
void SetSectionMaker(ifsSectionMaker maker); // null restores CreateDIBSection

class ifsGdiSurface : public ifsSurface {
public:
  ifsGdiSurface() = default;
  ~ifsGdiSurface() override;

  // The backing store for width × height pixels of the window's client area
  // from its top-left corner, black. With a palette on a palette display the
  // store is 8-bit with the palette's colours, and pixels are palette
  // indexes; otherwise it is 32-bit.
  [[nodiscard]] Error Create(HWND window, int width, int height, HPALETTE palette = nullptr);
  void Destroy();
  bool IsCreated() const { return bitmap_ != nullptr; }

  // Presents once a display frame has passed since the last presentation.
  void EndBatch() override;
  // Shows every pixel written since the last presentation.
  void Present();
  // Copies `area` (client coordinates) of the backing store to `dc`.
  void Paint(HDC dc, const RECT &area);

  // For GDI drawing into the backing store (text, fills). Call
  // FinishGdiDrawing afterwards, before pixels are written again.
  HDC MemoryDc() const { return memoryDc_; }
  void FinishGdiDrawing(const ifsPixelRect &area);

private:
  void CopyTo(HDC dc, const ifsPixelRect &area);
  // The part of [left, right) × [top, bottom) on the backing store.
  ifsPixelRect Clipped(int left, int top, int right, int bottom) const;
  [[nodiscard]] Error CreateBitmap(HDC windowDc, int width, int height, bool indexed);

  HWND window_ = nullptr;      // not owned
  HPALETTE palette_ = nullptr; // not owned
  HDC memoryDc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;
  DWORD lastPresent_ = 0;
};
