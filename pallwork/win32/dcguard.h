#pragma once

#include <windows.h>

// Scope guards for device contexts, so every early return releases them.

// A window's device context from GetDC, released with ReleaseDC.
class pwWindowDC {
public:
  explicit pwWindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~pwWindowDC() {
    if (dc_ != nullptr)
      ReleaseDC(window_, dc_);
  }
  pwWindowDC(const pwWindowDC &) = delete;
  pwWindowDC &operator=(const pwWindowDC &) = delete;

  HDC Get() const { return dc_; }

private:
  HWND window_; // not owned
  HDC dc_;
};

// The painting device context of BeginPaint, ended with EndPaint.
class pwPaintDC {
public:
  explicit pwPaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~pwPaintDC() { EndPaint(window_, &paint_); }
  pwPaintDC(const pwPaintDC &) = delete;
  pwPaintDC &operator=(const pwPaintDC &) = delete;

  HDC Get() const { return dc_; }

private:
  HWND window_; // not owned
  PAINTSTRUCT paint_ = {};
  HDC dc_;
};

// Keeps an object selected into a device context for the guard's lifetime.
class pwSelectedObject {
public:
  pwSelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~pwSelectedObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR)
      SelectObject(dc_, previous_);
  }
  pwSelectedObject(const pwSelectedObject &) = delete;
  pwSelectedObject &operator=(const pwSelectedObject &) = delete;

private:
  HDC dc_;           // not owned
  HGDIOBJ previous_; // not owned
};
