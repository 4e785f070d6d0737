#pragma once

#include "vorlunda/config.h"
#include "vorlunda/settings/win32/settingssheet.h"

class vSchemeListbox;

// The scheme list with its buttons. Every action changes the dialog's
// configuration at once, so there is nothing to store.
class vSettingsSchemesSheet : public vSettingsSheet {
public:
  explicit vSettingsSchemesSheet(vSettingsDlg *dialog);

  bool OnCommand(int notifyCode, int commandId, HWND control) override;
  bool OnInitDialog(HWND focus) override;
  void Load() override;

private:
  void UpdateButtons();
  // Show and select the scheme of that name, which the configuration holds.
  void InsertAndSelect(const String &name);
  // Return false when the user cancelled the editor.
  bool Edit(int position);
  void Test(int position);
  void New();
  void Copy(int position);
  void Delete(int position);

  vConfigMgr *config_;   // not owned: the dialog's
  vSchemeListbox *list_; // not owned: deletes itself with its window
};
