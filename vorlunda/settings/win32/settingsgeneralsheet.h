#pragma once

#include "vorlunda/config.h"
#include "vorlunda/settings/win32/settingssheet.h"

class pwCheckBox;
class pwStrEdit;

// Screen shots, their folder and the information line.
class vSettingsGeneralSheet : public vSettingsSheet {
public:
  explicit vSettingsGeneralSheet(vSettingsDlg *dialog);

  bool OnInitDialog(HWND focus) override;
  void Load() override;
  void Store() override;

private:
  vConfigMgr *config_; // not owned: the dialog's
  // Not owned: each deletes itself with its window.
  pwCheckBox *screenShots_ = nullptr;
  pwStrEdit *directory_ = nullptr;
  pwCheckBox *infoLine_ = nullptr;
};
