#include "pallwork/win32/listbox.h"

namespace {

int Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return static_cast<int>(SendMessageA(window, message, wParam, lParam));
}

} // namespace

bool pwListbox::OnCommandNotify(int notifyCode) {
  if (notifyCode == LBN_DBLCLK)
    OnItemDoubleClick();
  return true;
}

int pwListbox::Count() const { return Send(window_, LB_GETCOUNT); }
int pwListbox::CurrentSelection() const { return Send(window_, LB_GETCURSEL); }
int pwListbox::Select(int index) { return Send(window_, LB_SETCURSEL, static_cast<WPARAM>(index)); }

int pwListbox::Add(const char *text) {
  return Send(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

int pwListbox::Insert(int index, const char *text) {
  return Send(window_, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
}

int pwListbox::AddData(LPARAM data) { return Send(window_, LB_ADDSTRING, 0, data); }

int pwListbox::InsertData(int index, LPARAM data) {
  return Send(window_, LB_INSERTSTRING, static_cast<WPARAM>(index), data);
}

LPARAM pwListbox::ItemData(int index) const {
  return static_cast<LPARAM>(SendMessageA(window_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

int pwListbox::Delete(int index) {
  return Send(window_, LB_DELETESTRING, static_cast<WPARAM>(index));
}
void pwListbox::Clear() { Send(window_, LB_RESETCONTENT); }
int pwListbox::TopIndex() const { return Send(window_, LB_GETTOPINDEX); }

// LB_GETITEMRECT answers for items 0 and -1 even of an empty list.
int pwListbox::RedrawItem(int index, bool erase) {
  if (index < 0 || index >= Count())
    return 0;
  RECT rect = {};
  if (SendMessageA(window_, LB_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&rect)) == LB_ERR)
    return 0;
  return InvalidateRect(window_, &rect, erase ? TRUE : FALSE);
}

int pwListbox::HorizontalExtent() const { return Send(window_, LB_GETHORIZONTALEXTENT); }

void pwListbox::SetHorizontalExtent(int extent) {
  Send(window_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent));
}
