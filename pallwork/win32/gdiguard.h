#pragma once

#include <windows.h>

// Owns one GDI object (pen, brush, font, bitmap, palette) and deletes it.
// Deselect it before the guard ends: GDI does not delete a selected object.
template <typename Handle> class pwGdiObject {
public:
  pwGdiObject() = default;
  explicit pwGdiObject(Handle handle) : handle_(handle) {}
  ~pwGdiObject() { Reset(); }
  pwGdiObject(const pwGdiObject &) = delete;
  pwGdiObject &operator=(const pwGdiObject &) = delete;

  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr)
      DeleteObject(handle_);
    handle_ = handle;
  }
  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

private:
  Handle handle_ = nullptr;
};
