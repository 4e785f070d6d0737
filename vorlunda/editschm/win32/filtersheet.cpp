#include "vorlunda/editschm/win32/filtersheet.h"

#include "pallwork/win32/checkbox.h"
#include "pallwork/win32/doubleedit.h"
#include "pallwork/win32/intedit.h"
#include "vorlunda/editschm/win32/editschmids.h"
#include "vorlunda/editschm/win32/limitranges.h"

namespace {

int ControlOf(vFilterField field) {
  return field == vFilterField::MaxDiscards ? IDC_FILT_DISCARDS : IDC_FILT_DIMENSION;
}

} // namespace

vEditSchemeSheet *MakeEditFilterSheet(vEditSchemeDlg *dialog, vNameSchemePair *pair) {
  return new vEditSchemeFilterSheet(dialog, pair);
}

vEditSchemeFilterSheet::vEditSchemeFilterSheet(vEditSchemeDlg *dialog, vNameSchemePair *pair)
    : vEditSchemeSheet(
          dialog, {IDD_EDITSCHEME_FILTER, "Filter", HelpContextOf(vHelpWindow::EditFilterSheet)},
          pair) {}

bool vEditSchemeFilterSheet::OnInitDialog(HWND) {
  discards_ = MakeControl<pwIntEdit>(IDC_FILT_DISCARDS);
  SetRangeOf(*discards_, kMaxDiscardsLimits);
  enabled_ = MakeControl<pwCheckBox>(IDC_FILT_ENABLED);
  dimension_ = MakeControl<pwDoubleEdit>(IDC_FILT_DIMENSION);
  SetRangeOf(*dimension_, kMinDimensionLimits);
  Load();
  return false;
}

void vEditSchemeFilterSheet::Load() {
  if (IsTemplated()) {
    DisableControls({IDC_FILT_DISCARDS_LABEL, IDC_FILT_DISCARDS, IDC_FILT_GROUP, IDC_FILT_ENABLED,
                     IDC_FILT_DIMENSION_LABEL, IDC_FILT_DIMENSION});
    return;
  }
  const vScheme &scheme = Pair().scheme;
  discards_->SetValue(scheme.maxDiscards);
  enabled_->SetChecked(scheme.filterEnabled);
  dimension_->SetValue(scheme.minDimension);
}

vFilterValues vEditSchemeFilterSheet::Values() const {
  vFilterValues values;
  values.templated = IsTemplated();
  values.maxDiscards = discards_->GetValue();
  values.minDimension = dimension_->GetValue();
  return values;
}

bool vEditSchemeFilterSheet::Validate() {
  const vCheckResult<vFilterField> result = CheckFilter(Values());
  return result.Passed() || ReportInvalid(result.error, ControlOf(result.field));
}

void vEditSchemeFilterSheet::Store(vNameSchemePair &pair) {
  if (IsTemplated())
    return;
  pair.scheme.maxDiscards = discards_->GetValue();
  pair.scheme.filterEnabled = enabled_->IsChecked();
  pair.scheme.minDimension = dimension_->GetValue();
}
