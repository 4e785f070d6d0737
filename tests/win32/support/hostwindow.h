#pragma once

#include <windows.h>

// A visible top-level window with the system's default behaviour, for what
// needs a parent or an owner: a preview host, a window to switch to. Gone
// with the object at the latest.
class HostWindow {
public:
  explicit HostWindow(const char *title = "Host", int x = 10, int y = 10, int width = 320,
                      int height = 240);
  ~HostWindow() { Close(); }
  HostWindow(const HostWindow &) = delete;
  HostWindow &operator=(const HostWindow &) = delete;

  HWND Get() const { return window_; }
  void Close();

private:
  HWND window_ = nullptr;
};
