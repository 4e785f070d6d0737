#include "vorlunda/editschm/win32/drawingsheet.h"

#include "ifs/coloursystem.h"
#include "pallwork/win32/checkbox.h"
#include "pallwork/win32/combobox.h"
#include "pallwork/win32/doubleedit.h"
#include "pallwork/win32/scrollbar.h"
#include "vorlunda/editschm/win32/editschmids.h"
#include "vorlunda/editschm/win32/limitranges.h"

namespace {

int ControlOf(vDrawingField field) {
  switch (field) {
  case vDrawingField::PointDensity:
    return IDC_DRAW_DENSITY;
  case vDrawingField::MinScaling:
    return IDC_DRAW_MINSCALING;
  case vDrawingField::MaxScaling:
    return IDC_DRAW_MAXSCALING;
  case vDrawingField::Centring:
    return IDC_DRAW_CENTRING;
  }
  return IDC_DRAW_DENSITY;
}

} // namespace

vEditSchemeSheet *MakeEditDrawingSheet(vEditSchemeDlg *dialog, vNameSchemePair *pair) {
  return new vEditSchemeDrawingSheet(dialog, pair);
}

vEditSchemeDrawingSheet::vEditSchemeDrawingSheet(vEditSchemeDlg *dialog, vNameSchemePair *pair)
    : vEditSchemeSheet(
          dialog, {IDD_EDITSCHEME_DRAWING, "Drawing", HelpContextOf(vHelpWindow::EditDrawingSheet)},
          pair) {}

void vEditSchemeDrawingSheet::MakeControls() {
  colours_ = MakeControl<pwComboBox>(IDC_DRAW_COLOURS);
  for (int i = 0; i < kColourSystemCount; ++i)
    colours_->Add(ColourSystemName(static_cast<ifsColourSystem>(i)));
  brightness_ = MakeControl<pwScrollbar>(IDC_DRAW_BRIGHTNESS);
  SetRangeOf(*brightness_, kMinBrightnessLimits);
  density_ = MakeControl<pwDoubleEdit>(IDC_DRAW_DENSITY);
  SetRangeOf(*density_, kPointDensityLimits);
  minScaling_ = MakeControl<pwDoubleEdit>(IDC_DRAW_MINSCALING);
  SetRangeOf(*minScaling_, kMinScalingLimits);
  maxScaling_ = MakeControl<pwDoubleEdit>(IDC_DRAW_MAXSCALING);
  SetRangeOf(*maxScaling_, kMaxScalingLimits);
  centring_ = MakeControl<pwDoubleEdit>(IDC_DRAW_CENTRING);
  SetRangeOf(*centring_, kCentringLimits);
  fixedPoints_ = MakeControl<pwCheckBox>(IDC_DRAW_FIXEDPOINTS);
}

bool vEditSchemeDrawingSheet::OnInitDialog(HWND) {
  MakeControls();
  Load();
  return false;
}

void vEditSchemeDrawingSheet::Load() {
  const vScheme &scheme = Pair().scheme;
  density_->SetValue(scheme.pointDensity);
  if (IsTemplated()) {
    DisableControls({IDC_DRAW_COLOURS_LABEL, IDC_DRAW_COLOURS, IDC_DRAW_BRIGHTNESS_LABEL,
                     IDC_DRAW_BRIGHTNESS_LOW, IDC_DRAW_BRIGHTNESS, IDC_DRAW_BRIGHTNESS_HIGH,
                     IDC_DRAW_MINSCALING_LABEL, IDC_DRAW_MINSCALING, IDC_DRAW_MAXSCALING_LABEL,
                     IDC_DRAW_MAXSCALING, IDC_DRAW_CENTRING_LABEL, IDC_DRAW_CENTRING,
                     IDC_DRAW_FIXEDPOINTS});
    return;
  }
  colours_->Select(static_cast<int>(scheme.colourSystem));
  brightness_->SetPosition(scheme.minBrightness);
  minScaling_->SetValue(scheme.minScaling);
  maxScaling_->SetValue(scheme.maxScaling);
  centring_->SetValue(scheme.centring);
  fixedPoints_->SetChecked(scheme.useFixedPoints);
}

vDrawingValues vEditSchemeDrawingSheet::Values() const {
  vDrawingValues values;
  values.templated = IsTemplated();
  values.pointDensity = density_->GetValue();
  values.minScaling = minScaling_->GetValue();
  values.maxScaling = maxScaling_->GetValue();
  values.centring = centring_->GetValue();
  return values;
}

bool vEditSchemeDrawingSheet::Validate() {
  const vCheckResult<vDrawingField> result = CheckDrawing(Values());
  return result.Passed() || ReportInvalid(result.error, ControlOf(result.field));
}

void vEditSchemeDrawingSheet::Store(vNameSchemePair &pair) {
  vScheme &scheme = pair.scheme;
  scheme.pointDensity = density_->GetValue();
  if (IsTemplated())
    return;
  // The list holds the names in value order, so the index is the value.
  const int colour = colours_->CurrentSelection();
  if (colour >= 0)
    scheme.colourSystem = static_cast<ifsColourSystem>(colour);
  scheme.minBrightness = brightness_->Position();
  scheme.minScaling = minScaling_->GetValue();
  scheme.maxScaling = maxScaling_->GetValue();
  scheme.centring = centring_->GetValue();
  scheme.useFixedPoints = fixedPoints_->IsChecked();
}
