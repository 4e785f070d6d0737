#include "pallwork/fileregistry.h"
#include "pallwork/regmgr.h"

#include "tests/pallwork/support/registrycontract.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

using namespace std::string_literals;

namespace {

constexpr const char *kKey = "Control Panel\\Screen Saver.Test";
constexpr const char *kSchemes = "Control Panel\\Screen Saver.Test\\Schemes";

// What the registry manager makes of a read file is what the product sees.
struct FileProvider {
  pwRegistryBackend &Backend() { return registry; }
  pwFileRegistry registry{kKey};
};
using FileBackends = ::testing::Types<FileProvider>;

void Read(pwFileRegistry &registry, const std::string &text) {
  registry.ReadText(text.data(), text.size());
}

std::string Problems(const pwFileRegistry &registry) {
  std::string all;
  for (const pwFileProblem &problem : registry.Problems())
    all += std::to_string(problem.line) + ": " + problem.reason.CStr() + "\n";
  return all;
}

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(File, RegistryContract, FileBackends);

TEST(FileRegistry, ValuesTakeTheirTypeFromHowTheyAreWritten) {
  pwFileRegistry registry(kKey);
  Read(registry, "# comment\r\n"
                 "  InfoLine\t=  1  \r\n"
                 "; another comment\n"
                 "Big = 4294967296\n"
                 "Quoted = \"2024\"\n"
                 "ScreenShotDirectory = /home/ann/shots = old\n"
                 "\n"
                 "[ Schemes ]\n"
                 "Ferns 2 = 12,1,15,2.000000,2,Experimental,Ferns\n"
                 "Empty =");
  EXPECT_EQ(Problems(registry), "");
  pwRegistryMgr general(kKey, registry);
  std::uint32_t number = 0;
  ASSERT_TRUE(general.ReadDword("infoline", number).Succeeded());
  EXPECT_EQ(number, 1u);
  String value;
  ASSERT_TRUE(general.ReadString("Big", value).Succeeded()); // too big for a number
  EXPECT_STREQ(value, "4294967296");
  ASSERT_TRUE(general.ReadString("Quoted", value).Succeeded());
  EXPECT_STREQ(value, "2024");
  ASSERT_TRUE(general.ReadString("ScreenShotDirectory", value).Succeeded());
  EXPECT_STREQ(value, "/home/ann/shots = old"); // split at the first "=" only
  pwRegistryMgr schemes(kSchemes, registry);
  ASSERT_TRUE(schemes.ReadString("Ferns 2", value).Succeeded());
  EXPECT_STREQ(value, "12,1,15,2.000000,2,Experimental,Ferns");
  ASSERT_TRUE(schemes.ReadString("Empty", value).Succeeded());
  EXPECT_STREQ(value, "");
  EXPECT_EQ(registry.LineOf(kKey, "INFOLINE"), 2);
  EXPECT_EQ(registry.LineOf(kSchemes, "ferns 2"), 9);
  EXPECT_EQ(registry.LineOf(kKey, "Ferns 2"), 0); // another key
}

TEST(FileRegistry, LinesThatDoNotReadAreSkippedByNumber) {
  pwFileRegistry registry(kKey);
  Read(registry, "A = 1\n"
                 "no equals sign\n"
                 " = 5\n"
                 "[Schemes\n"
                 "[]\n"
                 "[a\\b]\n"
                 "a = 2\n"
                 "zero\0byte = 1\n"
                 "[Schemes]\n"
                 "X = 1\n"
                 "x = 2\n"
                 "[schemes]\n"
                 "X = 3\n"s);
  EXPECT_EQ(Problems(registry), "2: no \"=\" between a name and a value\n"
                                "3: no name before \"=\"\n"
                                "4: a section line is not of the form [Name]\n"
                                "5: a section line is not of the form [Name]\n"
                                "6: a section line is not of the form [Name]\n"
                                "7: the name is given again; the first one is kept\n"
                                "8: a zero byte in the line\n"
                                "11: the name is given again; the first one is kept\n"
                                "13: the name is given again; the first one is kept\n");
  EXPECT_EQ(registry.LineOf(kKey, "a"), 1);
  EXPECT_EQ(registry.LineOf(kSchemes, "x"), 10);
}

TEST(FileRegistry, AMissingFileIsEmptyAndAnUnreadableOneFails) {
  const std::string dir =
      std::getenv("VORLUNDA_TEST_TMP") ? std::getenv("VORLUNDA_TEST_TMP") : "/tmp";
  pwFileRegistry missing(kKey);
  EXPECT_TRUE(missing.ReadFile((dir + "/no-such-file.conf").c_str()).Succeeded());
  pwRegistryMgr empty(kKey, missing);
  bool found = true;
  String name;
  EXPECT_TRUE(empty.EnumValue(0, found, name).Succeeded());
  EXPECT_FALSE(found);

  pwFileRegistry directory(kKey);
  const Error failed = directory.ReadFile(dir.c_str());
  EXPECT_TRUE(failed.Failed());
  EXPECT_NE(std::string(failed.Message()).find(dir), std::string::npos);

  const std::string path = dir + "/fileregistry.conf";
  std::FILE *file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fputs("[Schemes]\nOne = 1,2\n", file);
  std::fclose(file);
  pwFileRegistry real(kKey);
  ASSERT_TRUE(real.ReadFile(path.c_str()).Succeeded());
  EXPECT_EQ(real.LineOf(kSchemes, "One"), 2);
  std::remove(path.c_str());
}

// Random files from the pieces the layout is made of: whatever the text,
// reading ends, every line is either a value, skipped, or blank/comment/
// section, and a value's line is never also a skipped one.
TEST(FileRegistryFuzz, RandomTextsReadWithoutFault) {
  static const char *const kPieces[] = {
      "[",  "]", "=",       " ",  "\t",         "\r",          "\n",    "\"",   "#",   ";",
      "\\", "a", "Schemes", "12", "4294967295", "99999999999", "1,2,3", "\xff", "\x01"};
  std::mt19937 generator(20);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const unsigned pieces = generator() % 40;
    for (unsigned i = 0; i < pieces; ++i) {
      if (generator() % 16 == 0)
        text += static_cast<char>(generator() % 256);
      else
        text += kPieces[generator() % (sizeof kPieces / sizeof kPieces[0])];
    }
    pwFileRegistry registry(kKey);
    registry.ReadText(text.data(), text.size());
    int lines = 0;
    for (char c : text)
      lines += c == '\n';
    lines += text.empty() || text.back() == '\n' ? 0 : 1;
    int previous = 0;
    for (const pwFileProblem &problem : registry.Problems()) {
      ASSERT_GT(problem.line, previous) << text;
      ASSERT_LE(problem.line, lines) << text;
      previous = problem.line;
    }
    pwRegistryMgr general(kKey, registry);
    for (std::uint32_t index = 0;; ++index) {
      bool found = false;
      String name;
      ASSERT_TRUE(general.EnumValue(index, found, name).Succeeded());
      if (!found)
        break;
      const int line = registry.LineOf(kKey, name);
      ASSERT_GE(line, 1) << text;
      ASSERT_LE(line, lines) << text;
      for (const pwFileProblem &problem : registry.Problems())
        ASSERT_NE(problem.line, line) << text;
    }
  }
}
