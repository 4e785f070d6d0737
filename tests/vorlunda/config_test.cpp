#include "vorlunda/config.h"
#include "vorlunda/presets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

vScheme Preset(int row) {
  vScheme scheme;
  FillPresetScheme(row, scheme);
  return scheme;
}

std::vector<std::string> NamesInOrder(const vConfigMgr &config) {
  std::vector<std::string> names;
  for (vSchemeIter it(config.Schemes()); !it.AtEnd(); it.Next())
    names.push_back(it.Value()->name.CStr());
  return names;
}

std::vector<std::string> DeletedNames(const vConfigMgr &config) {
  std::vector<std::string> names;
  for (SkipIter<String> it(config.DeletedNames()); !it.AtEnd(); it.Next())
    names.push_back(it.Value().CStr());
  return names;
}

TEST(ConfigSchemes, OrderAndLookupIgnoreLetterCase) {
  vConfigMgr config;
  for (const char *name : {"beta", "Alpha", "gamma", "ALPHA2", "_x"})
    config.SetScheme(name, Preset(0));
  // Upper-case folding puts '_' (0x5F) after the letters.
  const std::vector<std::string> expected = {"Alpha", "ALPHA2", "beta", "gamma", "_x"};
  EXPECT_EQ(NamesInOrder(config), expected);
  for (int position = 0; position < config.SchemeCount(); ++position) {
    EXPECT_EQ(std::string(config.SchemeAt(position)->name), expected[position]);
    std::int32_t found = -1;
    const std::string shouted = expected[position] == "beta" ? "BETA" : expected[position];
    ASSERT_NE(config.FindScheme(shouted.c_str(), &found), nullptr);
    EXPECT_EQ(found, position);
  }
  EXPECT_EQ(config.FindScheme("alph"), nullptr);
}

TEST(ConfigSchemes, SetSchemeReplacesUnderTheNewLetterCase) {
  vConfigMgr config;
  config.SetScheme("Ferns", Preset(0));
  config.SetScheme("FERNS", Preset(3));
  ASSERT_EQ(config.SchemeCount(), 1);
  EXPECT_STREQ(config.SchemeAt(0)->name, "FERNS");
  EXPECT_EQ(config.SchemeAt(0)->scheme, Preset(3));
}

TEST(ConfigSchemes, RemovalIsRememberedUntilTheNameReturns) {
  vConfigMgr config;
  config.SetScheme("Mine", Preset(0));
  config.RemoveScheme("Absent");
  EXPECT_TRUE(DeletedNames(config).empty());
  config.RemoveScheme("MINE");
  EXPECT_EQ(config.SchemeCount(), 0);
  EXPECT_EQ(DeletedNames(config), std::vector<std::string>{"MINE"});
  config.RemoveScheme("Mine"); // already gone: not listed twice
  EXPECT_EQ(DeletedNames(config).size(), 1u);
  config.SetScheme("mine", Preset(1));
  EXPECT_TRUE(DeletedNames(config).empty());
}

TEST(ConfigSchemes, ArgumentsMayBeTheStoredPairsOwn) {
  vConfigMgr config;
  config.SetScheme("Mine", Preset(3));
  vNameSchemePair *pair = config.FindScheme("Mine");
  config.SetScheme(pair->name, pair->scheme);
  ASSERT_EQ(config.SchemeCount(), 1);
  EXPECT_STREQ(config.SchemeAt(0)->name, "Mine");
  EXPECT_EQ(config.SchemeAt(0)->scheme, Preset(3));
  pair = config.SchemeAt(0);
  config.RemoveScheme(pair->name);
  EXPECT_EQ(config.SchemeCount(), 0);
  EXPECT_EQ(DeletedNames(config), std::vector<std::string>{"Mine"});
}

TEST(ConfigCopy, IsDeepAndSelfAssignmentKeepsEverything) {
  vConfigMgr original;
  original.screenShots = true;
  original.screenShotDirectory = "C:\\Shots";
  original.infoLine = true;
  original.highestVersion = 13;
  original.SetScheme("Kept", Preset(2));
  original.SetScheme("Gone", Preset(4));
  original.RemoveScheme("Gone");

  vConfigMgr copy(original);
  copy.SchemeAt(0)->scheme.selectionProbability = 99;
  copy.SchemeAt(0)->name = "Renamed";
  EXPECT_EQ(original.SchemeAt(0)->scheme, Preset(2));
  EXPECT_STREQ(original.SchemeAt(0)->name, "Kept");
  EXPECT_EQ(DeletedNames(copy), std::vector<std::string>{"Gone"});

  vConfigMgr assigned;
  assigned.SetScheme("Other", Preset(0));
  assigned = original;
  assigned = *&assigned;
  EXPECT_TRUE(assigned.screenShots);
  EXPECT_STREQ(assigned.screenShotDirectory, "C:\\Shots");
  EXPECT_TRUE(assigned.infoLine);
  EXPECT_EQ(assigned.highestVersion, 13);
  EXPECT_EQ(NamesInOrder(assigned), std::vector<std::string>{"Kept"});
  EXPECT_EQ(DeletedNames(assigned), std::vector<std::string>{"Gone"});
}

TEST(ConfigDefaults, RestoreKeepsUserSchemesDisabledAndResetsTheBuiltIns) {
  vConfigMgr config;
  config.screenShots = config.infoLine = true;
  config.screenShotDirectory = "E:\\";
  config.SetScheme("Mine", Preset(5));
  vScheme spoiled = Preset(0);
  spoiled.selectionProbability = 99;
  spoiled.enabled = false;
  config.SetScheme("SOLID", spoiled);
  config.SetScheme("ferns", Preset(6));
  config.RestoreDefaults();

  EXPECT_FALSE(config.screenShots || config.infoLine);
  EXPECT_STREQ(config.screenShotDirectory, "");
  ASSERT_EQ(config.SchemeCount(), kPresetCount + kTemplatedDefaultCount + 1);
  ASSERT_NE(config.FindScheme("Mine"), nullptr);
  EXPECT_FALSE(config.FindScheme("Mine")->scheme.enabled);
  for (int row = 0; row < kPresetCount; ++row) {
    vScheme preset;
    const vNameSchemePair *pair = config.FindScheme(FillPresetScheme(row, preset));
    ASSERT_NE(pair, nullptr);
    EXPECT_STREQ(pair->name, FillPresetScheme(row, preset)); // table spelling wins
    EXPECT_EQ(pair->scheme, preset);
  }
  for (int i = 0; i < kTemplatedDefaultCount; ++i) {
    const vNameSchemePair *pair = config.FindScheme(TemplatedDefaultName(i));
    ASSERT_NE(pair, nullptr);
    EXPECT_STREQ(pair->name, TemplatedDefaultName(i));
    EXPECT_EQ(pair->scheme, TemplatedDefault(i));
  }
}

} // namespace
