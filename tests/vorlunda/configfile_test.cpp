#include "vorlunda/configfile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

std::string TempPath(const char *leaf) {
  const char *dir = std::getenv("VORLUNDA_TEST_TMP");
  return std::string(dir != nullptr ? dir : "/tmp") + "/" + leaf;
}

void WriteFile(const std::string &path, const std::string &text) {
  std::FILE *file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

std::string Names(const vConfigMgr &config) {
  std::string names;
  for (vSchemeIter it(config.Schemes()); !it.AtEnd(); it.Next())
    names += std::string(it.Value()->name.CStr()) + ";";
  return names;
}

std::string Joined(const std::vector<String> &messages) {
  std::string all;
  for (const String &message : messages)
    all += std::string(message.CStr()) + "\n";
  return all;
}

} // namespace

TEST(ConfigFile, PathFollowsTheBaseDirectoryRules) {
  EXPECT_STREQ(ConfigFilePath("/x/conf", "/home/ann"), "/x/conf/vorlunda/vorlunda.conf");
  EXPECT_STREQ(ConfigFilePath(nullptr, "/home/ann"), "/home/ann/.config/vorlunda/vorlunda.conf");
  EXPECT_STREQ(ConfigFilePath("", "/home/ann"), "/home/ann/.config/vorlunda/vorlunda.conf");
  // A relative value is to be ignored.
  EXPECT_STREQ(ConfigFilePath("conf", "/home/ann"), "/home/ann/.config/vorlunda/vorlunda.conf");
  EXPECT_STREQ(ConfigFilePath(nullptr, nullptr), "");
  EXPECT_STREQ(ConfigFilePath(nullptr, ""), "");
}

TEST(ConfigFile, WithoutAFileOrSchemesTheBuiltInOnesDrawWithTheFilesSettings) {
  vConfigMgr defaults;
  defaults.RestoreDefaults();
  std::vector<String> messages;
  vConfigMgr missing;
  LoadConfigFile(TempPath("no-such.conf").c_str(), missing, messages);
  EXPECT_EQ(Names(missing), Names(defaults));
  EXPECT_EQ(missing.SchemeCount(), 13);
  EXPECT_EQ(Joined(messages), "");

  const std::string path = TempPath("general-only.conf");
  WriteFile(path, "InfoLine = 1\nScreenShotDirectory = \"/shots\"\n");
  vConfigMgr general;
  LoadConfigFile(path.c_str(), general, messages);
  EXPECT_EQ(Names(general), Names(defaults));
  EXPECT_TRUE(general.infoLine);
  EXPECT_STREQ(general.screenShotDirectory, "/shots");
  EXPECT_EQ(Joined(messages), "");
  std::remove(path.c_str());
}

// The registry key's lines, written out as the file, read back as the
// same schemes: a scheme copies between the two by hand.
TEST(ConfigFile, SchemesCopiedFromTheRegistryLayoutReadBackTheSame) {
  vConfigMgr defaults;
  defaults.RestoreDefaults();
  std::string text = "HighestVersion = 12\nInfoLine = 0\n[Schemes]\n";
  for (vSchemeIter it(defaults.Schemes()); !it.AtEnd(); it.Next()) {
    vScheme scheme = it.Value()->scheme;
    text += std::string(it.Value()->name.CStr()) + " = " + scheme.ToText().CStr() + "\n";
  }
  const std::string path = TempPath("copied.conf");
  WriteFile(path, text);
  vConfigMgr loaded;
  std::vector<String> messages;
  LoadConfigFile(path.c_str(), loaded, messages);
  EXPECT_EQ(Joined(messages), "");
  ASSERT_EQ(Names(loaded), Names(defaults));
  for (vSchemeIter it(defaults.Schemes()); !it.AtEnd(); it.Next()) {
    vScheme expected = it.Value()->scheme;
    vScheme got = loaded.FindScheme(it.Value()->name)->scheme;
    EXPECT_STREQ(got.ToText(), expected.ToText()) << it.Value()->name.CStr();
  }
  std::remove(path.c_str());
}

TEST(ConfigFile, UnreadableLinesAreNamedAndTheRestIsUsed) {
  vConfigMgr defaults;
  defaults.RestoreDefaults();
  vScheme ferns = defaults.FindScheme("Ferns")->scheme;
  const std::string path = TempPath("broken.conf");
  WriteFile(path, std::string("HighestVersion = 12\n"
                              "InfoLine = yes\n"
                              "ScreenShotDirectory = 7\n"
                              "Colour = 1\n"
                              "[Other]\n"
                              "A = 1\n"
                              "[Schemes]\n"
                              "Mine = ") +
                      ferns.ToText().CStr() +
                      "\n"
                      "garbage\n"
                      "Number = 12\n"
                      "Broken = 12,1,x\n"
                      "Later = 99,1,15,2.000000,2,Experimental,Ferns\n");
  vConfigMgr loaded;
  std::vector<String> messages;
  LoadConfigFile(path.c_str(), loaded, messages);
  EXPECT_EQ(Names(loaded), "Mine;");
  EXPECT_FALSE(loaded.infoLine);
  // In line order; the later version's scheme is told by the loader's own warning.
  const std::string at = path + ":";
  EXPECT_EQ(Joined(messages),
            at + "2: skipped: the setting takes a whole number\n" + at +
                "3: skipped: the setting takes a folder, not a number\n" + at +
                "4: skipped: no such setting\n" + at +
                "6: skipped: no such section; the one section is [Schemes]\n" + at +
                "9: skipped: no \"=\" between a name and a value\n" + at +
                "10: skipped: a number where a scheme text belongs\n" + at +
                "11: skipped: Corrupt scheme definition\n" +
                "Vorlunda is ignoring 1 scheme which was written by a later version\n");
  std::remove(path.c_str());
}

// Random files made of real lines, broken lines and noise: loading ends
// with usable schemes, and every message is one line.
TEST(ConfigFileFuzz, RandomFilesLoadToUsableSchemes) {
  vConfigMgr defaults;
  defaults.RestoreDefaults();
  std::vector<std::string> lines = {"[Schemes]",   "InfoLine = 1", "HighestVersion = 11",
                                    "= x",         "[Other]",      "x",
                                    "Name = 12,1", "\"q\" = 1"};
  for (vSchemeIter it(defaults.Schemes()); !it.AtEnd(); it.Next()) {
    vScheme scheme = it.Value()->scheme;
    lines.push_back(std::string(it.Value()->name.CStr()) + " = " + scheme.ToText().CStr());
  }
  std::mt19937 generator(11);
  const std::string path = TempPath("fuzz.conf");
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const unsigned count = generator() % 12;
    for (unsigned i = 0; i < count; ++i) {
      std::string line = lines[generator() % lines.size()];
      if (!line.empty() && generator() % 3 == 0)
        line[generator() % line.size()] = static_cast<char>(generator() % 256);
      text += line + (generator() % 8 == 0 ? "\r\n" : "\n");
    }
    WriteFile(path, text);
    vConfigMgr loaded;
    std::vector<String> messages;
    LoadConfigFile(path.c_str(), loaded, messages);
    ASSERT_GT(loaded.SchemeCount(), 0) << text;
    for (const String &message : messages)
      ASSERT_EQ(std::string(message.CStr()).find('\n'), std::string::npos) << text;
  }
  std::remove(path.c_str());
}
