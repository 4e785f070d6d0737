#pragma once

#include "pallwork/win32/control.h"

// A check box or radio button of a dialog.
class pwCheckBox : public pwControl {
public:
  using pwControl::pwControl;

  // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
  int GetCheck() const;
  void SetCheck(int state);
  bool IsChecked() const { return GetCheck() == BST_CHECKED; }
  void SetChecked(bool checked) { SetCheck(checked ? BST_CHECKED : BST_UNCHECKED); }
};
