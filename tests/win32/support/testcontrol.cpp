#include "tests/win32/support/testcontrol.h"

#include "pallwork/win32/dialog.h"

int TestControl::deletions = 0;

bool TestControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  if (message == kProbe) {
    ++probes;
    result = kProbeAnswer;
    return true;
  }
  return pwControl::HandleMessage(message, wParam, lParam, result);
}

bool TestControl::MeasureItem(pwDialog *dialog, MEASUREITEMSTRUCT *record) {
  ++measures;
  attachedWhenMeasured = IsAttached();
  dialogWindowWhenMeasured = dialog->Window();
  if (measuredHeight == 0)
    return false;
  record->itemHeight = measuredHeight;
  return true;
}

bool TestControl::DrawItem(DRAWITEMSTRUCT *) {
  ++draws;
  return handleDraw;
}

bool TestControl::CharToItem(int character, int caretIndex) {
  characters.push_back(character);
  lastCaretIndex = caretIndex;
  return handleChars;
}

bool TestControl::OnCommandNotify(int notifyCode) {
  commandCodes.push_back(notifyCode);
  return !consumeCommands;
}

bool TestControl::OnNotify(NMHDR *, LRESULT &result) {
  ++notifies;
  result = notifyResult;
  return !consumeNotifies;
}

void TestControl::OnScroll(UINT message, int scrollCode, int) {
  lastScrollMessage = message;
  scrollCodes.push_back(scrollCode);
}
