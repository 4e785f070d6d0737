#include "tests/win32/support/messagepump.h"

namespace {

constexpr DWORD kPollMs = 10;

INPUT KeyInput(WORD virtualKey, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

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

void PressKey(WORD virtualKey, bool control, bool shift) {
  INPUT inputs[6];
  UINT count = 0;
  if (control)
    inputs[count++] = KeyInput(VK_CONTROL, false);
  if (shift)
    inputs[count++] = KeyInput(VK_SHIFT, false);
  inputs[count++] = KeyInput(virtualKey, false);
  inputs[count++] = KeyInput(virtualKey, true);
  if (shift)
    inputs[count++] = KeyInput(VK_SHIFT, true);
  if (control)
    inputs[count++] = KeyInput(VK_CONTROL, true);
  SendInput(count, inputs, sizeof(INPUT));
}

bool BringToFront(HWND window) {
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  SetActiveWindow(window);
  return PumpUntil([window] { return GetForegroundWindow() == window; }, 2000);
}
