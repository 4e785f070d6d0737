#include "tests/win32/support/userinput.h"

#include <cstring>
#include <cwchar>
#include <vector>

namespace {

constexpr int kAbsoluteScale = 65535;

INPUT KeyInput(WORD virtualKey, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT MouseInput(DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

INPUT AbsoluteMove(POINT screen) {
  INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  input.mi.dx = (screen.x * kAbsoluteScale + width / 2) / (width - 1);
  input.mi.dy = (screen.y * kAbsoluteScale + height / 2) / (height - 1);
  return input;
}

void Clicks(POINT screen, int count) {
  std::vector<INPUT> inputs = {AbsoluteMove(screen)};
  for (int i = 0; i < count; ++i) {
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTDOWN));
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTUP));
  }
  SetCursorPos(screen.x, screen.y);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

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

void TypeText(const char *text) {
  for (const char *p = text; *p != '\0'; ++p) {
    const SHORT key = VkKeyScanA(*p);
    PressKey(LOBYTE(key), false, (HIBYTE(key) & 1) != 0);
  }
}

bool PutOnClipboard(HWND owner, const char *text) {
  if (!OpenClipboard(owner))
    return false;
  EmptyClipboard();
  const std::size_t size = std::strlen(text) + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), text, size);
  GlobalUnlock(memory);
  const bool placed = SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  return placed;
}

bool PutOnClipboard(HWND owner, const wchar_t *text) {
  if (!OpenClipboard(owner))
    return false;
  EmptyClipboard();
  const std::size_t size = (std::wcslen(text) + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), text, size);
  GlobalUnlock(memory);
  const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  return placed;
}

void MoveMouseTo(POINT screen) {
  INPUT move = AbsoluteMove(screen);
  SendInput(1, &move, sizeof(INPUT));
}

void ClickAt(POINT screen) { Clicks(screen, 1); }
void DoubleClickAt(POINT screen) { Clicks(screen, 2); }

POINT ScreenPointOf(HWND window, int clientX, int clientY) {
  POINT point = {clientX, clientY};
  ClientToScreen(window, &point);
  return point;
}
