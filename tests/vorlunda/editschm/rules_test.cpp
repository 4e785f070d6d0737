#include "vorlunda/editschm/rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

vRulesValues Valid() {
  vRulesValues values;
  for (int row = 0; row < kRuleSystemCount; ++row) {
    values.enabled[row] = true;
    values.limits[row] = vRuleLimits{2, 6};
  }
  return values;
}

std::string MinMessage(const char *label) {
  return std::string("'Minimum rules' for '") + label +
         "' contains an invalid value.\nIt must be at least 2.";
}

std::string MaxBelowMessage(const char *label) {
  return std::string("'Maximum rules' for '") + label +
         "' contains an invalid value.\nIt must be at least as large as 'Minimum rules'.";
}

std::string MaxTooLargeMessage(const char *label) {
  return std::string("'Maximum rules' for '") + label +
         "' contains an invalid value.\nIt must be 100 or less.";
}

TEST(EditSchemeRules, RowNamesLoseOnlyTheAcceleratorMark) {
  const char *names[] = {
      "Linear", "Trig", "Trig squared", "Linear/trig combo", "Signed square root", "Mixture"};
  for (int row = 0; row < kRuleSystemCount; ++row)
    EXPECT_STREQ(RuleRowName(row), names[row]);
  EXPECT_STREQ(RuleRowLabel(1), "Tri&g");
}

TEST(EditSchemeRules, EachRowCheckNamesItsRowAndCell) {
  struct Case {
    int row;
    vRuleLimits limits;
    bool enabled;
    vRulesColumn column;
    std::string message;
  } cases[] = {
      {1, {1, 6}, true, vRulesColumn::Minimum, MinMessage("Trig")},
      {0, {-3, 6}, true, vRulesColumn::Minimum, MinMessage("Linear")},
      {3, {5, 4}, true, vRulesColumn::Maximum, MaxBelowMessage("Linear/trig combo")},
      {5, {2, 101}, true, vRulesColumn::Maximum, MaxTooLargeMessage("Mixture")},
      // A switched-off row keeps its limits in the scheme, so they count too.
      {4, {1, 1}, false, vRulesColumn::Minimum, MinMessage("Signed square root")},
      {2, {7, 3}, false, vRulesColumn::Maximum, MaxBelowMessage("Trig squared")},
      {2, {101, 101}, false, vRulesColumn::Maximum, MaxTooLargeMessage("Trig squared")},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.message);
    vRulesValues values = Valid();
    values.limits[c.row] = c.limits;
    values.enabled[c.row] = c.enabled;
    const vCheckResult<vRulesField> result = CheckRules(values);
    ASSERT_FALSE(result.Passed());
    EXPECT_EQ(result.error.Severity(), kSeverityError);
    EXPECT_EQ(std::string(result.error.Message().CStr()), c.message);
    EXPECT_EQ(result.field.row, c.row);
    EXPECT_EQ(result.field.column, c.column);
  }
}

TEST(EditSchemeRules, FirstFailingRowWins) {
  vRulesValues values = Valid();
  values.limits[4] = vRuleLimits{1, 6};
  values.limits[2] = vRuleLimits{2, 200};
  for (bool &enabled : values.enabled)
    enabled = false;
  const vCheckResult<vRulesField> result = CheckRules(values);
  EXPECT_EQ(std::string(result.error.Message().CStr()), MaxTooLargeMessage("Trig squared"));
}

TEST(EditSchemeRules, AtLeastOneRuleSystemAfterTheLimits) {
  vRulesValues values = Valid();
  for (bool &enabled : values.enabled)
    enabled = false;
  vCheckResult<vRulesField> result = CheckRules(values);
  ASSERT_FALSE(result.Passed());
  EXPECT_STREQ(result.error.Message(), "At least one rule system must be enabled");
  EXPECT_EQ(result.field.row, 0);
  EXPECT_EQ(result.field.column, vRulesColumn::Enabled);
  values.enabled[5] = true;
  EXPECT_TRUE(CheckRules(values).Passed());
}

TEST(EditSchemeRules, BoundariesPass) {
  vRulesValues values = Valid();
  values.limits[0] = vRuleLimits{2, 2};
  values.limits[1] = vRuleLimits{100, 100};
  values.limits[2] = vRuleLimits{2, 100};
  EXPECT_TRUE(CheckRules(values).Passed());
}

TEST(EditSchemeRules, TemplatedSchemeNeverFails) {
  vRulesValues values;
  values.templated = true;
  for (int row = 0; row < kRuleSystemCount; ++row)
    values.limits[row] = vRuleLimits{0, -1};
  EXPECT_TRUE(CheckRules(values).Passed());
}

} // namespace
