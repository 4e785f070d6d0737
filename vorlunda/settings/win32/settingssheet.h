#pragma once

#include "pallwork/win32/tabbedsheetdialog.h"
#include "vorlunda/helptopics.h"

class vSettingsDlg;

// A page of the settings dialog. Load shows the dialog's configuration in
// the controls; Store takes the controls' values back into it.
class vSettingsSheet : public pwTabbedSheetDialog {
public:
  vSettingsSheet(vSettingsDlg *dialog, const pwSheetFacts &facts);

  virtual void Load() {}
  virtual void Store() {}

  vSettingsDlg *SettingsDialog() const { return dialog_; }

private:
  vSettingsDlg *dialog_; // not owned: the dialog owns this sheet
};

// Each sheet's own file makes it; the dialog adds them in the order of the
// help table.
#define VORLUNDA_SETTINGS_SHEET_MAKER(window, number, name, page)                                  \
  vSettingsSheet *Make##window(vSettingsDlg *dialog);
VORLUNDA_SETTINGS_SHEETS(VORLUNDA_SETTINGS_SHEET_MAKER)
#undef VORLUNDA_SETTINGS_SHEET_MAKER
