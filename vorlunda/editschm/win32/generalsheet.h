#pragma once

#include "vorlunda/editschm/general.h"
#include "vorlunda/editschm/win32/editschemesheet.h"

class pwCheckBox;
class pwIntEdit;
class pwScrollbar;
class pwStrEdit;

// Name, selection weight, group sizes, delay and contractive rules.
class vEditSchemeGeneralSheet : public vEditSchemeSheet {
public:
  vEditSchemeGeneralSheet(vEditSchemeDlg *dialog, vNameSchemePair *pair);

  bool OnInitDialog(HWND focus) override;
  void Load() override;
  bool Validate() override;
  void Store(vNameSchemePair &pair) override;

private:
  vGeneralValues Values() const;

  // The controls' objects live as long as the sheet's window.
  pwStrEdit *name_ = nullptr;
  pwScrollbar *probability_ = nullptr;
  pwIntEdit *minPerGroup_ = nullptr;
  pwIntEdit *maxPerGroup_ = nullptr;
  pwIntEdit *delay_ = nullptr;
  pwCheckBox *contractive_ = nullptr;
};
