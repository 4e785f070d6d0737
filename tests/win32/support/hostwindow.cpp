#include "tests/win32/support/hostwindow.h"

namespace {

constexpr char kHostClass[] = "VorlundaTestHost";

void RegisterOnce() {
  static bool registered = false;
  if (registered)
    return;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kHostClass;
  registered = RegisterClassA(&windowClass) != 0;
}

} // namespace

HostWindow::HostWindow(const char *title, int x, int y, int width, int height) {
  RegisterOnce();
  window_ = CreateWindowExA(0, kHostClass, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width,
                            height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void HostWindow::Close() {
  if (window_ != nullptr)
    DestroyWindow(window_);
  window_ = nullptr;
}
