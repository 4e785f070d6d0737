#include "vorlunda/editschm/win32/editschemesheet.h"

#include "pallwork/msgbox.h"
#include "vorlunda/editschm/win32/editscheme.h"

vEditSchemeSheet::vEditSchemeSheet(vEditSchemeDlg *dialog, const pwSheetFacts &facts,
                                   vNameSchemePair *pair)
    : pwTabbedSheetDialog(dialog, facts), dialog_(dialog), pair_(pair) {}

void vEditSchemeSheet::DisableControls(std::initializer_list<int> controlIds) {
  for (int id : controlIds)
    EnableControl(id, false);
}

bool vEditSchemeSheet::ReportInvalid(const Error &error, int controlId) {
  dialog_->ShowSheet(this);
  // Both dialog managers keep the focus: the dialog's goes to this sheet, the
  // sheet's to the control, so the focus comes back there after the box.
  dialog_->FocusControl(window_);
  FocusControl(GetDlgItem(window_, controlId));
  ShowErrorBox(dialog_->Window(), "Error", error);
  return false;
}
