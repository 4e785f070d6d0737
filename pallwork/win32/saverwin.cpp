#include "pallwork/win32/saverwin.h"

#include "pallwork/platform.h"
#include "pallwork/regmgr.h"

#include <windows.h>

namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kUsePasswordValue[] = "ScreenSaveUsePassword";

// Full screen covers every monitor; a preview fills its host's client area.
pwMonitorLayout WindowLayout(HWND parent) {
  if (parent != nullptr) {
    RECT client = {};
    GetClientRect(parent, &client);
    const pwScreenRect area = {0, 0, client.right - client.left, client.bottom - client.top};
    return pwMonitorLayout{area, {area}};
  }
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const pwScreenRect virtualScreen = {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                      top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  return LayOutMonitors(CurrentPlatform().Monitors(), virtualScreen);
}

// A preview stays a child even when its host has just gone: the window is
// then not created and the preview ends quietly, rather than turning into a
// full-screen saver that asks for the password.
DWORD CreationStyle(HWND parent) { return parent != nullptr ? WS_CHILD : WS_POPUP; }

} // namespace

pwScreenSaverWindow::pwScreenSaverWindow(HWND parent, HWND owner, bool noPassword)
    : pwScreenSaverWindow(parent, owner, noPassword, WindowLayout(parent)) {}

pwScreenSaverWindow::pwScreenSaverWindow(HWND parent, HWND owner, bool noPassword,
                                         const pwMonitorLayout &layout)
    : pwWindow(parent, "", CreationStyle(parent), layout.window.left, layout.window.top,
               layout.window.Width(), layout.window.Height(), true),
      owner_(owner), primaryButton_(VK_LBUTTON),
      input_(*this, window_, parent != nullptr, noPassword), areas_(layout.areas) {
  if (window_ == nullptr)
    return;
  SetClassLongPtrA(window_, GCLP_HBRBACKGROUND,
                   reinterpret_cast<LONG_PTR>(GetStockObject(BLACK_BRUSH)));
  ShowWindow(window_, SW_SHOW);
  primaryButton_ = GetSystemMetrics(SM_SWAPBUTTON) != 0 ? VK_RBUTTON : VK_LBUTTON;
  if (!input_.Preview())
    HideCursorAtStart();
  input_.ReportSaverRunning(true);
}

void pwScreenSaverWindow::HideCursorAtStart() {
  NudgeCursor();
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE);
  savedCursor_ = SetCursor(nullptr);
  SetClassLongPtrA(window_, GCLP_HCURSOR, 0);
}

// A monitor was added, taken away or set to another size: the window covers
// the monitors as they are now, black until they are drawn on again.
void pwScreenSaverWindow::LayOutAgain() {
  const pwMonitorLayout layout = WindowLayout(nullptr);
  areas_ = layout.areas;
  SetWindowPos(window_, HWND_TOPMOST, layout.window.left, layout.window.top, layout.window.Width(),
               layout.window.Height(), SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, TRUE);
  MonitorsChanged();
}

pwScreenSaverWindow::~pwScreenSaverWindow() {
  input_.Restore();
  if (!input_.Preview())
    SetCursor(savedCursor_);
}

void pwScreenSaverWindow::OnDestroy() {
  closed_ = true;
  PostQuitMessage(0);
}

void pwScreenSaverWindow::Paint(HDC dc, const RECT &rect) {
  painted_ = true;
  if (!shotBitmap_)
    return;
  const SelectedObject selected(shotDc_.Get(), shotBitmap_.Get());
  BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, shotDc_.Get(),
         rect.left, rect.top, SRCCOPY);
}

bool pwScreenSaverWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                        LRESULT &result) {
  input_.SetWindow(window_);
  switch (message) {
  case WM_KEYDOWN:
  case WM_SYSKEYDOWN:
    input_.OnKeyDown(static_cast<std::int32_t>(wParam));
    break;
  case WM_LBUTTONDOWN:
  case WM_RBUTTONDOWN:
  case WM_MBUTTONDOWN:
    input_.OnButtonDown();
    break;
  case WM_MOUSEMOVE:
    input_.OnMouseMove();
    break;
  case WM_DISPLAYCHANGE:
    if (!input_.Preview())
      LayOutAgain();
    break;
  case WM_SYSCOMMAND:
    // No second saver, and the system's close command does not end this one.
    if (wParam == SC_SCREENSAVE || wParam == SC_CLOSE) {
      result = 0;
      return true;
    }
    break;
  default:
    break;
  }
  return pwWindow::HandleMessage(message, wParam, lParam, result);
}

int pwScreenSaverWindow::RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

void pwScreenSaverWindow::Run() {
  if (window_ == nullptr)
    return;
  PumpMessages(!painted_);
  while (!closed_) {
    input_.TryHideCursor();
    Step();
    PumpMessages(false);
    if (!closed_)
      SleepUntilInput(IdleMs());
  }
}

// Input already in the queue, even if seen before, wakes the wait as well.
void pwScreenSaverWindow::SleepUntilInput(std::uint32_t timeoutMs) {
  if (timeoutMs == 0)
    return;
  MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

bool pwScreenSaverWindow::PumpMessages(bool wait) {
  if (wait)
    WaitMessage();
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    if (GetMessageA(&message, nullptr, 0, 0) == 0) {
      input_.ReportSaverRunning(false);
      return true;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return false;
}

std::uint32_t pwScreenSaverWindow::TickCount() { return GetTickCount(); }

pwCursorPoint pwScreenSaverWindow::CursorPosition() {
  POINT point = {};
  GetCursorPos(&point);
  return pwCursorPoint{point.x, point.y};
}

// A real move makes the system re-evaluate the cursor over the new window.
void pwScreenSaverWindow::NudgeCursor() {
  POINT point = {};
  GetCursorPos(&point);
  SetCursorPos(point.x + 1, point.y + 1);
  SetCursorPos(point.x, point.y);
}

bool pwScreenSaverWindow::PrimaryButtonDown() { return GetAsyncKeyState(primaryButton_) < 0; }

void pwScreenSaverWindow::ShowCursor(bool show) { ::ShowCursor(show ? TRUE : FALSE); }

bool pwScreenSaverWindow::PasswordWanted() {
  pwRegistryMgr desktop(kDesktopKey);
  std::uint32_t value = 0;
  return desktop.ReadDword(kUsePasswordValue, value).Succeeded() && value != 0;
}

void pwScreenSaverWindow::EnableOwner(bool enable) {
  if (owner_ != nullptr)
    EnableWindow(owner_, enable ? TRUE : FALSE);
}

void pwScreenSaverWindow::PostClose() {
  if (window_ != nullptr)
    PostMessageA(window_, WM_CLOSE, 0, 0);
}
