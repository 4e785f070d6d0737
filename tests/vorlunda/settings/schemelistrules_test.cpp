#include "vorlunda/settings/schemelistrules.h"

#include "pallwork/tablayout.h"
#include "vorlunda/helptopics.h"

#include <gtest/gtest.h>

namespace {

TEST(SchemeListRules, SelectionAfterDeleteKeepsThePlaceThenTheLastThenNone) {
  struct Case {
    std::int32_t deleted, remaining, expected;
  };
  const Case cases[] = {
      {0, 12, 0},   // the next item moved up into the place
      {5, 12, 5},   // from the middle
      {12, 12, 11}, // the last of thirteen: the new last
      {0, 1, 0},    // one of two, the first
      {1, 1, 0},    // one of two, the second
      {0, 0, -1},   // the only one: nothing left to select
  };
  for (const Case &c : cases)
    EXPECT_EQ(SelectionAfterDelete(c.deleted, c.remaining), c.expected)
        << "deleted " << c.deleted << ", remaining " << c.remaining;
}

TEST(SchemeListRules, OnlyNewWorksWithoutASelection) {
  const vSchemeButtons none = SchemeButtonsFor(false);
  EXPECT_FALSE(none.edit);
  EXPECT_FALSE(none.test);
  EXPECT_TRUE(none.newScheme);
  EXPECT_FALSE(none.copy);
  EXPECT_FALSE(none.remove);
  const vSchemeButtons some = SchemeButtonsFor(true);
  EXPECT_TRUE(some.edit && some.test && some.newScheme && some.copy && some.remove);
}

TEST(SchemeListRules, AChangeOfLetterCaseIsARename) {
  EXPECT_TRUE(EditKeepsName("Ferns", "Ferns"));
  EXPECT_FALSE(EditKeepsName("Ferns", "ferns"));
  EXPECT_FALSE(EditKeepsName("Ferns", "Ferns "));
  EXPECT_FALSE(EditKeepsName("Ferns", "Fern"));
}

// The rule of every tabbed dialog, given the settings' sheets in the order
// the dialog adds them.
std::uint32_t SettingsHelpContext(bool onTabControl, std::int32_t selectedTab) {
#define VORLUNDA_SHEET_CONTEXT(window, number, name, page) number,
  constexpr std::uint32_t kSheets[] = {VORLUNDA_SETTINGS_SHEETS(VORLUNDA_SHEET_CONTEXT)};
#undef VORLUNDA_SHEET_CONTEXT
  constexpr std::int32_t kCount = static_cast<std::int32_t>(sizeof kSheets / sizeof kSheets[0]);
  const std::uint32_t sheet = selectedTab >= 0 && selectedTab < kCount ? kSheets[selectedTab] : 0;
  return TabbedDialogHelpContext(onTabControl, sheet, HelpContextOf(vHelpWindow::SettingsDialog));
}

TEST(SchemeListRules, HelpTopicFollowsTheSelectedTabOnlyOnTheTabControl) {
  constexpr std::int32_t kSchemesTab = 0, kGeneralTab = 1, kAboutTab = 2;
  EXPECT_EQ(SettingsHelpContext(true, kSchemesTab), 257u);
  EXPECT_EQ(SettingsHelpContext(true, kGeneralTab), 258u);
  EXPECT_EQ(SettingsHelpContext(true, kAboutTab), 256u);
  EXPECT_EQ(SettingsHelpContext(true, -1), 256u);
  EXPECT_EQ(SettingsHelpContext(false, kSchemesTab), 256u);
  EXPECT_EQ(SettingsHelpContext(false, kGeneralTab), 256u);
}

} // namespace
