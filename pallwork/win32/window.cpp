#include "pallwork/win32/window.h"

#include "foundation/win32/scopedwin.h"

#include <cinttypes>
#include <cstdint>

namespace {

constexpr WORD kApplicationIconId = 32512; // IDI_APPLICATION
constexpr const char kSharedClassName[] = "Pallwork default";

bool sharedClassRegistered = false;

// Mouse coordinates are signed: a captured mouse left of or above the client
// area reports negative positions.
int SignedLowWord(LPARAM value) { return static_cast<std::int16_t>(LOWORD(value)); }
int SignedHighWord(LPARAM value) { return static_cast<std::int16_t>(HIWORD(value)); }

enum class MouseAction { Down, Up, DoubleClick };

struct MouseButtonMessage {
  UINT message;
  int button;
  MouseAction action;
};

constexpr MouseButtonMessage kMouseButtonMessages[] = {
    {WM_LBUTTONDOWN, 0, MouseAction::Down},
    {WM_MBUTTONDOWN, 1, MouseAction::Down},
    {WM_RBUTTONDOWN, 2, MouseAction::Down},
    {WM_LBUTTONUP, 0, MouseAction::Up},
    {WM_MBUTTONUP, 1, MouseAction::Up},
    {WM_RBUTTONUP, 2, MouseAction::Up},
    {WM_LBUTTONDBLCLK, 0, MouseAction::DoubleClick},
    {WM_MBUTTONDBLCLK, 1, MouseAction::DoubleClick},
    {WM_RBUTTONDBLCLK, 2, MouseAction::DoubleClick},
};

const MouseButtonMessage *FindMouseButtonMessage(UINT message) {
  for (const MouseButtonMessage &entry : kMouseButtonMessages)
    if (entry.message == message)
      return &entry;
  return nullptr;
}

// Keeps a window inside [0, limit) along one axis, the far edge first so a
// window larger than the screen ends up with its near edge visible.
int KeepOnScreen(int origin, int size, int limit) {
  if (origin + size > limit)
    origin = limit - size;
  if (origin < 0)
    origin = 0;
  return origin;
}

} // namespace

pwWindow::pwWindow() = default;

pwWindow::pwWindow(HWND parent, const char *title, DWORD style, int x, int y, int width, int height,
                   bool privateClass) {
  const char *className = kSharedClassName;
  if (privateClass) {
    MakePrivateClassName();
    className = privateClassName_;
    RegisterWindowClass(className);
  } else if (!sharedClassRegistered) {
    RegisterWindowClass(className);
    sharedClassRegistered = true;
  }
  HWND created = CreateWindowExA(0, className, title, style, x, y, width, height, parent, nullptr,
                                 GetModuleHandleA(nullptr), this);
  window_ = created;
}

pwWindow::~pwWindow() {
  if (window_ != nullptr)
    DestroyWindow(window_);
  if (!privateClassName_.IsEmpty())
    UnregisterClassA(privateClassName_, GetModuleHandleA(nullptr));
}

const char *pwWindow::SharedClassName() { return kSharedClassName; }

// The process handle and the object's address make the name unique among all
// live objects of all processes; both at full pointer width on 64-bit builds.
void pwWindow::MakePrivateClassName() {
  constexpr int kHexDigits = static_cast<int>(sizeof(void *) * 2);
  privateClassName_.Format("Pallwork %0*" PRIxPTR ":%0*" PRIxPTR, kHexDigits,
                           reinterpret_cast<std::uintptr_t>(GetCurrentProcess()), kHexDigits,
                           reinterpret_cast<std::uintptr_t>(this));
}

// The result is not checked: a failed registration shows as a failed creation.
void pwWindow::RegisterWindowClass(const char *name) {
  WNDCLASSA windowClass = {};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(kApplicationIconId));
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);
}

LRESULT CALLBACK pwWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto *object = reinterpret_cast<pwWindow *>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_CREATE) {
    const auto *create = reinterpret_cast<const CREATESTRUCTA *>(lParam);
    object = static_cast<pwWindow *>(create->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    // Set now rather than when CreateWindowExA returns, so the messages that
    // creation itself sends (WM_SIZE, WM_SHOWWINDOW) find the window known.
    if (object != nullptr)
      object->window_ = window;
    return 0;
  }
  if (object == nullptr)
    return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_DESTROY) {
    object->window_ = nullptr;
    object->OnDestroy();
    return 0;
  }
  LRESULT result = 0;
  if (object->HandleMessage(message, wParam, lParam, result))
    return result;
  return DefWindowProcA(window, message, wParam, lParam);
}

bool pwWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  result = 0;
  if (DispatchFocusAndMouse(message, wParam, lParam))
    return true;
  switch (message) {
  case WM_SIZE:
    OnSize(LOWORD(lParam), HIWORD(lParam));
    return true;
  case WM_PAINT:
    PaintWindow();
    return true;
  case WM_CLOSE:
    return OnClose();
  case WM_COMMAND:
    return OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam));
  case WM_INITMENU:
    OnInitMenu(reinterpret_cast<HMENU>(wParam));
    return true;
  case WM_MENUSELECT:
    OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
    return true;
  default:
    return false;
  }
}

bool pwWindow::DispatchFocusAndMouse(UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    OnFocus(message == WM_SETFOCUS);
    return true;
  case WM_MOUSEMOVE:
    OnMouseMove(SignedLowWord(lParam), SignedHighWord(lParam));
    return true;
  default:
    break;
  }
  const MouseButtonMessage *mouse = FindMouseButtonMessage(message);
  if (mouse == nullptr)
    return false;
  const int x = SignedLowWord(lParam);
  const int y = SignedHighWord(lParam);
  if (mouse->action == MouseAction::Down)
    OnButtonDown(mouse->button, x, y);
  else if (mouse->action == MouseAction::Up)
    OnButtonUp(mouse->button, x, y);
  else
    OnDoubleClick(mouse->button, x, y);
  return true;
}

void pwWindow::PaintWindow() {
  RECT rect = {};
  if (GetUpdateRect(window_, &rect, FALSE)) {
    PaintDC dc(window_);
    OnPaint(dc.Get(), rect);
    return;
  }
  GetClientRect(window_, &rect);
  WindowDC dc(window_);
  OnPaint(dc.Get(), rect);
}

void pwWindow::CentreWindow(HWND other) {
  RECT own = {};
  GetWindowRect(window_, &own);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  RECT area = {0, 0, screenWidth, screenHeight};
  if (other != nullptr)
    GetWindowRect(other, &area);
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  const int x = (area.left + area.right) / 2 - width / 2;
  const int y = (area.top + area.bottom) / 2 - height / 2;
  SetWindowPos(window_, nullptr, KeepOnScreen(x, width, screenWidth),
               KeepOnScreen(y, height, screenHeight), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void pwWindow::OnDestroy() {}
bool pwWindow::OnClose() { return false; }
bool pwWindow::OnCommand(int, int, HWND) { return false; }
void pwWindow::Paint(HDC, const RECT &) {}
void pwWindow::OnFocus(bool) {}
void pwWindow::OnInitMenu(HMENU) {}
void pwWindow::OnMenuSelect(UINT, UINT, HMENU) {}
void pwWindow::OnButtonDown(int, int, int) {}
void pwWindow::OnMouseMove(int, int) {}
void pwWindow::OnButtonUp(int, int, int) {}
void pwWindow::OnDoubleClick(int, int, int) {}
void pwWindow::OnSize(int, int) {}
void pwWindow::OnPaint(HDC dc, const RECT &rect) { Paint(dc, rect); }
