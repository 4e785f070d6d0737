#include "vorlunda/config.h"
#include "vorlunda/presets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

vConfigMgr WithSchemes(const std::vector<const char *> &names) {
  vConfigMgr config;
  vScheme scheme;
  FillPresetScheme(1, scheme);
  for (const char *name : names)
    config.SetScheme(name, scheme);
  return config;
}

TEST(NewScheme, TakesTheFirstFreeNumberWhateverTheCase) {
  const struct {
    std::vector<const char *> existing;
    const char *expected;
  } cases[] = {
      {{}, "New scheme 1"},
      {{"New scheme 1", "new scheme 2"}, "New scheme 3"},
      {{"NEW SCHEME 2"}, "New scheme 1"},
      {{"New scheme 1", "New scheme 3"}, "New scheme 2"},
      {{"New scheme", "New scheme 01"}, "New scheme 1"},
  };
  for (const auto &c : cases) {
    vConfigMgr config = WithSchemes(c.existing);
    EXPECT_STREQ(config.NewScheme(), c.expected);
    EXPECT_EQ(config.SchemeCount(), static_cast<int>(c.existing.size()) + 1);
  }
}

TEST(NewScheme, StartsFromTheSolidPresetEnabled) {
  vConfigMgr config;
  const String name = config.NewScheme();
  vScheme solid;
  FillPresetScheme(0, solid);
  ASSERT_NE(config.FindScheme(name), nullptr);
  EXPECT_EQ(config.FindScheme(name)->scheme, solid);
  EXPECT_TRUE(solid.enabled);
}

TEST(CopyScheme, NamesCountCopiesOfTheOriginal) {
  const struct {
    std::vector<const char *> existing; // the copied scheme first
    const char *expected;
  } cases[] = {
      {{"Ferns"}, "Copy of Ferns"},
      {{"Ferns", "Copy of Ferns"}, "Copy 2 of Ferns"},
      {{"Copy of Ferns"}, "Copy 2 of Ferns"},
      {{"Copy of Ferns", "copy 2 of ferns"}, "Copy 3 of Ferns"},
      {{"Copy 3 of Ferns"}, "Copy 4 of Ferns"},
      {{"Copy 3 of Ferns", "Copy 4 of Ferns", "Copy 5 of Ferns"}, "Copy 6 of Ferns"},
      {{"Copy x of Ferns"}, "Copy of Copy x of Ferns"},
      {{"copy OF ferns"}, "Copy 2 of ferns"},
      {{"COPY 3 OF Ferns"}, "Copy 4 of Ferns"},
      {{"Copy 007 of Ferns"}, "Copy 7 of Ferns"},
      {{"Copy 3 of "}, "Copy 4 of "},
      {{"Copy 3 of Copy 2 of Ferns"}, "Copy 4 of Copy 2 of Ferns"},
      {{"Copy  of Ferns"}, "Copy of Copy  of Ferns"}, // no number before " of "
      {{"Copy 12"}, "Copy of Copy 12"},
      {{"Copy of"}, "Copy of Copy of"},
      {{"Copy 99999999999999999999 of X"}, "Copy 2147483647 of X"},
  };
  for (const auto &c : cases) {
    vConfigMgr config = WithSchemes(c.existing);
    vNameSchemePair *source = config.FindScheme(c.existing.front());
    ASSERT_NE(source, nullptr);
    EXPECT_STREQ(config.CopyScheme(*source), c.expected) << c.existing.front();
  }
}

TEST(CopyScheme, CopiesEveryFieldAndLeavesTheSourceAlone) {
  vConfigMgr config;
  vScheme templated = TemplatedDefault(1);
  templated.templateName = "Autumn, late";
  templated.enabled = false;
  config.SetScheme("Leaves", templated);
  const String first = config.CopyScheme(*config.FindScheme("Leaves"));
  const String second = config.CopyScheme(*config.FindScheme("Leaves"));
  EXPECT_STREQ(second, "Copy 2 of Leaves");
  EXPECT_EQ(config.FindScheme(first)->scheme, templated);
  EXPECT_EQ(config.FindScheme("Leaves")->scheme, templated);
  EXPECT_EQ(config.SchemeCount(), 3);
}

} // namespace
