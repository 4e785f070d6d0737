// The built "Vorlu12.chm" unpacked with the CHM library's extractor: it
// holds a page for every chapter and section of the source, with its title,
// and the pages the viewer opens for the dialogs' numbers.

#include "pallwork/helproute.h"
#include "tests/help/support/helpfiles.h"
#include "vorlunda/helptopics.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

class UnpackedChm : public ::testing::Test {
protected:
  void SetUp() override {
    pwSetHelpPages(&HelpPageOf); // as the settings do
    const char *tmp = std::getenv("VORLUNDA_TEST_TMP");
    folder = fs::path(tmp != nullptr ? tmp : "/tmp") / "chm-unpacked";
    fs::remove_all(folder);
    std::string command = "extract_chmLib '" + BuiltHelpPath("Vorlu12.chm") + "' '" +
                          folder.string() + "' >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  void TearDown() override { fs::remove_all(folder); }

  fs::path folder;
};

TEST_F(UnpackedChm, HoldsEveryPageWithItsTitle) {
  std::vector<SourceTopic> topics = SourceTopics();
  ASSERT_EQ(topics.size(), 15u); // nine chapters, six sections
  for (const SourceTopic &topic : topics) {
    fs::path page = folder / (topic.keyword + ".html");
    ASSERT_TRUE(fs::exists(page)) << page;
    EXPECT_NE(ReadText(page.string()).find(topic.title), std::string::npos) << page;
  }
  std::string contents = ReadText((folder / "Contents.html").string());
  EXPECT_NE(contents.find("Vorlunda V1.2 Help"), std::string::npos);
  for (const SourceTopic &topic : topics) {
    EXPECT_NE(contents.find(topic.keyword + ".html"), std::string::npos) << topic.keyword;
  }
}

TEST_F(UnpackedChm, HoldsThePageOfEveryContextNumber) {
  for (std::uint32_t number = 256; number <= 263; ++number) {
    const char *page = pwHtmlHelpPage(number);
    ASSERT_NE(page, nullptr) << number;
    EXPECT_TRUE(fs::exists(folder / page)) << page;
  }
}

} // namespace
