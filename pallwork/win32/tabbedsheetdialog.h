#pragma once

#include "pallwork/win32/modelessdialog.h"

// One page of a tabbed dialog: a modeless child dialog of it, made from a
// template without caption or border (WS_CHILD | DS_CONTROL).
class pwTabbedSheetDialog : public pwModelessDialog {
public:
  pwTabbedSheetDialog(HWND parent, const char *templateName)
      : pwModelessDialog(parent, templateName) {}
};
