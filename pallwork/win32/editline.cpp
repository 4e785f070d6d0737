#include "pallwork/win32/editline.h"

#include "pallwork/editfilter.h"

#include <vector>

namespace {

String WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0)
    return String();
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(window, buffer.data(), length + 1);
  return String(buffer.data());
}

} // namespace

// EN_UPDATE comes after the edit has changed its text and before it shows
// it, so a refused character is gone before it is ever drawn, and pasted text
// is judged as a whole.
bool pwEditLine::OnCommandNotify(int notifyCode) {
  if (notifyCode != EN_UPDATE)
    return true;
  pwEditState state;
  GetSelection(state.selectionStart, state.selectionEnd);
  state.text = Text();
  const bool filtered = FilterEditText(
      state, [this](char character, bool isFirst) { return IsCharAllowed(character, isFirst); });
  if (filtered) {
    SetText(state.text.CStr());
    SetSelection(state.selectionStart, state.selectionEnd);
  }
  return true;
}

bool pwEditLine::IsCharAllowed(char, bool) { return true; }

String pwEditLine::Text() const { return WindowText(window_); }

void pwEditLine::SetText(const char *text) { SetWindowTextA(window_, text); }

void pwEditLine::GetSelection(int &start, int &end) const {
  DWORD first = 0;
  DWORD last = 0;
  SendMessageA(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
               reinterpret_cast<LPARAM>(&last));
  start = static_cast<int>(first);
  end = static_cast<int>(last);
}

void pwEditLine::SetSelection(int start, int end) {
  SendMessageA(window_, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void pwEditLine::SetLimit(int characters) {
  SendMessageA(window_, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}
