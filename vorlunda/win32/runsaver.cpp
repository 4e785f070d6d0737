#include "pallwork/saverapp.h"

#include "ifs/mathtrap.h"

#include <windows.h>

// A stand-in saver: a black window that goes away on a key press, until the
// real saver window takes its place.

namespace {

constexpr char kClassName[] = "VorlundaBlankSaver";

LRESULT CALLBACK BlankSaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool preview = (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0;
  switch (message) {
  case WM_KEYDOWN:
  case WM_SYSKEYDOWN:
    // A preview belongs to its host, which closes it; keys there are the host's.
    if (!preview)
      DestroyWindow(window);
    return 0;
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  default:
    break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterBlankSaverClass(HINSTANCE instance) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = BlankSaverProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kClassName;
  return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateBlankSaver(HINSTANCE instance, HWND parent) {
  if (parent != nullptr) {
    RECT area = {};
    GetClientRect(parent, &area);
    return CreateWindowExA(0, kClassName, "", WS_CHILD, 0, 0, area.right, area.bottom, parent,
                           nullptr, instance, nullptr);
  }
  return CreateWindowExA(WS_EX_TOPMOST, kClassName, "", WS_POPUP, 0, 0,
                         GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                         nullptr, instance, nullptr);
}

} // namespace

std::int32_t pwScreenSaverApp::RunSaver(int showCommand, pwWindowHandle parent) {
  InstallMathTrap();
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!RegisterBlankSaverClass(instance))
    return 0;
  const HWND window = CreateBlankSaver(instance, static_cast<HWND>(parent));
  if (window == nullptr)
    return 0;
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
