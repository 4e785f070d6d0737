#pragma once

#include "pallwork/win32/tabbeddialog.h"
#include "vorlunda/config.h"

#include <windows.h>

class vSettingsSheet;

// The settings dialog: the configuration in three sheets (Schemes, General,
// About), written back to the registry only by OK. Loads the configuration
// when constructed, so a load warning shows before the dialog does.
class vSettingsDlg : public pwTabbedDialog {
public:
  explicit vSettingsDlg(HWND parent);
  // Closes the help file this dialog may have opened.
  ~vSettingsDlg() override;

  bool OnCommand(int notifyCode, int commandId, HWND control) override;
  void AddSheets() override;
  bool OnInitTabbedDialog(HWND focus) override;

  // Every sheet in tab order, so the configuration holds what is on screen.
  void StoreSheets();
  void LoadSheets();

  vConfigMgr &Config() { return config_; }

private:
  vSettingsSheet *SettingsSheet(std::int32_t index) const;
  void OnOk();
  void OnDefaults();

  vConfigMgr config_;
  HWND helpOwner_ = nullptr; // not owned: the window the help was opened for
};
