// The built "Vorlu12.hlp" read back: each number the dialogs pass leads to
// the topic written for it, and the file has its contents topic.

#include "pallwork/helproute.h"
#include "tests/help/support/helpfiles.h"
#include "tools/hlpctx/contextmap.h"
#include "tools/hlpctx/hlpfile.h"
#include "vorlunda/helptopics.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

class BuiltHelp : public ::testing::Test {
protected:
  void SetUp() override {
    pwSetHelpPages(&HelpPageOf);
    std::string error;
    ASSERT_TRUE(help.Load(ReadBytes(BuiltHelpPath("Vorlu12.hlp")), error)) << error;
  }
  hlp::HlpFile help;
};

TEST_F(BuiltHelp, EveryContextNumberOpensItsTopic) {
  const std::map<std::uint32_t, std::string> expected = {
      {256, "Chapter 1: The settings dialog"},
      {257, "Section 1.1: The Schemes sheet"},
      {258, "Section 1.2: The General sheet"},
      {259, "Chapter 2: The Edit Scheme dialog"},
      {260, "Section 2.1: The General sheet of Edit Scheme"},
      {261, "Section 2.2: The Drawing sheet of Edit Scheme"},
      {262, "Section 2.3: The Rules sheet of Edit Scheme"},
      {263, "Section 2.4: The Filter sheet of Edit Scheme"},
  };
  std::string error;
  std::vector<hlp::MapEntry> map;
  std::map<std::uint32_t, std::string> titles;
  ASSERT_TRUE(help.ReadContextMap(map, error)) << error;
  ASSERT_TRUE(help.ReadTitles(titles, error)) << error;
  std::map<std::uint32_t, std::string> found;
  for (const hlp::MapEntry &entry : map) {
    found[entry.number] = titles.count(entry.topicOffset) ? titles[entry.topicOffset] : "(none)";
  }
  EXPECT_EQ(found, expected);
}

// The numeric map must agree with the topic names WinHelp itself resolves,
// and the HTML Help pages the viewer opens must be those same topics.
TEST_F(BuiltHelp, MapAgreesWithContextNamesAndHtmlPages) {
  std::string error;
  std::vector<hlp::ContextName> names;
  ASSERT_TRUE(hlp::ParseContextNames(ReadText(BuiltHelpPath("help/contexts.map")), names, error))
      << error;
  std::map<std::uint32_t, std::uint32_t> contexts;
  std::vector<hlp::MapEntry> map;
  ASSERT_TRUE(help.ReadContexts(contexts, error)) << error;
  ASSERT_TRUE(help.ReadContextMap(map, error)) << error;
  ASSERT_EQ(map.size(), names.size());
  for (const hlp::ContextName &name : names) {
    SCOPED_TRACE(name.name);
    ASSERT_EQ(contexts.count(hlp::ContextHash(name.name)), 1u);
    bool mapped = false;
    for (const hlp::MapEntry &entry : map) {
      mapped |=
          entry.number == name.number && entry.topicOffset == contexts[hlp::ContextHash(name.name)];
    }
    EXPECT_TRUE(mapped);
    const char *page = pwHtmlHelpPage(name.number);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(std::string(page), name.name + ".html");
  }
  for (std::uint32_t number = 256; number <= 263; ++number) {
    EXPECT_NE(pwHtmlHelpPage(number), nullptr) << number;
  }
}

TEST_F(BuiltHelp, ContentsTopicExists) {
  std::string error;
  std::uint32_t contents = 1;
  std::map<std::uint32_t, std::string> titles;
  std::map<std::uint32_t, std::uint32_t> contexts;
  ASSERT_TRUE(help.ReadContentsOffset(contents, error)) << error;
  ASSERT_TRUE(help.ReadTitles(titles, error)) << error;
  ASSERT_TRUE(help.ReadContexts(contexts, error)) << error;
  EXPECT_EQ(titles[contents], "Contents");
  EXPECT_EQ(contexts[hlp::ContextHash("Top")], contents);
  // One titled topic per chapter and section, and the contents.
  EXPECT_EQ(titles.size(), SourceTopics().size() + 1);
}

// Hashes as the help writer stored them, and WinHelp's own examples of the
// characters it ignores and the ones it counts alike.
TEST(ContextHash, MatchesTheWritersHashes) {
  struct Case {
    const char *name;
    std::uint32_t hash;
  } cases[] = {
      {"Top", 0x00010959},
      {"ctx_intro", 0xBF67CF62},
      {"ctx_settings", 0x3F981091},
      {"ctx_schemes", 0xC9B79D58},
      {"TOP", 0x00010959},
      {"", 0},
      {"a", 17},
      {"0", 10},
      {"9", 9},
      {"._", 12 * 43 + 13},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(hlp::ContextHash(c.name), c.hash) << c.name;
  }
  EXPECT_TRUE(hlp::IsPortableContextName("edit_rules.2"));
  EXPECT_FALSE(hlp::IsPortableContextName("edit-rules"));
  EXPECT_FALSE(hlp::IsPortableContextName(""));
}

TEST(ContextNames, ParseAndRefuse) {
  struct Case {
    const char *text;
    const char *error; // empty when the text is good
  } cases[] = {
      {"256 settings\n# comment\n\n257 schemes # trailing\r\n", ""},
      {"", "the context map names no topics"},
      {"256\n", "line 1: expected \"<number> <context name>\""},
      {"256 a b\n", "line 1: expected \"<number> <context name>\""},
      {"x256 a\n", "line 1: expected \"<number> <context name>\""},
      {"-1 a\n", "line 1: expected \"<number> <context name>\""},
      {"1234567890 a\n", "line 1: expected \"<number> <context name>\""},
      {"256 a\n256 b\n", "line 2: number 256 is mapped twice"},
      {"256 a-b\n", "line 1: context name \"a-b\" may hold only letters, digits, '.' and '_'"},
  };
  for (const Case &c : cases) {
    std::vector<hlp::ContextName> names;
    std::string error;
    bool ok = hlp::ParseContextNames(c.text, names, error);
    EXPECT_EQ(ok, std::string(c.error).empty()) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
  }
}

TEST_F(BuiltHelp, RefillingGivesTheSameFileAndANewMapMovesToTheEnd) {
  std::string error;
  std::vector<hlp::MapEntry> map;
  ASSERT_TRUE(help.ReadContextMap(map, error)) << error;
  std::vector<std::uint8_t> same;
  ASSERT_TRUE(hlp::WriteContextMap(help, map, same, error)) << error;
  EXPECT_EQ(same, help.Bytes());

  // A larger map no longer fits its space: it moves to the end and the old
  // space heads the free list.
  map.push_back({300, map.front().topicOffset});
  std::vector<std::uint8_t> grown;
  ASSERT_TRUE(hlp::WriteContextMap(help, map, grown, error)) << error;
  hlp::HlpFile reread;
  ASSERT_TRUE(reread.Load(grown, error)) << error;
  std::vector<hlp::MapEntry> readBack;
  ASSERT_TRUE(reread.ReadContextMap(readBack, error)) << error;
  ASSERT_EQ(readBack.size(), 9u);
  EXPECT_EQ(readBack.back().number, 300u);
  const hlp::InternalFile *moved = reread.Find("|CTXOMAP");
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(moved->headerOffset + moved->reserved, grown.size());
  std::uint32_t firstFree =
      grown[8] | grown[9] << 8 | grown[10] << 16 | static_cast<std::uint32_t>(grown[11]) << 24;
  EXPECT_EQ(firstFree, help.Find("|CTXOMAP")->headerOffset);
}

} // namespace
