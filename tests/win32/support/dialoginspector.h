#pragma once

#include "pallwork/win32/dialog.h"

// Reads a dialog's control bookkeeping, which the product keeps to its
// control objects.
class pwDialogInspector {
public:
  static int PendingControls(const pwDialog &dialog) { return dialog.PendingControlCount(); }
  static pwControl *MappedControl(pwDialog &dialog, HWND window) {
    return dialog.FindControl(window);
  }
};
