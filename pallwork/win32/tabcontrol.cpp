#include "pallwork/win32/tabcontrol.h"

#include "pallwork/tablayout.h"
#include "pallwork/win32/tabbeddialog.h"

#include <commctrl.h>

namespace {

constexpr int kNoImage = -1;

} // namespace

bool pwTabControl::OnNotify(NMHDR *header, LRESULT &result) {
  switch (header->code) {
  case TCN_SELCHANGE:
    OnSelChange();
    return false;
  case TCN_SELCHANGING:
    result = OnSelChanging() ? TRUE : FALSE;
    return false;
  default:
    return true;
  }
}

int pwTabControl::Count() const {
  return static_cast<int>(SendMessageA(window_, TCM_GETITEMCOUNT, 0, 0));
}

int pwTabControl::CurrentSelection() const {
  return static_cast<int>(SendMessageA(window_, TCM_GETCURSEL, 0, 0));
}

void pwTabControl::Select(int index) {
  SendMessageA(window_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  OnSelChange();
}

void pwTabControl::Next() {
  const int next = NextTab(CurrentSelection(), Count());
  if (next >= 0)
    Select(next);
}

void pwTabControl::Previous() {
  const int previous = PreviousTab(CurrentSelection(), Count());
  if (previous >= 0)
    Select(previous);
}

int pwTabControl::InsertTab(int index, const char *title) {
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char *>(title);
  item.iImage = kNoImage;
  item.lParam = 0;
  return static_cast<int>(SendMessageA(window_, TCM_INSERTITEMA, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(&item)));
}

pwTabbedDialogTabControl::pwTabbedDialogTabControl(pwTabbedDialog *owner, int controlId)
    : pwTabControl(owner, controlId, false), owner_(owner) {}

void pwTabbedDialogTabControl::OnSelChange() { owner_->ShowSelectedSheet(); }

bool pwTabbedDialogTabControl::OnSelChanging() { return owner_->OnSheetChanging(); }
