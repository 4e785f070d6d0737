#pragma once

#include <windows.h>

// Scope guards for Win32 device contexts and GDI objects, so every early
// return releases what the scope got. Owning guards delete or free their
// handle; borrowing guards only undo what they did to someone else's.

// Owns one GDI object (pen, brush, font, bitmap, palette) and deletes it.
// Deselect it before the guard ends: GDI does not delete a selected object.
template <typename Handle> class GdiObject {
public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject &) = delete;
  GdiObject &operator=(const GdiObject &) = delete;

  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr)
      DeleteObject(handle_);
    handle_ = handle;
  }
  // Hands the object over to the caller, who deletes it.
  Handle Release() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

private:
  Handle handle_ = nullptr;
};

// Owns a memory device context from CreateCompatibleDC and deletes it.
class MemoryDC {
public:
  MemoryDC() = default;
  explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDC() { Reset(); }
  MemoryDC(const MemoryDC &) = delete;
  MemoryDC &operator=(const MemoryDC &) = delete;

  void Reset(HDC dc = nullptr) {
    if (dc_ != nullptr)
      DeleteDC(dc_);
    dc_ = dc;
  }
  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

private:
  HDC dc_ = nullptr;
};

// A window's device context from GetDC, released with ReleaseDC.
class WindowDC {
public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_ != nullptr)
      ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC &) = delete;
  WindowDC &operator=(const WindowDC &) = delete;

  HDC Get() const { return dc_; }

private:
  HWND window_; // not owned
  HDC dc_;
};

// The painting device context of BeginPaint, ended with EndPaint.
class PaintDC {
public:
  explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDC() { EndPaint(window_, &paint_); }
  PaintDC(const PaintDC &) = delete;
  PaintDC &operator=(const PaintDC &) = delete;

  HDC Get() const { return dc_; }

private:
  HWND window_; // not owned
  PAINTSTRUCT paint_ = {};
  HDC dc_;
};

// Keeps an object selected into a device context for the guard's lifetime.
class SelectedObject {
public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR)
      SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject &) = delete;
  SelectedObject &operator=(const SelectedObject &) = delete;

private:
  HDC dc_;           // not owned
  HGDIOBJ previous_; // not owned
};

// A palette selected into a device context for the length of a scope: as a
// foreground palette, not realised again. A null palette selects nothing.
class SelectedPalette {
public:
  SelectedPalette(HDC dc, HPALETTE palette)
      : dc_(dc), previous_(palette != nullptr ? SelectPalette(dc, palette, FALSE) : nullptr) {}
  ~SelectedPalette() {
    if (previous_ != nullptr)
      SelectPalette(dc_, previous_, FALSE);
  }
  SelectedPalette(const SelectedPalette &) = delete;
  SelectedPalette &operator=(const SelectedPalette &) = delete;

private:
  HDC dc_;            // not owned
  HPALETTE previous_; // not owned
};
