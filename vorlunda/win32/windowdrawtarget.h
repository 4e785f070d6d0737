#pragma once

#include "ifs/win32/directsurface.h"
#include "ifs/win32/gdisurface.h"
#include "vorlunda/drawtarget.h"

#include <windows.h>

// The saver window as the factory's drawing target. Everything, the
// information line included, is drawn into the window's backing store, so a
// repaint or a screen shot shows exactly what was drawn. When no backing
// store can be had (a very large screen, little memory), the drawing goes
// straight onto the window instead.
class vWindowDrawTarget : public vDrawTarget {
public:
  // The backing store covers the client area as it is now; without a device
  // context there is no surface and the factory only counts.
  vWindowDrawTarget(HWND window, bool preview);
  ~vWindowDrawTarget() override;

  ifsSurface *Surface() override;
  bool IsPreview() const override { return preview_; }
  int ClientWidth() const override { return width_; }
  int ClientHeight() const override { return height_; }
  int InfoFontHeight() override;
  int CreatePalette() override;
  void RealizePalette() override;
  void ClearToBlack() override;
  void ClearRectToBlack(const ifsPixelRect &rect) override;
  void DrawInfoLine(const ifsPixelRect &rect, const char *text) override;
  void Present() override;

  // Null unless the display uses a 256-colour palette.
  HPALETTE Palette() const { return palette_; }
  // Copies the backing store to a painting window.
  void Paint(HDC dc, const RECT &area) { surface_.Paint(dc, area); }
  bool HasBackingStore() const { return surface_.IsCreated(); }

private:
  void CreateSurface();

  HWND window_; // not owned
  bool preview_;
  int width_ = 0;
  int height_ = 0;
  HPALETTE palette_ = nullptr;
  int paletteBase_ = -1;
  ifsGdiSurface surface_;
  ifsDirectSurface direct_; // only without surface_
};
