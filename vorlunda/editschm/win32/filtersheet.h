#pragma once

#include "vorlunda/editschm/filter.h"
#include "vorlunda/editschm/win32/editschemesheet.h"

class pwCheckBox;
class pwDoubleEdit;
class pwIntEdit;

// The dimension filter: how many fractals it may discard in a row, whether it
// is on, and the least dimension it accepts.
class vEditSchemeFilterSheet : public vEditSchemeSheet {
public:
  vEditSchemeFilterSheet(vEditSchemeDlg *dialog, vNameSchemePair *pair);

  bool OnInitDialog(HWND focus) override;
  void Load() override;
  bool Validate() override;
  void Store(vNameSchemePair &pair) override;

private:
  vFilterValues Values() const;

  // The controls' objects live as long as the sheet's window.
  pwIntEdit *discards_ = nullptr;
  pwCheckBox *enabled_ = nullptr;
  pwDoubleEdit *dimension_ = nullptr;
};
