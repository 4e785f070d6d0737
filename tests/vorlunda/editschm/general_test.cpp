#include "pallwork/regmgr.h"
#include "vorlunda/config.h"
#include "vorlunda/editschm/general.h"
#include "vorlunda/presets.h"

#include "tests/support/scratchregistry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const char *kBlank = "The scheme name must not be blank";
constexpr const char *kTooLong = "The scheme name is too long";
constexpr const char *kInUse = "The scheme name is already in use";

// "Alpha" at 0, "Beta" at 1, "Gamma" at 2.
vConfigMgr ThreeSchemes() {
  vConfigMgr config;
  vScheme scheme;
  FillPresetScheme(0, scheme);
  for (const char *name : {"Gamma", "Alpha", "Beta"})
    config.SetScheme(name, scheme);
  return config;
}

vGeneralValues Valid(const char *name = "Beta") {
  vGeneralValues values;
  values.name = name;
  values.minPerGroup = 3;
  values.maxPerGroup = 12;
  values.clearDelay = 5;
  return values;
}

std::string Message(const Error &error) { return error.Message().CStr(); }

TEST(EditSchemeName, ChecksTheTrimmedNameAgainstOtherPositions) {
  const vConfigMgr config = ThreeSchemes();
  const std::string chars64(64, 'x');
  struct Case {
    std::string typed;
    std::int32_t position;
    const char *message; // null: passes
  } cases[] = {
      {"", 1, kBlank},
      {"   ", 1, kBlank},
      {chars64, 1, nullptr},
      {"  " + chars64 + "   ", 1, nullptr},
      {chars64 + "y", 1, kTooLong},
      {" " + chars64 + "y ", 1, kTooLong},
      {"Beta", 1, nullptr},     // its own name
      {"  bEtA ", 1, nullptr},  // its own name in other letter case
      {"Alpha", 1, kInUse},     // another's name
      {"ALPHA", 1, kInUse},     // in any letter case
      {"  Gamma  ", 1, kInUse}, // spaces do not make it new
      {"Alpha", -1, kInUse},    // a new scheme has no position of its own
      {"Delta", 1, nullptr},
      {"Al pha", 1, nullptr},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE("typed '" + c.typed + "'");
    Error error = CheckSchemeName(c.typed.c_str(), config, c.position);
    if (c.message == nullptr) {
      EXPECT_TRUE(error.Succeeded()) << Message(error);
    } else {
      EXPECT_EQ(error.Severity(), kSeverityError);
      EXPECT_EQ(Message(error), c.message);
    }
  }
}

// A rename onto a scheme this version cannot show would write over it.
TEST(EditSchemeName, NamesOfHiddenSchemesAreTaken) {
  ScratchRegistry scratch;
  {
    pwRegistryMgr schemes(kSchemesKey);
    ASSERT_TRUE(schemes.WriteString("Later", "13,1,40,0.2,5,FullRandom,Solid").Succeeded());
    ASSERT_TRUE(schemes.WriteString("Mine", "11,1,20,0.400000,2,Experimental,Ferns").Succeeded());
  }
  vConfigMgr config;
  ASSERT_TRUE(config.Load().Succeeded());
  EXPECT_EQ(Message(CheckSchemeName("LATER", config, 0)),
            "The scheme name is already in use by a stored scheme that this version cannot show");
  EXPECT_TRUE(CheckSchemeName("Later on", config, 0).Succeeded());
}

TEST(EditSchemeGeneral, EachCheckNamesItsFieldAndMessage) {
  const vConfigMgr config = ThreeSchemes();
  struct Case {
    const char *what;
    void (*change)(vGeneralValues &);
    vGeneralField field;
    const char *message;
  } cases[] = {
      {"min 0", [](vGeneralValues &v) { v.minPerGroup = 0; }, vGeneralField::MinPerGroup,
       "'Minimum IFS's per group' contains an invalid value.\nIt must be at least 1."},
      {"max below min", [](vGeneralValues &v) { v.maxPerGroup = 2; }, vGeneralField::MaxPerGroup,
       "'Maximum IFS's per group' contains an invalid value.\nIt must be at least as large as "
       "'Minimum IFS's per group'."},
      {"max 1001", [](vGeneralValues &v) { v.maxPerGroup = 1001; }, vGeneralField::MaxPerGroup,
       "'Maximum IFS's per group' contains an invalid value.\nIt must be 1000 or less."},
      {"delay 61", [](vGeneralValues &v) { v.clearDelay = 61; }, vGeneralField::ClearDelay,
       "'Delay before clearing screen' contains an invalid value.\nIt must be 60 or less."},
      // The first failure in the sheet's order wins.
      {"blank name and delay",
       [](vGeneralValues &v) {
         v.name = " ";
         v.clearDelay = 99;
       },
       vGeneralField::Name, kBlank},
      {"min 0 and max 2000",
       [](vGeneralValues &v) {
         v.minPerGroup = 0;
         v.maxPerGroup = 2000;
       },
       vGeneralField::MinPerGroup,
       "'Minimum IFS's per group' contains an invalid value.\nIt must be at least 1."},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    vGeneralValues values = Valid();
    c.change(values);
    const vCheckResult<vGeneralField> result = CheckGeneral(values, config, 1);
    ASSERT_FALSE(result.Passed());
    EXPECT_EQ(result.field, c.field);
    EXPECT_EQ(result.error.Severity(), kSeverityError);
    EXPECT_EQ(Message(result.error), c.message);
  }
}

TEST(EditSchemeGeneral, BoundariesPass) {
  const vConfigMgr config = ThreeSchemes();
  vGeneralValues values = Valid();
  values.minPerGroup = 1;
  values.maxPerGroup = 1000;
  values.clearDelay = 60;
  EXPECT_TRUE(CheckGeneral(values, config, 1).Passed());
  values.maxPerGroup = 1;
  values.clearDelay = 0;
  EXPECT_TRUE(CheckGeneral(values, config, 1).Passed());
}

TEST(EditSchemeGeneral, TemplatedSchemeKeepsItsGroupSizesUnchecked) {
  const vConfigMgr config = ThreeSchemes();
  vGeneralValues values = Valid();
  values.templated = true;
  values.minPerGroup = 0;
  values.maxPerGroup = -5;
  EXPECT_TRUE(CheckGeneral(values, config, 1).Passed());
  values.clearDelay = 61;
  EXPECT_EQ(CheckGeneral(values, config, 1).field, vGeneralField::ClearDelay);
  values.name = "Gamma";
  EXPECT_EQ(Message(CheckGeneral(values, config, 1).error), kInUse);
}

} // namespace
