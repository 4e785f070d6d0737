#include "vorlunda/presets.h"
#include "vorlunda/scheme.h"

#include "tests/vorlunda/support/schemesamples.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <vector>

namespace {

vScheme Parsed(const std::string &text) {
  vScheme scheme;
  const Error result = scheme.FromText(text.c_str());
  EXPECT_TRUE(result.Succeeded()) << text << ": " << result.Message().CStr();
  return scheme;
}

bool Accepts(const std::string &text) {
  vScheme scheme;
  return scheme.FromText(text.c_str()).Succeeded();
}

std::string WithField(const char *base, int index, const std::string &value) {
  std::vector<std::string> fields = SplitFields(base);
  fields.at(index) = value;
  return JoinFields(fields);
}

const char *const kSolidText = kPresetTexts[0].text;
const char *const kContractionsText = kPresetTexts[7].text;
const char *const kFernsText = kTemplatedTexts[0].text;

TEST(BuiltInSchemes, PresetsAreWrittenExactlyAndReadBackEqual) {
  for (int row = 0; row < kPresetCount; ++row) {
    vScheme preset;
    preset.templateName = "kept";
    EXPECT_STREQ(FillPresetScheme(row, preset), kPresetTexts[row].name);
    EXPECT_TRUE(preset.enabled);
    EXPECT_STREQ(preset.templateName, "kept");
    if (!preset.filterEnabled) {
      EXPECT_EQ(preset.maxDiscards, 10) << row;
      EXPECT_EQ(preset.minDimension, 1.0) << row;
    }
    preset.templateName = "";
    EXPECT_STREQ(preset.ToText(), kPresetTexts[row].text) << row;
    EXPECT_EQ(Parsed(kPresetTexts[row].text), preset) << row;
  }
}

TEST(BuiltInSchemes, TemplatedDefaultsAreWrittenExactlyAndSurviveARoundTrip) {
  for (int i = 0; i < kTemplatedDefaultCount; ++i) {
    vScheme templated = TemplatedDefault(i);
    EXPECT_STREQ(TemplatedDefaultName(i), kTemplatedTexts[i].name);
    EXPECT_STREQ(templated.templateName, kTemplatedTexts[i].name);
    EXPECT_FALSE(templated.contractiveRules);
    EXPECT_TRUE(templated.useFixedPoints);
    EXPECT_EQ(templated.maxDiscards, 1);
    EXPECT_FALSE(templated.filterEnabled);
    EXPECT_EQ(templated.minDimension, 0.0);
    EXPECT_STREQ(templated.ToText(), kTemplatedTexts[i].text);
    EXPECT_EQ(Parsed(kTemplatedTexts[i].text), templated);
  }
}

// The parser keeps its own copy of what a templated text leaves out, so a
// change to the first built-in scheme must be made in both places.
TEST(SchemeText, UnstoredTemplateFieldsAreThoseOfTheFirstPreset) {
  vScheme preset;
  FillPresetScheme(0, preset);
  vScheme templated = preset;
  templated.colourSystem = ifsColourSystem::Spectrum;
  for (int i = 0; i < kRuleSystemCount; ++i) {
    templated.ruleSystemEnabled[i] = false;
    templated.ruleLimits[i] = {7, 9};
  }
  templated.minScaling = templated.maxScaling = templated.centring = 9.0;
  templated.minPerGroup = templated.maxPerGroup = templated.minBrightness = 99;
  SetUnstoredTemplateFields(templated);
  // The option block is the templated defaults' own, not the preset's.
  templated.contractiveRules = preset.contractiveRules;
  templated.useFixedPoints = preset.useFixedPoints;
  templated.maxDiscards = preset.maxDiscards;
  templated.filterEnabled = preset.filterEnabled;
  templated.minDimension = preset.minDimension;
  EXPECT_EQ(templated, preset);
}

TEST(SchemeText, VersionFollowsTheOptionsInUse) {
  vScheme scheme;
  FillPresetScheme(0, scheme);
  EXPECT_EQ(scheme.RequiredVersion(), 11);
  bool vScheme::*const options[] = {&vScheme::contractiveRules, &vScheme::useFixedPoints,
                                    &vScheme::filterEnabled};
  for (bool vScheme::*option : options) {
    vScheme withOption = scheme;
    withOption.*option = true;
    EXPECT_EQ(withOption.RequiredVersion(), 12);
    withOption.type = vSchemeType::Experimental;
    EXPECT_EQ(withOption.RequiredVersion(), 11); // templated texts never carry options
    withOption.syntaxVersion = 12;
    withOption.ToText();
    EXPECT_EQ(withOption.syntaxVersion, 11);
  }
}

TEST(SchemeText, Version11ForgetsTheOptionValuesItCannotCarry) {
  vScheme scheme;
  FillPresetScheme(0, scheme);
  scheme.maxDiscards = 500;
  scheme.minDimension = 1.9;
  const String text = scheme.ToText();
  EXPECT_STREQ(text, kSolidText);
  const vScheme reread = Parsed(text.CStr());
  EXPECT_EQ(reread.maxDiscards, 10);
  EXPECT_EQ(reread.minDimension, 1.0);
}

TEST(SchemeText, VersionFieldDecidesTheFailure) {
  const std::string rest = std::string(kSolidText).substr(2);
  const struct {
    std::string text;
    const char *message;
    int code;
  } cases[] = {
      {"13" + rest, "Scheme syntax version is unrecognized", 1},
      {"99999999999999" + rest, "Scheme syntax version is unrecognized", 1},
      {"10" + rest, "Corrupt scheme definition", 0},
      {"-12" + rest, "Corrupt scheme definition", 0},
      {"xx" + rest, "Corrupt scheme definition", 0},
      {"12", "Corrupt scheme definition", 0},
      {"", "Corrupt scheme definition", 0},
      {"11,1,40,0.2,5", "Corrupt scheme definition", 0},
  };
  for (const auto &c : cases) {
    vScheme scheme;
    const Error result = scheme.FromText(c.text.c_str());
    EXPECT_EQ(result.Severity(), kSeverityError) << c.text;
    EXPECT_STREQ(result.Message(), c.message) << c.text;
    EXPECT_EQ(result.Code(), c.code) << c.text;
  }
}

TEST(SchemeText, FieldRangesAreCheckedAtTheirBounds) {
  const struct {
    const char *base;
    int field;
    std::vector<const char *> accepted;
    std::vector<const char *> rejected;
  } cases[] = {
      {kSolidText, 2, {"1", "100"}, {"0", "101"}}, // selection probability
      {kSolidText, 3, {"10", "0.000001", "6e-7"}, {"0", "10.000001", "1e400", "0.0000004"}},
      {kSolidText, 4, {"0", "60"}, {"-1", "61"}},                 // clear delay
      {kSolidText, 5, {"fullrandom"}, {"Random", ""}},            // type
      {kSolidText, 6, {"INTENSITY", "spectrum"}, {"Colour", ""}}, // colour system
      {kSolidText, 8, {"2"}, {"1"}},                              // Linear min
      {kSolidText, 9, {"100"}, {"101", "1"}},                     // Linear max
      {kSolidText, 23, {"12"}, {"13"}},                           // Mixture min
      {kSolidText, 25, {"2", "0.0000006"}, {"0", "2.1", "1e-7"}}, // min scaling
      {kFernsText, 3, {"0.0000006"}, {"4e-7"}},                   // templated density
      {kSolidText, 26, {"10"}, {"10.5", "1e-3"}},                 // max scaling
      {kSolidText, 27, {"12"}, {"0"}},                            // min per group
      {kSolidText, 28, {"1000"}, {"1001", "2"}},                  // max per group
      {kSolidText, 29, {"0", "10"}, {"-0.01", "10.01"}},          // centring
      {kSolidText, 30, {"765", ""}, {"766", "-1"}},               // min brightness
      {kContractionsText, 27, {"1", "1000"}, {"0", "1001"}},      // max discards
      // "nan" is no number to the reader, so it reads as 0.
      {kContractionsText, 29, {"0", "2", "nan"}, {"2.000001", "-0.5"}}, // min dimension
  };
  for (const auto &c : cases) {
    for (const char *value : c.accepted)
      EXPECT_TRUE(Accepts(WithField(c.base, c.field, value))) << c.field << ": " << value;
    for (const char *value : c.rejected)
      EXPECT_FALSE(Accepts(WithField(c.base, c.field, value))) << c.field << ": " << value;
  }
}

TEST(SchemeText, EveryRuleSystemDisabledIsCorrupt) {
  std::vector<std::string> fields = SplitFields(kSolidText);
  for (int system = 0; system < 6; ++system)
    fields[7 + 3 * system] = "0";
  EXPECT_FALSE(Accepts(JoinFields(fields)));
  fields[7 + 3 * 5] = "7"; // any non-zero flag is true
  EXPECT_TRUE(Parsed(JoinFields(fields)).ruleSystemEnabled[5]);
}

TEST(SchemeText, CutTextsFailExceptWhereTheLastFieldMayBeEmpty) {
  for (const char *full : {kSolidText, kContractionsText}) {
    const std::string text(full);
    const std::string::size_type lastComma = text.rfind(',');
    for (std::string::size_type length = 0; length < text.size(); ++length) {
      const bool inBrightness = length > lastComma;
      EXPECT_EQ(Accepts(text.substr(0, length)), inBrightness) << text.substr(0, length);
    }
    EXPECT_EQ(Parsed(text.substr(0, lastComma + 1)).minBrightness, 0);
    EXPECT_FALSE(Accepts(text + ","));
    EXPECT_FALSE(Accepts(text + ",128"));
  }
}

TEST(SchemeText, TemplatedTextKeepsEverythingAfterTheTypeAsTheTemplate) {
  const struct {
    const char *text;
    const char *templateName;
  } cases[] = {
      {"11,1,20,0.4,2,Experimental,Ferns", "Ferns"},
      {"12,1,20,0.4,2,experimental,My,odd,,template,", "My,odd,,template,"},
      {"11,1,20,0.4,2,EXPERIMENTAL,", ""},
      {"11,1,20,0.4,2,Experimental, spaced ", " spaced "},
  };
  for (const auto &c : cases) {
    vScheme scheme = Parsed(c.text);
    EXPECT_EQ(scheme.type, vSchemeType::Experimental);
    EXPECT_STREQ(scheme.templateName, c.templateName);
    EXPECT_EQ(std::string(scheme.ToText()),
              std::string("11,1,20,0.400000,2,Experimental,") + c.templateName);
  }
  EXPECT_FALSE(Accepts("11,1,20,0.4,2,Experimental"));
  EXPECT_FALSE(Accepts("11,1,0,0.4,2,Experimental,Ferns")); // the header is still checked
}

TEST(SchemeText, TemplatedTextDefinesEveryUnstoredField) {
  vScheme dirty;
  FillPresetScheme(7, dirty);
  dirty.minBrightness = 700;
  dirty.ruleLimits[3] = {50, 60};
  vScheme clean;
  FillPresetScheme(0, clean);
  ASSERT_TRUE(dirty.FromText(kTemplatedTexts[0].text).Succeeded());
  ASSERT_TRUE(clean.FromText(kTemplatedTexts[0].text).Succeeded());
  EXPECT_EQ(dirty, clean);
  EXPECT_EQ(dirty, TemplatedDefault(0));
}

TEST(SchemeText, LenientFieldsAreWrittenBackCanonically) {
  vScheme scheme = Parsed(" 11x,+1,040,.2e0,5 s,FullRandom,Solid,1,2,6,1,2,16,1,2,16,"
                          "1,2,6,1,2,12,1,3,12,5e-1,2.,3,12,0.8,128 ");
  EXPECT_STREQ(scheme.ToText(), kSolidText);
}

TEST(SchemeText, HugeValuesAreWrittenInFullWithoutOverflow) {
  vScheme scheme;
  FillPresetScheme(7, scheme);
  scheme.pointDensity = DBL_MAX;
  scheme.minDimension = -DBL_MAX;
  scheme.minScaling = DBL_MAX;
  scheme.maxScaling = DBL_MAX;
  scheme.centring = -DBL_MAX;
  scheme.minBrightness = INT32_MIN;
  const std::string text(scheme.ToText());
  const std::string maxText = "179769313486231570814527423731704356798070567525844996598917476803";
  std::vector<std::string> fields = SplitFields(text);
  ASSERT_EQ(fields.size(), 36u);
  for (int index : {3, 30, 31})
    EXPECT_EQ(fields[index].substr(0, maxText.size()), maxText) << index;
  EXPECT_EQ(fields[3].size(), 309u + 7u); // every integer digit and six decimals
  EXPECT_EQ(fields[29], "-" + fields[3]);
  EXPECT_EQ(fields[34], "-" + fields[3]);
  EXPECT_EQ(fields[35], "-2147483648");
  EXPECT_GT(text.size(), 1500u);
}

} // namespace
