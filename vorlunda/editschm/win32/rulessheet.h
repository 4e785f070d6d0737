#pragma once

#include "ifs/rulesystem.h"
#include "vorlunda/editschm/rules.h"
#include "vorlunda/editschm/win32/editschemesheet.h"

class pwCheckBox;
class pwIntEdit;

// One row per rule system: switched on or off, and its least and most rules.
class vEditSchemeRulesSheet : public vEditSchemeSheet {
public:
  vEditSchemeRulesSheet(vEditSchemeDlg *dialog, vNameSchemePair *pair);

  bool OnInitDialog(HWND focus) override;
  void Load() override;
  bool Validate() override;
  void Store(vNameSchemePair &pair) override;

private:
  vRulesValues Values() const;
  void DisableRow(int row);

  // The controls' objects live as long as the sheet's window.
  pwCheckBox *enabled_[kRuleSystemCount] = {};
  pwIntEdit *min_[kRuleSystemCount] = {};
  pwIntEdit *max_[kRuleSystemCount] = {};
};
