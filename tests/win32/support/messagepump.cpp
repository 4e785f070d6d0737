#include "tests/win32/support/messagepump.h"

namespace {

constexpr DWORD kPollMs = 10;

} // namespace

void PumpWaiting(HWND dialog) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (dialog != nullptr && IsWindow(dialog) && IsDialogMessageA(dialog, &message))
      continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

bool PumpUntil(const std::function<bool()> &condition, DWORD timeoutMs, HWND dialog) {
  const DWORD start = GetTickCount();
  for (;;) {
    PumpWaiting(dialog);
    if (condition())
      return true;
    if (GetTickCount() - start >= timeoutMs)
      return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
  }
}

void PumpFor(DWORD milliseconds, HWND dialog) {
  PumpUntil([] { return false; }, milliseconds, dialog);
}

bool BringToFront(HWND window) {
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  SetActiveWindow(window);
  return PumpUntil([window] { return GetForegroundWindow() == window; }, 2000);
}
