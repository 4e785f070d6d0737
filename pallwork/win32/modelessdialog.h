#pragma once

#include "pallwork/win32/dialog.h"

// A dialog that Execute creates and leaves open; the caller's message loop
// runs it (IsDialogMessageA for its keyboard interface).
class pwModelessDialog : public pwDialog {
public:
  pwModelessDialog(HWND parent, const char *templateName) : pwDialog(parent, templateName, false) {}
};
