#pragma once

#include "vorlunda/editschm/drawing.h"
#include "vorlunda/editschm/win32/editschemesheet.h"

class pwCheckBox;
class pwComboBox;
class pwDoubleEdit;
class pwScrollbar;

// Colours, brightness, point density, zoom range, centring and fixed points.
class vEditSchemeDrawingSheet : public vEditSchemeSheet {
public:
  vEditSchemeDrawingSheet(vEditSchemeDlg *dialog, vNameSchemePair *pair);

  bool OnInitDialog(HWND focus) override;
  void Load() override;
  bool Validate() override;
  void Store(vNameSchemePair &pair) override;

private:
  void MakeControls();
  vDrawingValues Values() const;

  // The controls' objects live as long as the sheet's window.
  pwComboBox *colours_ = nullptr;
  pwScrollbar *brightness_ = nullptr;
  pwDoubleEdit *density_ = nullptr;
  pwDoubleEdit *minScaling_ = nullptr;
  pwDoubleEdit *maxScaling_ = nullptr;
  pwDoubleEdit *centring_ = nullptr;
  pwCheckBox *fixedPoints_ = nullptr;
};
