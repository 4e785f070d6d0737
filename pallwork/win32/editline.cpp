#include "pallwork/win32/editline.h"

#include "pallwork/editfilter.h"

#include <string>
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

// Whether the code page can hold these UTF-16 units as they are, not as a
// look-alike or a '?'.
bool FitsCodePage(const wchar_t *text, int length) {
  BOOL lossy = FALSE;
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, length, nullptr, 0, nullptr, &lossy);
  return !lossy;
}

std::wstring WideWindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0)
    return std::wstring();
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(window, buffer.data(), length + 1);
  return std::wstring(buffer.data());
}

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// A selection end behind dropped units moves left with the text.
DWORD FollowLeft(DWORD position, DWORD at, DWORD units) {
  if (position <= at)
    return position;
  return position - at >= units ? position - units : at;
}

} // namespace

void pwEditLine::DropUnrepresentable() {
  const std::wstring text = WideWindowText(window_);
  if (FitsCodePage(text.c_str(), static_cast<int>(text.size())))
    return;
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  std::wstring kept;
  for (std::size_t i = 0; i < text.size();) {
    const int units = IsHighSurrogate(text[i]) && i + 1 < text.size() ? 2 : 1;
    if (FitsCodePage(&text[i], units)) {
      kept.append(text, i, static_cast<std::size_t>(units));
    } else {
      const DWORD at = static_cast<DWORD>(kept.size());
      start = FollowLeft(start, at, static_cast<DWORD>(units));
      end = FollowLeft(end, at, static_cast<DWORD>(units));
    }
    i += static_cast<std::size_t>(units);
  }
  SetWindowTextW(window_, kept.c_str());
  SendMessageW(window_, EM_SETSEL, start, end);
}

namespace {

// Unicode text on the clipboard without the characters the code page cannot
// hold, converted to it; false when there is nothing to leave out.
bool RepresentableClipboardText(HWND owner, std::string &text) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner))
    return false;
  std::wstring wide;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const wchar_t *locked = static_cast<const wchar_t *>(GlobalLock(data))) {
      wide = locked;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  if (FitsCodePage(wide.c_str(), static_cast<int>(wide.size())))
    return false;
  text.clear();
  for (std::size_t i = 0; i < wide.size();) {
    const int units = IsHighSurrogate(wide[i]) && i + 1 < wide.size() ? 2 : 1;
    char bytes[8] = {};
    if (FitsCodePage(&wide[i], units)) {
      const int written =
          WideCharToMultiByte(CP_ACP, 0, &wide[i], units, bytes, sizeof bytes, nullptr, nullptr);
      text.append(bytes, static_cast<std::size_t>(written > 0 ? written : 0));
    }
    i += static_cast<std::size_t>(units);
  }
  return true;
}

} // namespace

bool pwEditLine::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  if (message == WM_PASTE && PasteRepresentable()) {
    result = 0;
    return true;
  }
  return pwControl::HandleMessage(message, wParam, lParam, result);
}

bool pwEditLine::PasteRepresentable() {
  std::string text;
  if (!RepresentableClipboardText(window_, text))
    return false;
  SendMessageA(window_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  return true;
}

// EN_UPDATE comes after the edit has changed its text and before it shows
// it, so a refused character is gone before it is ever drawn, and pasted text
// is judged as a whole.
bool pwEditLine::OnCommandNotify(int notifyCode) {
  if (notifyCode != EN_UPDATE)
    return true;
  DropUnrepresentable();
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
