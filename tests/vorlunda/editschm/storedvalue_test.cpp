#include "vorlunda/config.h"
#include "vorlunda/editschm/drawing.h"
#include "vorlunda/editschm/filter.h"
#include "vorlunda/editschm/general.h"
#include "vorlunda/editschm/rules.h"
#include "vorlunda/presets.h"
#include "vorlunda/storedvalue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Values on both sides of every limit, and of the rounding to six decimals.
const std::vector<double> kDecimals = {
    -1e-7,     -0.0, 0.0,       1e-12,     4e-7, 4.999999e-7, 5e-7,       5.000001e-7,
    6e-7,      1e-6, 0.05,      0.1,       1.0,  1.9999996,   2.0,        2.0000004,
    2.0000006, 2.01, 9.9999994, 9.9999996, 10.0, 10.0000004,  10.0000006, 10.01};
const std::vector<std::int32_t> kIntegers = {-1, 0, 1, 2, 3, 60, 61, 99, 100, 101, 999, 1000, 1001};

vScheme Base() {
  vScheme scheme;
  FillPresetScheme(0, scheme);
  scheme.filterEnabled = true; // writes the version-12 block, so its fields are read back
  return scheme;
}

bool Accepted(const vScheme &scheme) {
  vGeneralValues general;
  general.name = "Scheme";
  general.minPerGroup = scheme.minPerGroup;
  general.maxPerGroup = scheme.maxPerGroup;
  general.clearDelay = scheme.clearDelay;
  vDrawingValues drawing{false, scheme.pointDensity, scheme.minScaling, scheme.maxScaling,
                         scheme.centring};
  vRulesValues rules;
  for (int row = 0; row < kRuleSystemCount; ++row) {
    rules.enabled[row] = scheme.ruleSystemEnabled[row];
    rules.limits[row] = scheme.ruleLimits[row];
  }
  vFilterValues filter{false, scheme.maxDiscards, scheme.minDimension};
  const vConfigMgr config;
  return CheckGeneral(general, config, 0).Passed() && CheckDrawing(drawing).Passed() &&
         CheckRules(rules).Passed() && CheckFilter(filter).Passed();
}

// Whatever the dialog accepts must survive its trip through the stored text:
// a scheme the next start finds corrupt is silently lost.
void ExpectAcceptedSurvives(vScheme scheme, int &accepted) {
  if (!Accepted(scheme))
    return;
  ++accepted;
  const String text = scheme.ToText();
  vScheme back;
  Error error = back.FromText(text);
  EXPECT_TRUE(error.Succeeded()) << text.CStr();
}

TEST(EditSchemeStoredText, EveryAcceptedDecimalIsReadBack) {
  int accepted = 0;
  for (double a : kDecimals) {
    vScheme scheme = Base();
    scheme.pointDensity = a;
    ExpectAcceptedSurvives(scheme, accepted);
    scheme = Base();
    scheme.centring = a;
    ExpectAcceptedSurvives(scheme, accepted);
    scheme = Base();
    scheme.minDimension = a;
    ExpectAcceptedSurvives(scheme, accepted);
    for (double b : kDecimals) {
      scheme = Base();
      scheme.minScaling = a;
      scheme.maxScaling = b;
      ExpectAcceptedSurvives(scheme, accepted);
    }
  }
  EXPECT_GT(accepted, 100); // the grid reaches both sides of the limits
}

// The integer fields cannot be typed negative (the fields refuse the minus
// sign where their minimum is not negative), but their checks hold anyway,
// the delay's excepted: it has no lower check.
TEST(EditSchemeStoredText, EveryAcceptedIntegerIsReadBack) {
  int accepted = 0;
  for (std::int32_t a : kIntegers) {
    vScheme scheme = Base();
    scheme.maxDiscards = a;
    ExpectAcceptedSurvives(scheme, accepted);
    if (a >= 0) {
      scheme = Base();
      scheme.clearDelay = a;
      ExpectAcceptedSurvives(scheme, accepted);
    }
    for (std::int32_t b : kIntegers) {
      scheme = Base();
      scheme.minPerGroup = a;
      scheme.maxPerGroup = b;
      ExpectAcceptedSurvives(scheme, accepted);
      scheme = Base();
      scheme.ruleSystemEnabled[0] = false;
      scheme.ruleLimits[0] = vRuleLimits{a, b};
      ExpectAcceptedSurvives(scheme, accepted);
    }
  }
  EXPECT_GT(accepted, 40);
}

TEST(EditSchemeStoredText, StoredDoubleIsTheSixDecimalValue) {
  EXPECT_EQ(StoredDouble(0.0000004), 0.0);
  EXPECT_EQ(StoredDouble(0.0000006), 0.000001);
  EXPECT_EQ(StoredDouble(1.35), 1.35);
  EXPECT_EQ(StoredDouble(9.9999996), 10.0);
  EXPECT_FALSE(StoresAsPositive(0.0000004));
  EXPECT_FALSE(StoresAsPositive(-1.0));
  EXPECT_TRUE(StoresAsPositive(0.0000006));
}

} // namespace
