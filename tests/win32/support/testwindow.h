#pragma once

#include <windows.h>

class ifsGdiSurface;

// A visible top-level window with a black background whose WM_PAINT copies
// from a surface, as the saver window does.
class TestWindow {
public:
  TestWindow(int width, int height);
  ~TestWindow();
  TestWindow(const TestWindow &) = delete;
  TestWindow &operator=(const TestWindow &) = delete;

  HWND Handle() const { return window_; }
  void SetPaintSource(ifsGdiSurface *surface); // not owned
  // Dispatches every waiting message.
  void Pump();
  // Erases the whole window to its background and lets WM_PAINT run.
  void Repaint();

private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  ifsGdiSurface *paintSource_ = nullptr; // not owned
};

// One window for the whole test program: taking a window off the screen
// costs seconds under Wine without a window manager.
constexpr int kTestWindowWidth = 320;
constexpr int kTestWindowHeight = 200;
TestWindow &SharedTestWindow();
