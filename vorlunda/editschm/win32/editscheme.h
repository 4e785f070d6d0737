#pragma once

#include "pallwork/win32/tabbeddialog.h"
#include "vorlunda/config.h"

#include <windows.h>

#include <cstdint>

class vEditSchemeSheet;

// Runs the edit-scheme dialog on `pair`: true after OK, when the pair holds
// the new values; false after Cancel, the pair untouched. `position` is the
// pair's place in `config`, so that its own name does not count as taken.
bool EditScheme(HWND parent, vNameSchemePair &pair, vConfigMgr &config, int position);

// One scheme on its sheets. Values are checked only by OK and Test, sheet by
// sheet in tab order, and the pair changes only when OK finds them all valid.
class vEditSchemeDlg : public pwTabbedDialog {
public:
  vEditSchemeDlg(HWND parent, vNameSchemePair &pair, vConfigMgr &config, std::int32_t position);

  bool OnCommand(int notifyCode, int commandId, HWND control) override;
  void AddSheets() override;
  bool OnInitTabbedDialog(HWND focus) override;
  // The user may switch sheets freely.
  bool OnSheetChanging() override { return false; }

  const vConfigMgr &Config() const { return config_; }
  std::int32_t Position() const { return position_; }
  // 1 after OK, 0 otherwise.
  int Result() const { return result_; }
  vEditSchemeSheet *EditSheet(std::int32_t index) const;

private:
  bool ValidateSheets();
  void StoreSheets(vNameSchemePair &pair);
  void OnOk();
  void OnTest();

  vNameSchemePair &pair_; // not owned
  vConfigMgr &config_;    // not owned
  std::int32_t position_;
  int result_ = 0;
};
