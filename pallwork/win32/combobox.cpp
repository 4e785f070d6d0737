#include "pallwork/win32/combobox.h"

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

// CB_ERR and CB_ERRSPACE both read as -1 to the caller.
int IndexOrMinusOne(LRESULT answer) { return answer < 0 ? -1 : static_cast<int>(answer); }

} // namespace

int pwComboBox::Count() const { return static_cast<int>(SendMessageA(window_, CB_GETCOUNT, 0, 0)); }

int pwComboBox::CurrentSelection() const {
  return static_cast<int>(SendMessageA(window_, CB_GETCURSEL, 0, 0));
}

void pwComboBox::Select(int index) {
  SendMessageA(window_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

String pwComboBox::Text() const { return WindowText(window_); }

void pwComboBox::SetText(const char *text) { SetWindowTextA(window_, text); }

String pwComboBox::ItemText(int index) const {
  const LRESULT length = SendMessageA(window_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR || length < 0)
    return String();
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(window_, CB_GETLBTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(buffer.data()));
  return String(buffer.data());
}

int pwComboBox::Add(const char *text) {
  return IndexOrMinusOne(SendMessageA(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int pwComboBox::Delete(int index) {
  return static_cast<int>(SendMessageA(window_, CB_DELETESTRING, static_cast<WPARAM>(index), 0));
}

LRESULT pwComboBox::ItemData(int index) const {
  return SendMessageA(window_, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

int pwComboBox::SetItemData(int index, LRESULT value) {
  return static_cast<int>(SendMessageA(window_, CB_SETITEMDATA, static_cast<WPARAM>(index),
                                       static_cast<LPARAM>(value)));
}

int pwComboBox::FindExact(const char *text, int startIndex) const {
  return IndexOrMinusOne(SendMessageA(window_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(startIndex),
                                      reinterpret_cast<LPARAM>(text)));
}
