#include "pallwork/win32/tabbedsheetdialog.h"

#include "pallwork/win32/tabbeddialog.h"

pwTabbedSheetDialog::pwTabbedSheetDialog(pwTabbedDialog *dialog, const pwSheetFacts &facts)
    : pwDialog(dialog->Window(), MAKEINTRESOURCEA(facts.templateId), false), dialog_(dialog),
      facts_(facts) {
  SetHelpKey(dialog->HelpKey());
}

void pwTabbedSheetDialog::OnHelp(int) {
  if (facts_.helpContext != 0)
    dialog_->ShowHelpTopic(facts_.helpContext);
}
