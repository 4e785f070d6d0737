#include "vorlunda/editschm/rules.h"

namespace {

constexpr std::int32_t kMinRules = 2;
constexpr std::int32_t kMaxRules = 100;

constexpr const char *kRowLabels[kRuleSystemCount] = {
    "&Linear", "Tri&g", "Trig &squared", "Linear/trig &combo", "Signed square &root", "&Mixture",
};

constexpr const char *kNoneEnabled = "At least one rule system must be enabled";

vCheckResult<vRulesField> Fail(int row, vRulesColumn column, const char *lead,
                               const char *requirement) {
  String message = lead;
  message += RuleRowName(row);
  message += "' contains an invalid value.\n";
  message += requirement;
  return CheckFailure(vRulesField{row, column}, message);
}

vCheckResult<vRulesField> CheckRow(int row, const vRuleLimits &limits) {
  if (limits.min < kMinRules)
    return Fail(row, vRulesColumn::Minimum, "'Minimum rules' for '", "It must be at least 2.");
  if (limits.max < limits.min)
    return Fail(row, vRulesColumn::Maximum, "'Maximum rules' for '",
                "It must be at least as large as 'Minimum rules'.");
  if (limits.max > kMaxRules)
    return Fail(row, vRulesColumn::Maximum, "'Maximum rules' for '", "It must be 100 or less.");
  return {};
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
