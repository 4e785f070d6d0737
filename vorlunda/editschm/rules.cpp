#include "vorlunda/editschm/rules.h"

#include "vorlunda/editschm/limitcheck.h"

namespace {

constexpr const char *kRowLabels[kRuleSystemCount] = {
    "&Linear", "Tri&g", "Trig &squared", "Linear/trig &combo", "Signed square &root", "&Mixture",
};

constexpr const char *kNoneEnabled = "At least one rule system must be enabled";

vCheckResult<vRulesField> CheckRow(int row, const vRuleLimits &limits) {
  const String rowName = RuleRowName(row);
  const vRulesField minField{row, vRulesColumn::Minimum};
  const vRulesField maxField{row, vRulesColumn::Maximum};
  return CheckPair<vRulesField, std::int32_t>(
      {minField, kMinRulesLimits, limits.min, FieldSubject(kMinRulesLimits.label, rowName)},
      {maxField, kMaxRulesLimits, limits.max, FieldSubject(kMaxRulesLimits.label, rowName)});
}

} // namespace

const char *RuleRowLabel(int row) { return kRowLabels[row]; }

String RuleRowName(int row) {
  String name;
  for (const char *c = kRowLabels[row]; *c != '\0'; ++c) {
    if (*c != '&')
      name += *c;
  }
  return name;
}

vCheckResult<vRulesField> CheckRules(const vRulesValues &values) {
  if (values.templated)
    return {};
  bool anyEnabled = false;
  for (int row = 0; row < kRuleSystemCount; ++row) {
    vCheckResult<vRulesField> result = CheckRow(row, values.limits[row]);
    if (!result.Passed())
      return result;
    anyEnabled = anyEnabled || values.enabled[row];
  }
  if (!anyEnabled)
    return CheckFailure(vRulesField{0, vRulesColumn::Enabled}, String(kNoneEnabled));
  return {};
}
