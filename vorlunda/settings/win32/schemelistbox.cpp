#include "vorlunda/settings/win32/schemelistbox.h"

#include "pallwork/win32/dialog.h"
#include "vorlunda/settings/win32/settingsids.h"

vNameSchemePair *vSchemeListbox::Pair(int index) const {
  const LPARAM data = ItemData(index);
  if (data == LB_ERR || data == 0)
    return nullptr;
  return reinterpret_cast<vNameSchemePair *>(data);
}

bool vSchemeListbox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  if (pwCheckList::HandleMessage(message, wParam, lParam, result))
    return true;
  if (message != WM_CHAR || wParam < ' ')
    return false;
  const int caret = static_cast<int>(SendMessageA(window_, LB_GETCARETINDEX, 0, 0));
  CharToItem(static_cast<int>(wParam), caret);
  result = 0;
  return true;
}

void vSchemeListbox::OnItemDoubleClick() {
  const HWND sheet = Dialog()->Window();
  const HWND editButton = GetDlgItem(sheet, IDC_SCHEMES_EDIT);
  PostMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDC_SCHEMES_EDIT, BN_CLICKED),
               reinterpret_cast<LPARAM>(editButton));
}

bool vSchemeListbox::IsItemChecked(int index) {
  const vNameSchemePair *pair = Pair(index);
  return pair != nullptr && pair->scheme.enabled;
}

void vSchemeListbox::SetItemChecked(int index, bool checked) {
  vNameSchemePair *pair = Pair(index);
  if (pair != nullptr && pair->scheme.enabled != checked) {
    pair->scheme.enabled = checked;
    RedrawItem(index, false);
  }
  pwCheckList::SetItemChecked(index, checked);
}

String vSchemeListbox::ItemText(int index) {
  const vNameSchemePair *pair = Pair(index);
  return pair != nullptr ? pair->name : String();
}
