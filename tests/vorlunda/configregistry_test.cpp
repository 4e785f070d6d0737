// Load and Store against a registry of the test's own: in memory natively,
// the real registry under Wine.

#include "pallwork/regmgr.h"
#include "vorlunda/config.h"
#include "vorlunda/presets.h"

#include "tests/support/faultyregistry.h"
#include "tests/support/scratchregistry.h"
#include "tests/vorlunda/support/schemesamples.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

namespace {

const char *const kMineText = kPresetTexts[5].text;
const char *const kLaterText = "13,1,40,0.2,5,FullRandom,Solid,whatever comes in 13";
const char *const kLaterWarningOne =
    "Vorlunda is ignoring 1 scheme which was written by a later version";

void WriteRaw(const char *name, const char *text) {
  pwRegistryMgr registry(kSchemesKey);
  ASSERT_TRUE(registry.WriteString(name, text).Succeeded());
}

void WriteGeneralDword(const char *name, std::uint32_t value) {
  pwRegistryMgr registry(kConfigKey);
  ASSERT_TRUE(registry.WriteDword(name, value).Succeeded());
}

std::string ReadRaw(const char *name) {
  pwRegistryMgr registry(kSchemesKey, pwRegAccess::ReadOnly);
  String text("<absent>");
  (void)registry.ReadString(name, text);
  return text.CStr();
}

std::uint32_t ReadGeneralDword(const char *name) {
  pwRegistryMgr registry(kConfigKey, pwRegAccess::ReadOnly);
  std::uint32_t value = 0xFFFFFFFFu;
  return registry.ReadDword(name, value).Succeeded() ? value : 0xFFFFFFFFu;
}

// Folded to upper case: the registry keeps whichever spelling came first.
std::set<std::string> RawSchemeNames() {
  pwRegistryMgr registry(kSchemesKey, pwRegAccess::ReadOnly);
  std::set<std::string> names;
  for (std::uint32_t index = 0;; ++index) {
    bool found = false;
    String name;
    EXPECT_TRUE(registry.EnumValue(index, found, name).Succeeded());
    if (!found)
      return names;
    std::string folded(name.CStr());
    for (char &c : folded)
      c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    names.insert(folded);
  }
}

class ConfigRegistry : public ::testing::Test {
protected:
  void SetUp() override { FirstRunAgain(); }
  void TearDown() override { scratch_.reset(); }

  // The old scratch registry goes first: on Windows they share one key.
  void FirstRunAgain() {
    scratch_.reset();
    scratch_ = std::make_unique<ScratchRegistry>();
  }

  ScratchRegistry &Scratch() { return *scratch_; }

private:
  std::unique_ptr<ScratchRegistry> scratch_;
};

TEST_F(ConfigRegistry, FirstRunFindsNoSchemesAndPlainSettings) {
  vConfigMgr config;
  config.screenShots = true;
  const Error result = config.Load();
  EXPECT_EQ(result.Severity(), kSeverityError);
  EXPECT_STREQ(result.Message(), "No schemes were found");
  EXPECT_FALSE(config.screenShots);
  EXPECT_FALSE(config.infoLine);
  EXPECT_STREQ(config.screenShotDirectory, "");
  EXPECT_EQ(config.highestVersion, 0);
  EXPECT_EQ(config.SchemeCount(), 0); // no upgrade schemes after a failure
}

TEST_F(ConfigRegistry, StoredConfigurationLoadsBackIdentically) {
  vConfigMgr stored;
  stored.RestoreDefaults();
  stored.screenShots = true;
  stored.infoLine = true;
  stored.screenShotDirectory = "C:\\Screen shots";
  vScheme odd = TemplatedDefault(2);
  odd.templateName = "Vorlunda, with commas,";
  stored.SetScheme("Odd, named", odd);
  ASSERT_TRUE(stored.Store().Succeeded());
  EXPECT_EQ(ReadGeneralDword("ScreenShots"), 1u);
  EXPECT_EQ(ReadGeneralDword("InfoLine"), 1u);
  EXPECT_EQ(ReadGeneralDword("HighestVersion"), 12u);
  EXPECT_EQ(ReadRaw("Ferns"), kTemplatedTexts[0].text);
  EXPECT_EQ(ReadRaw("Contractions 2&3"), kPresetTexts[8].text);

  vConfigMgr loaded;
  const Error result = loaded.Load();
  EXPECT_EQ(result.Severity(), kSeverityOk);
  EXPECT_TRUE(loaded.screenShots && loaded.infoLine);
  EXPECT_STREQ(loaded.screenShotDirectory, "C:\\Screen shots");
  EXPECT_EQ(loaded.highestVersion, 12);
  ASSERT_EQ(loaded.SchemeCount(), stored.SchemeCount());
  for (int i = 0; i < stored.SchemeCount(); ++i) {
    EXPECT_STREQ(loaded.SchemeAt(i)->name, stored.SchemeAt(i)->name);
    EXPECT_EQ(loaded.SchemeAt(i)->scheme, stored.SchemeAt(i)->scheme) << i;
  }
}

TEST_F(ConfigRegistry, GeneralValuesOfTheWrongTypeAreIgnored) {
  {
    pwRegistryMgr registry(kConfigKey);
    ASSERT_TRUE(registry.WriteString("ScreenShots", "1").Succeeded());
    ASSERT_TRUE(registry.WriteDword("ScreenShotDirectory", 5).Succeeded());
    ASSERT_TRUE(registry.WriteDword("InfoLine", 7).Succeeded());
    ASSERT_TRUE(registry.WriteString("HighestVersion", "12").Succeeded());
  }
  WriteRaw("Mine", kMineText);
  vConfigMgr config;
  config.highestVersion = 5;
  ASSERT_TRUE(config.Load().Succeeded());
  EXPECT_FALSE(config.screenShots);
  EXPECT_STREQ(config.screenShotDirectory, "");
  EXPECT_TRUE(config.infoLine);        // any non-zero value
  EXPECT_EQ(config.highestVersion, 5); // an unreadable version leaves the last one
}

TEST_F(ConfigRegistry, OlderConfigurationsGainTheUpgradeSchemesOnce) {
  WriteRaw("Mine", kMineText);
  vConfigMgr config;
  ASSERT_EQ(config.Load().Severity(), kSeverityOk);
  EXPECT_EQ(config.SchemeCount(), 3);
  ASSERT_NE(config.FindScheme("Contractions 2"), nullptr);
  ASSERT_NE(config.FindScheme("Contractions 2&3"), nullptr);
  config.RemoveScheme("Contractions 2");
  config.RemoveScheme("contractions 2&3");
  ASSERT_TRUE(config.Store().Succeeded());
  EXPECT_EQ(ReadGeneralDword("HighestVersion"), 12u);
  EXPECT_EQ(config.highestVersion, 0); // the loaded value, not the stored one

  vConfigMgr again;
  ASSERT_TRUE(again.Load().Succeeded());
  EXPECT_EQ(again.highestVersion, 12);
  EXPECT_EQ(again.SchemeCount(), 1);
}

TEST_F(ConfigRegistry, UpgradeDependsOnTheStoredVersion) {
  const struct {
    std::uint32_t version;
    int schemes;
  } cases[] = {{0, 3}, {11, 3}, {12, 1}, {13, 1}};
  for (const auto &c : cases) {
    FirstRunAgain();
    WriteRaw("Mine", kMineText);
    WriteGeneralDword("HighestVersion", c.version);
    vConfigMgr config;
    ASSERT_TRUE(config.Load().Succeeded());
    EXPECT_EQ(config.SchemeCount(), c.schemes) << c.version;
    ASSERT_TRUE(config.Store().Succeeded());
    // Raised to 12 where lower, never lowered.
    EXPECT_EQ(ReadGeneralDword("HighestVersion"), c.version < 12 ? 12u : c.version);
  }
}

TEST_F(ConfigRegistry, UpgradeKeepsSchemesOfTheSameNameInAnyCase) {
  WriteRaw("contractions 2", kMineText);
  WriteRaw("CONTRACTIONS 2&3", kMineText);
  vConfigMgr config;
  ASSERT_TRUE(config.Load().Succeeded());
  ASSERT_EQ(config.SchemeCount(), 2);
  EXPECT_STREQ(config.SchemeAt(0)->name, "contractions 2");
  vScheme mine;
  ASSERT_TRUE(mine.FromText(kMineText).Succeeded());
  EXPECT_EQ(config.SchemeAt(0)->scheme, mine);
  EXPECT_EQ(config.SchemeAt(1)->scheme, mine);
}

TEST_F(ConfigRegistry, LaterVersionSchemesAreCountedInTheWarning) {
  const struct {
    int later;
    const char *message;
  } cases[] = {
      {1, kLaterWarningOne},
      {2, "Vorlunda is ignoring 2 schemes which were written by a later version"},
      {3, "Vorlunda is ignoring 3 schemes which were written by a later version"},
  };
  for (const auto &c : cases) {
    FirstRunAgain();
    WriteRaw("Mine", kMineText);
    for (int i = 0; i < c.later; ++i)
      WriteRaw(("Later " + std::to_string(i)).c_str(), kLaterText);
    vConfigMgr config;
    const Error result = config.Load();
    EXPECT_EQ(result.Severity(), kSeverityWarning);
    EXPECT_STREQ(result.Message(), c.message);
    EXPECT_EQ(config.SchemeCount(), 3); // the warning still lets the upgrade happen
  }
}

TEST_F(ConfigRegistry, NoLoadableSchemeFailsUnlessSomeAreOfALaterVersion) {
  WriteRaw("Broken", "garbage");
  vConfigMgr config;
  Error result = config.Load();
  EXPECT_EQ(result.Severity(), kSeverityError);
  EXPECT_STREQ(result.Message(), "No schemes were found");

  // The user has schemes, only none this version can show: say so.
  WriteRaw("Later", kLaterText);
  WriteGeneralDword("HighestVersion", 13);
  result = config.Load();
  EXPECT_EQ(result.Severity(), kSeverityWarning);
  EXPECT_STREQ(result.Message(), kLaterWarningOne);
  EXPECT_EQ(config.SchemeCount(), 0);
}

// Names stored in the registry but not loaded stay taken: nothing the user
// does in this version writes over them.
TEST_F(ConfigRegistry, HiddenSchemesKeepTheirNamesAndValues) {
  const char *const hidden[] = {"Solid", "New scheme 1", "Copy of Mine", "Contractions 2"};
  WriteRaw("Mine", kMineText);
  for (const char *name : hidden)
    WriteRaw(name, kLaterText);
  WriteRaw("Ferns", "garbage");
  vConfigMgr loaded;
  EXPECT_STREQ(loaded.Load().Message(),
               "Vorlunda is ignoring 4 schemes which were written by a later version");
  vConfigMgr config(loaded); // copies keep them too, as the dialogs work on copies
  EXPECT_TRUE(config.IsNameHidden("contractions 2"));
  EXPECT_EQ(config.FindScheme("Contractions 2"), nullptr); // the upgrade left it
  EXPECT_NE(config.FindScheme("Contractions 2&3"), nullptr);
  EXPECT_STREQ(config.NewScheme(), "New scheme 2");
  EXPECT_STREQ(config.CopyScheme(*config.FindScheme("Mine")), "Copy 2 of Mine");
  config.RestoreDefaults();
  EXPECT_EQ(config.FindScheme("Solid"), nullptr);
  EXPECT_EQ(config.FindScheme("Ferns"), nullptr);
  EXPECT_NE(config.FindScheme("Shaded"), nullptr);
  ASSERT_TRUE(config.Store().Succeeded());
  for (const char *name : hidden)
    EXPECT_EQ(ReadRaw(name), kLaterText) << name;
  EXPECT_EQ(ReadRaw("Ferns"), "garbage");
}

TEST_F(ConfigRegistry, OnlyLaterSchemesLeaveSchemesAndSettingsStored) {
  WriteRaw("Solid", kLaterText);
  WriteRaw("Ferns", kLaterText);
  WriteGeneralDword("ScreenShots", 1);
  WriteGeneralDword("HighestVersion", 13);
  vConfigMgr config;
  EXPECT_EQ(config.Load().Severity(), kSeverityWarning);
  // What the settings dialog then offers: the built-in schemes under free names.
  config.AddDefaultSchemes();
  EXPECT_EQ(config.SchemeCount(), kPresetCount + kTemplatedDefaultCount - 2);
  EXPECT_TRUE(config.screenShots);
  ASSERT_TRUE(config.Store().Succeeded());
  EXPECT_EQ(ReadRaw("Solid"), kLaterText);
  EXPECT_EQ(ReadRaw("Ferns"), kLaterText);
  EXPECT_EQ(ReadGeneralDword("ScreenShots"), 1u);
  EXPECT_EQ(ReadGeneralDword("HighestVersion"), 13u);
}

// The user may read but not change the key, as its permissions may say.
TEST_F(ConfigRegistry, ReadOnlySchemesAreReadAndAFailedStoreChangesNothing) {
  WriteRaw("Aaa", kMineText);
  WriteRaw("Bbb", kMineText);
  WriteGeneralDword("ScreenShots", 1);
  WriteGeneralDword("HighestVersion", 12);
  Scratch().MakeKeyReadOnly(kSchemesKey);
  vConfigMgr config;
  ASSERT_EQ(config.Load().Severity(), kSeverityOk);
  EXPECT_EQ(config.SchemeCount(), 2);
  EXPECT_TRUE(config.screenShots);
  config.screenShots = false;
  config.RemoveScheme("Aaa");
  config.SetScheme("Zzz", TemplatedDefault(0));
  EXPECT_TRUE(config.Store().Failed());
  EXPECT_EQ(ReadGeneralDword("ScreenShots"), 1u);
  EXPECT_EQ(ReadRaw("Aaa"), kMineText);
  EXPECT_EQ(ReadRaw("Zzz"), "<absent>");
}

TEST_F(ConfigRegistry, ReadOnlySettingsTakeBackTheSchemesWritten) {
  WriteRaw("Aaa", kMineText);
  WriteGeneralDword("HighestVersion", 12);
  Scratch().MakeKeyReadOnly(kConfigKey);
  vConfigMgr config;
  ASSERT_EQ(config.Load().Severity(), kSeverityOk);
  config.RemoveScheme("Aaa");
  config.SetScheme("Zzz", TemplatedDefault(0));
  const Error result = config.Store();
  EXPECT_STREQ(result.Message(), "Unable to create the registry key");
  EXPECT_EQ(RawSchemeNames(), std::set<std::string>{"AAA"});
  EXPECT_EQ(ReadRaw("Aaa"), kMineText);
  EXPECT_EQ(config.DeletedNames().Count(), 1); // still to do when a Store succeeds
}

TEST_F(ConfigRegistry, UnusableValuesAreSkippedAndSurviveAStore) {
  WriteRaw("Good", kMineText);
  WriteRaw("Broken", "11,1,40");
  WriteRaw("Later", kLaterText);
  {
    pwRegistryMgr registry(kSchemesKey);
    ASSERT_TRUE(registry.WriteDword("Number", 11).Succeeded());
  }
  WriteGeneralDword("HighestVersion", 12);
  vConfigMgr config;
  const Error result = config.Load();
  EXPECT_STREQ(result.Message(), kLaterWarningOne);
  ASSERT_EQ(config.SchemeCount(), 1);
  EXPECT_STREQ(config.SchemeAt(0)->name, "Good");

  ASSERT_TRUE(config.Store().Succeeded());
  EXPECT_EQ(ReadRaw("Broken"), "11,1,40");
  EXPECT_EQ(ReadRaw("Later"), kLaterText);
  EXPECT_EQ(RawSchemeNames(), (std::set<std::string>{"GOOD", "BROKEN", "LATER", "NUMBER"}));
}

TEST_F(ConfigRegistry, RemovedSchemesLoseTheirValueUnlessAddedAgain) {
  WriteRaw("Gone", kMineText);
  WriteRaw("Back", kMineText);
  WriteRaw("Stays", kMineText);
  WriteGeneralDword("HighestVersion", 12);
  vConfigMgr config;
  ASSERT_TRUE(config.Load().Succeeded());
  config.RemoveScheme("gone");
  config.RemoveScheme("Back");
  config.SetScheme("BACK", TemplatedDefault(0));
  ASSERT_TRUE(config.Store().Succeeded());
  EXPECT_EQ(ReadRaw("Gone"), "<absent>");
  EXPECT_EQ(ReadRaw("back"), kTemplatedTexts[0].text);
  EXPECT_EQ(RawSchemeNames(), (std::set<std::string>{"BACK", "STAYS"}));
  EXPECT_EQ(config.DeletedNames().Count(), 0);
}

TEST_F(ConfigRegistry, LoadForgetsPendingDeletions) {
  WriteRaw("Kept", kMineText);
  vConfigMgr config;
  ASSERT_TRUE(config.Load().Succeeded());
  config.RemoveScheme("Kept");
  ASSERT_TRUE(config.Load().Succeeded());
  ASSERT_TRUE(config.Store().Succeeded());
  EXPECT_EQ(ReadRaw("Kept"), kMineText);
}

// Faults need a registry that can be told to fail: always the in-memory one.
class ConfigRegistryFaults : public ::testing::Test {
protected:
  void SetUp() override { SetDefaultRegistryBackend(&memory_); }
  void TearDown() override { SetDefaultRegistryBackend(nullptr); }

  // Three schemes and one pending deletion.
  vConfigMgr ThreeSchemes() {
    vConfigMgr config;
    config.highestVersion = 12;
    for (const char *name : {"A", "B", "C", "D"})
      config.SetScheme(name, TemplatedDefault(1));
    config.RemoveScheme("D");
    return config;
  }

  FaultyRegistry memory_;
};

constexpr long kAccessDenied = 5;

TEST_F(ConfigRegistryFaults, GeneralFailureTakesBackEverythingWritten) {
  WriteGeneralDword("InfoLine", 0);
  vConfigMgr config = ThreeSchemes();
  config.infoLine = true;
  // The three schemes go first, then "ScreenShots" is refused.
  memory_.FailNext(RegCall::SetValue, 1, kAccessDenied, 3);
  const Error result = config.Store();
  EXPECT_EQ(result.Severity(), kSeverityError);
  EXPECT_STREQ(result.Message(), "Unable to write the 'ScreenShots' registry value");
  EXPECT_EQ(ReadGeneralDword("InfoLine"), 0u);
  EXPECT_TRUE(RawSchemeNames().empty());
  EXPECT_EQ(config.DeletedNames().Count(), 1); // deletions wait for the next Store
}

TEST_F(ConfigRegistryFaults, FailedDeletionTakesBackTheSchemeWrites) {
  vConfigMgr config = ThreeSchemes();
  memory_.FailNext(RegCall::DeleteValue, 1, kAccessDenied);
  const Error result = config.Store();
  EXPECT_STREQ(result.Message(), "Unable to delete the 'D' registry value");
  EXPECT_TRUE(RawSchemeNames().empty());
  EXPECT_EQ(config.DeletedNames().Count(), 1);
}

TEST_F(ConfigRegistryFaults, StoreStopsAtTheFirstFailedSchemeWrite) {
  vConfigMgr config = ThreeSchemes();
  memory_.FailNext(RegCall::SetValue, 1, kAccessDenied, 1);
  const Error result = config.Store();
  EXPECT_STREQ(result.Message(), "Unable to write the 'B' registry value");
  EXPECT_TRUE(RawSchemeNames().empty()); // "A" was taken back
}

// A rename is a new value and a deletion: the old one must outlive a refused write.
TEST_F(ConfigRegistryFaults, RefusedSchemeWriteLeavesTheRegistryAsItWas) {
  WriteRaw("Aaa", kMineText);
  WriteRaw("Bbb", kMineText);
  WriteGeneralDword("HighestVersion", 12);
  WriteGeneralDword("ScreenShots", 1);
  vConfigMgr config;
  ASSERT_TRUE(config.Load().Succeeded());
  config.screenShots = false;
  config.RemoveScheme("Aaa");
  config.SetScheme("Zzz", TemplatedDefault(0));
  config.FindScheme("Bbb")->scheme = TemplatedDefault(1);
  memory_.FailNext(RegCall::SetValue, 1, kAccessDenied, 1); // "Bbb" is written, "Zzz" is not
  const Error result = config.Store();
  EXPECT_STREQ(result.Message(), "Unable to write the 'Zzz' registry value");
  EXPECT_EQ(ReadRaw("Aaa"), kMineText);
  EXPECT_EQ(ReadRaw("Bbb"), kMineText);
  EXPECT_EQ(ReadRaw("Zzz"), "<absent>");
  EXPECT_EQ(ReadGeneralDword("ScreenShots"), 1u);

  ASSERT_TRUE(config.Store().Succeeded()); // OK again, once the registry takes it
  EXPECT_EQ(RawSchemeNames(), (std::set<std::string>{"BBB", "ZZZ"}));
  EXPECT_EQ(ReadGeneralDword("ScreenShots"), 0u);
}

// A value is read in the system's code page, so one that holds characters
// beyond it reads with '?' in their place: writing it back unchanged would
// lose them. A plain OK therefore writes nothing at all.
TEST_F(ConfigRegistryFaults, StoreWritesOnlyWhatChanged) {
  WriteRaw("Mine", kMineText);
  {
    pwRegistryMgr general(kConfigKey);
    ASSERT_TRUE(general.WriteString("ScreenShotDirectory", "C:\\users\\??\\shots").Succeeded());
  }
  for (const char *name : {"ScreenShots", "InfoLine"})
    WriteGeneralDword(name, 0);
  WriteGeneralDword("HighestVersion", 12);
  vConfigMgr config;
  ASSERT_TRUE(config.Load().Succeeded());
  memory_.FailNext(RegCall::SetValue, 100, kAccessDenied);
  EXPECT_TRUE(config.Store().Succeeded());
  config.screenShots = true;
  EXPECT_STREQ(config.Store().Message(), "Unable to write the 'ScreenShots' registry value");
}

TEST_F(ConfigRegistryFaults, ReadingCreatesNoKey) {
  vConfigMgr config;
  EXPECT_STREQ(config.Load().Message(), "No schemes were found");
  EXPECT_FALSE(memory_.HasKey(kConfigKey));
}

TEST_F(ConfigRegistryFaults, LoadReportsAFailedEnumerationAndSkipsUnreadableValues) {
  for (const char *name : {"A", "B", "C"})
    WriteRaw(name, kMineText);
  WriteGeneralDword("HighestVersion", 12);

  vConfigMgr config;
  // Four general reads, then the size query of "A" fails.
  memory_.FailNext(RegCall::QueryValue, 1, kAccessDenied, 4);
  ASSERT_EQ(config.Load().Severity(), kSeverityOk);
  EXPECT_EQ(config.SchemeCount(), 2);
  EXPECT_EQ(config.FindScheme("A"), nullptr);

  memory_.FailNext(RegCall::EnumValue, 1, kAccessDenied, 2);
  const Error result = config.Load();
  EXPECT_EQ(result.Severity(), kSeverityError);
  EXPECT_STREQ(result.Message(), "Enumeration failed");
  EXPECT_EQ(config.SchemeCount(), 2); // what was read before the failure stays

  memory_.FailNext(RegCall::OpenKeyForReading, 2, kAccessDenied);
  EXPECT_STREQ(config.Load().Message(), "Unable to create the registry key");
}

} // namespace
