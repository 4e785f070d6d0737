#include "vorlunda/editschm/win32/generalsheet.h"

#include "pallwork/win32/checkbox.h"
#include "pallwork/win32/intedit.h"
#include "pallwork/win32/scrollbar.h"
#include "pallwork/win32/stredit.h"
#include "vorlunda/editschm/win32/editscheme.h"
#include "vorlunda/editschm/win32/editschmids.h"
#include "vorlunda/editschm/win32/limitranges.h"

namespace {

int ControlOf(vGeneralField field) {
  switch (field) {
  case vGeneralField::Name:
    return IDC_GEN_NAME;
  case vGeneralField::MinPerGroup:
    return IDC_GEN_MINPERGROUP;
  case vGeneralField::MaxPerGroup:
    return IDC_GEN_MAXPERGROUP;
  case vGeneralField::ClearDelay:
    return IDC_GEN_DELAY;
  }
  return IDC_GEN_NAME;
}

} // namespace

vEditSchemeSheet *MakeEditGeneralSheet(vEditSchemeDlg *dialog, vNameSchemePair *pair) {
  return new vEditSchemeGeneralSheet(dialog, pair);
}

vEditSchemeGeneralSheet::vEditSchemeGeneralSheet(vEditSchemeDlg *dialog, vNameSchemePair *pair)
    : vEditSchemeSheet(
          dialog, {IDD_EDITSCHEME_GENERAL, "General", HelpContextOf(vHelpWindow::EditGeneralSheet)},
          pair) {}

bool vEditSchemeGeneralSheet::OnInitDialog(HWND) {
  name_ = MakeControl<pwStrEdit>(IDC_GEN_NAME, kCharNoSlashes);
  name_->SetLimit(kSchemeNameFieldLimit);
  probability_ = MakeControl<pwScrollbar>(IDC_GEN_PROBABILITY);
  SetRangeOf(*probability_, kSelectionProbabilityLimits);
  minPerGroup_ = MakeControl<pwIntEdit>(IDC_GEN_MINPERGROUP);
  SetRangeOf(*minPerGroup_, kMinPerGroupLimits);
  maxPerGroup_ = MakeControl<pwIntEdit>(IDC_GEN_MAXPERGROUP);
  SetRangeOf(*maxPerGroup_, kMaxPerGroupLimits);
  delay_ = MakeControl<pwIntEdit>(IDC_GEN_DELAY);
  SetRangeOf(*delay_, kClearDelayLimits);
  contractive_ = MakeControl<pwCheckBox>(IDC_GEN_CONTRACTIVE);
  Load();
  return false;
}

void vEditSchemeGeneralSheet::Load() {
  const vScheme &scheme = Pair().scheme;
  ShowWindow(GetDlgItem(window_, IDC_GEN_TEMPLATED_NOTE), IsTemplated() ? SW_SHOW : SW_HIDE);
  name_->SetText(Pair().name);
  probability_->SetPosition(scheme.selectionProbability);
  delay_->SetValue(scheme.clearDelay);
  if (IsTemplated()) {
    DisableControls({IDC_GEN_MINPERGROUP_LABEL, IDC_GEN_MINPERGROUP, IDC_GEN_MAXPERGROUP_LABEL,
                     IDC_GEN_MAXPERGROUP, IDC_GEN_CONTRACTIVE});
    return;
  }
  minPerGroup_->SetValue(scheme.minPerGroup);
  maxPerGroup_->SetValue(scheme.maxPerGroup);
  contractive_->SetChecked(scheme.contractiveRules);
}

vGeneralValues vEditSchemeGeneralSheet::Values() const {
  vGeneralValues values;
  values.name = name_->Text();
  values.templated = IsTemplated();
  values.minPerGroup = minPerGroup_->GetValue();
  values.maxPerGroup = maxPerGroup_->GetValue();
  values.clearDelay = delay_->GetValue();
  return values;
}

bool vEditSchemeGeneralSheet::Validate() {
  const vCheckResult<vGeneralField> result =
      CheckGeneral(Values(), Owner().Config(), Owner().Position());
  return result.Passed() || ReportInvalid(result.error, ControlOf(result.field));
}

void vEditSchemeGeneralSheet::Store(vNameSchemePair &pair) {
  pair.name = name_->Text();
  pair.scheme.selectionProbability = probability_->Position();
  pair.scheme.clearDelay = delay_->GetValue();
  if (IsTemplated())
    return;
  pair.scheme.minPerGroup = minPerGroup_->GetValue();
  pair.scheme.maxPerGroup = maxPerGroup_->GetValue();
  pair.scheme.contractiveRules = contractive_->IsChecked();
}
