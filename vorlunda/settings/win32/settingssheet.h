#pragma once

#include "pallwork/win32/tabbedsheetdialog.h"

class vSettingsDlg;

// A page of the settings dialog. Load shows the dialog's configuration in
// the controls; Store takes the controls' values back into it.
class vSettingsSheet : public pwTabbedSheetDialog {
public:
  vSettingsSheet(vSettingsDlg *dialog, int templateId);

  virtual void Load() {}
  virtual void Store() {}

  vSettingsDlg *SettingsDialog() const { return dialog_; }

private:
  vSettingsDlg *dialog_; // not owned: the dialog owns this sheet
};
