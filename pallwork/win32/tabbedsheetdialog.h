#pragma once

#include "pallwork/win32/dialog.h"

#include <cstdint>

class pwTabbedDialog;

// What a sheet is: its template, made without caption or border (WS_CHILD |
// DS_CONTROL), the title of its tab, and the help topic for the help key on
// its controls (0: the key does nothing there).
struct pwSheetFacts {
  int templateId;
  const char *title; // not copied: a literal
  std::uint32_t helpContext;
};

// One page of a tabbed dialog: a modeless child dialog of it, with the
// dialog's help key. Made once the dialog's window exists.
class pwTabbedSheetDialog : public pwDialog {
public:
  pwTabbedSheetDialog(pwTabbedDialog *dialog, const pwSheetFacts &facts);

  const char *Title() const { return facts_.title; }
  std::uint32_t HelpContext() const { return facts_.helpContext; }
  pwTabbedDialog &TabbedDialog() const { return *dialog_; }

  // The sheet's own topic, opened for the dialog.
  void OnHelp(int controlId) override;

private:
  pwTabbedDialog *dialog_; // not owned: the dialog owns this sheet
  pwSheetFacts facts_;
};
