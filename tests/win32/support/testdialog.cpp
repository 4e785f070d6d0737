#include "tests/win32/support/testdialog.h"

namespace {
constexpr UINT kRunScript = WM_APP + 1;
}

bool TestDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  if (message != kRunScript)
    return pwDialog::HandleMessage(message, wParam, lParam, result);
  const INT_PTR endCode = script_ ? script_(*this) : IDOK;
  if (IsModal() && Window() != nullptr)
    EndDialog(Window(), endCode);
  return true;
}

bool TestDialog::OnInitDialog(HWND) {
  ++initCount;
  if (IsModal())
    PostMessageA(Window(), kRunScript, 0, 0);
  return true;
}

bool TestDialog::OnCommand(int notifyCode, int commandId, HWND) {
  commandIds.push_back(commandId);
  if (notifyCode == BN_CLICKED)
    clickIds.push_back(commandId);
  return true;
}

bool TestDialog::OnNotify(NMHDR *header, LRESULT &result) {
  notifyCodes.push_back(header->code);
  result = 0;
  return true;
}

HBRUSH TestDialog::OnCtlColor(HDC, HWND, int controlId) {
  colouredIds.push_back(controlId);
  return colourBrush;
}

bool TestDialog::OnMeasureItem(int controlId, MEASUREITEMSTRUCT *) {
  dialogMeasuredIds.push_back(controlId);
  return false;
}

bool TestDialog::OnDrawItem(int controlId, DRAWITEMSTRUCT *) {
  dialogDrawnIds.push_back(controlId);
  return true;
}

bool TestDialog::OnCharToItem(int character, int, HWND) {
  dialogCharacters.push_back(character);
  return false;
}
