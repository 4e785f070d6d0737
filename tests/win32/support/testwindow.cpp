#include "tests/win32/support/testwindow.h"

#include "ifs/win32/gdisurface.h"
#include "tests/win32/support/messagepump.h"

namespace {

const char kClassName[] = "ifsTestWindow";

void RegisterOnce(WNDPROC procedure) {
  static bool registered = false;
  if (registered)
    return;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kClassName;
  registered = RegisterClassA(&windowClass) != 0;
}

} // namespace

TestWindow::TestWindow(int width, int height) {
  RegisterOnce(Procedure);
  window_ = CreateWindowExA(WS_EX_TOPMOST, kClassName, "ifs test", WS_POPUP | WS_VISIBLE, 0, 0,
                            width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  UpdateWindow(window_);
  Pump();
}

TestWindow::~TestWindow() {
  if (window_ != nullptr)
    DestroyWindow(window_);
  Pump();
}

void TestWindow::SetPaintSource(ifsGdiSurface *surface) { paintSource_ = surface; }

void TestWindow::Pump() { PumpWaiting(); }

void TestWindow::Repaint() {
  InvalidateRect(window_, nullptr, TRUE);
  UpdateWindow(window_);
  Pump();
}

LRESULT CALLBACK TestWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TestWindow *self = reinterpret_cast<TestWindow *>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_PAINT && self != nullptr && self->paintSource_ != nullptr) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    self->paintSource_->Paint(dc, paint.rcPaint);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

TestWindow &SharedTestWindow() {
  static TestWindow window(kTestWindowWidth, kTestWindowHeight);
  return window;
}
