#include "vorlunda/editschm/win32/rulessheet.h"

#include "pallwork/win32/checkbox.h"
#include "pallwork/win32/intedit.h"
#include "vorlunda/editschm/win32/editschmids.h"
#include "vorlunda/editschm/win32/limitranges.h"

namespace {

// The resource script numbers its rows from these ids, a row per system.
static_assert(IDC_RULES_ENABLED0 - IDC_RULES_LABEL0 == kRuleSystemCount &&
                  IDC_RULES_MIN0 - IDC_RULES_ENABLED0 == kRuleSystemCount &&
                  IDC_RULES_MAX0 - IDC_RULES_MIN0 == kRuleSystemCount,
              "one id of each column per rule system");

int ControlOf(const vRulesField &field) {
  switch (field.column) {
  case vRulesColumn::Enabled:
    return IDC_RULES_ENABLED0 + field.row;
  case vRulesColumn::Minimum:
    return IDC_RULES_MIN0 + field.row;
  case vRulesColumn::Maximum:
    return IDC_RULES_MAX0 + field.row;
  }
  return IDC_RULES_ENABLED0;
}

} // namespace

vEditSchemeSheet *MakeEditRulesSheet(vEditSchemeDlg *dialog, vNameSchemePair *pair) {
  return new vEditSchemeRulesSheet(dialog, pair);
}

vEditSchemeRulesSheet::vEditSchemeRulesSheet(vEditSchemeDlg *dialog, vNameSchemePair *pair)
    : vEditSchemeSheet(dialog,
                       {IDD_EDITSCHEME_RULES, "Rules", HelpContextOf(vHelpWindow::EditRulesSheet)},
                       pair) {}

bool vEditSchemeRulesSheet::OnInitDialog(HWND) {
  for (int row = 0; row < kRuleSystemCount; ++row) {
    enabled_[row] = MakeControl<pwCheckBox>(IDC_RULES_ENABLED0 + row);
    min_[row] = MakeControl<pwIntEdit>(IDC_RULES_MIN0 + row);
    SetRangeOf(*min_[row], kMinRulesLimits);
    max_[row] = MakeControl<pwIntEdit>(IDC_RULES_MAX0 + row);
    SetRangeOf(*max_[row], kMaxRulesLimits);
  }
  Load();
  return false;
}

void vEditSchemeRulesSheet::DisableRow(int row) {
  DisableControls({IDC_RULES_LABEL0 + row, IDC_RULES_ENABLED0 + row, IDC_RULES_MIN0 + row,
                   IDC_RULES_MAX0 + row});
}

void vEditSchemeRulesSheet::Load() {
  const vScheme &scheme = Pair().scheme;
  for (int row = 0; row < kRuleSystemCount; ++row) {
    if (IsTemplated()) {
      DisableRow(row);
      continue;
    }
    enabled_[row]->SetChecked(scheme.ruleSystemEnabled[row]);
    min_[row]->SetValue(scheme.ruleLimits[row].min);
    max_[row]->SetValue(scheme.ruleLimits[row].max);
  }
  if (IsTemplated())
    DisableControls(
        {IDC_RULES_HEAD_SYSTEM, IDC_RULES_HEAD_ENABLED, IDC_RULES_HEAD_MIN, IDC_RULES_HEAD_MAX});
}

vRulesValues vEditSchemeRulesSheet::Values() const {
  vRulesValues values;
  values.templated = IsTemplated();
  for (int row = 0; row < kRuleSystemCount; ++row) {
    values.enabled[row] = enabled_[row]->IsChecked();
    values.limits[row] = vRuleLimits{min_[row]->GetValue(), max_[row]->GetValue()};
  }
  return values;
}

bool vEditSchemeRulesSheet::Validate() {
  const vCheckResult<vRulesField> result = CheckRules(Values());
  return result.Passed() || ReportInvalid(result.error, ControlOf(result.field));
}

void vEditSchemeRulesSheet::Store(vNameSchemePair &pair) {
  if (IsTemplated())
    return;
  for (int row = 0; row < kRuleSystemCount; ++row) {
    pair.scheme.ruleSystemEnabled[row] = enabled_[row]->IsChecked();
    pair.scheme.ruleLimits[row] = vRuleLimits{min_[row]->GetValue(), max_[row]->GetValue()};
  }
}
