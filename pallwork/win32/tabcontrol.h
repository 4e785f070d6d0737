#pragma once

#include "pallwork/win32/control.h"
#include "pallwork/win32/tabswitch.h"

class pwTabbedDialog;

// A tab control of a dialog. Selecting from code tells OnSelChange too, since
// the control itself sends no notification then.
class pwTabControl : public pwControl, public pwTabSwitch {
public:
  using pwControl::pwControl;

  // TCN_SELCHANGE and TCN_SELCHANGING; other notifications pass to the dialog.
  bool OnNotify(NMHDR *header, LRESULT &result) override;
  virtual void OnSelChange() {}
  // Return true to keep the current tab.
  virtual bool OnSelChanging() { return false; }

  int Count() const;
  int CurrentSelection() const;
  void Select(int index);
  // Wrap around at both ends; nothing happens without tabs.
  void Next() override;
  void Previous() override;
  // The tab's index, or a negative value when it could not be inserted.
  int InsertTab(int index, const char *title);
};

// The tab control of a tabbed dialog: selection changes go to the dialog.
class pwTabbedDialogTabControl : public pwTabControl {
public:
  pwTabbedDialogTabControl(pwTabbedDialog *owner, int controlId);

  void OnSelChange() override;
  bool OnSelChanging() override;

private:
  pwTabbedDialog *owner_; // not owned
};
