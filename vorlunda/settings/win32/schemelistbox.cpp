#include "vorlunda/settings/win32/schemelistbox.h"

#include "pallwork/win32/dialog.h"
#include "vorlunda/settings/win32/settingsids.h"

vNameSchemePair *vSchemeListbox::Pair(int index) const {
  const LPARAM data = ItemData(index);
  if (data == LB_ERR || data == 0)
    return nullptr;
  return reinterpret_cast<vNameSchemePair *>(data);
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
