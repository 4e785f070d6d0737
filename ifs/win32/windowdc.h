#pragma once

#include <windows.h>

// A window's device context for the length of a scope.
class ifsWindowDC {
public:
  explicit ifsWindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~ifsWindowDC() {
    if (dc_ != nullptr)
      ReleaseDC(window_, dc_);
  }
  ifsWindowDC(const ifsWindowDC &) = delete;
  ifsWindowDC &operator=(const ifsWindowDC &) = delete;

  HDC Get() const { return dc_; }

private:
  HWND window_; // not owned
  HDC dc_;
};

// A palette selected into a device context for the length of a scope: as a
// foreground palette, not realised again. A null palette selects nothing.
class ifsSelectedPalette {
public:
  ifsSelectedPalette(HDC dc, HPALETTE palette)
      : dc_(dc), previous_(palette != nullptr ? SelectPalette(dc, palette, FALSE) : nullptr) {}
  ~ifsSelectedPalette() {
    if (previous_ != nullptr)
      SelectPalette(dc_, previous_, FALSE);
  }
  ifsSelectedPalette(const ifsSelectedPalette &) = delete;
  ifsSelectedPalette &operator=(const ifsSelectedPalette &) = delete;

private:
  HDC dc_;            // not owned
  HPALETTE previous_; // not owned
};
