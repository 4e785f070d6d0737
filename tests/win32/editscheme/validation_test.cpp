#include "pallwork/msgbox.h"
#include "tests/pallwork/support/fakeplatform.h"
#include "tests/win32/editscheme/support/editschemerun.h"
#include "vorlunda/editschm/win32/editschmids.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kSolid = 5; // position of "Solid" in the sample configuration

std::string RulesMessage(const char *which, const char *label, const char *requirement) {
  return std::string("'") + which + "' for '" + label + "' contains an invalid value.\n" +
         requirement;
}

struct Entry {
  int sheet;
  int controlId;
  const char *text; // null: the check box is cleared instead
};

struct Case {
  const char *what;
  std::vector<Entry> entries;
  std::string message;
  int sheet;   // in front afterwards
  int focusId; // has the focus afterwards
};

void Enter(vEditSchemeDlg &dialog, const Entry &entry) {
  if (entry.text == nullptr)
    SetChecked(dialog, entry.sheet, entry.controlId, false);
  else
    SetControlText(dialog, entry.sheet, entry.controlId, entry.text);
}

std::vector<Entry> AllRulesOff() {
  std::vector<Entry> entries;
  for (int row = 0; row < 6; ++row)
    entries.push_back({kRules, IDC_RULES_ENABLED0 + row, nullptr});
  return entries;
}

// Each message once, in a box titled "Error", with its sheet in front and the
// focus on the field, and nothing stored.
void ExpectRejected(const Case &c) {
  SCOPED_TRACE(c.what);
  ScopedFakePlatform platform;
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, kSolid);
  const vNameSchemePair before = pair;
  const bool stored = RunEditScheme(pair, config, kSolid, [&](vEditSchemeDlg &dialog) {
    for (const Entry &entry : c.entries)
      Enter(dialog, entry);
    ClickButton(dialog, IDOK);
    ASSERT_EQ(platform->messageBoxes.size(), 1u);
    EXPECT_EQ(platform->messageBoxes[0].caption, "Error");
    EXPECT_EQ(platform->messageBoxes[0].text, c.message);
    EXPECT_EQ(platform->messageBoxes[0].icon, kErrorBoxStopIcon);
    EXPECT_EQ(platform->messageBoxes[0].owner, dialog.Window());
    EXPECT_TRUE(IsWindowVisible(dialog.Window())) << "the dialog stays open";
    EXPECT_EQ(ShownSheet(dialog), c.sheet);
    EXPECT_EQ(GetFocus(), SheetControl(dialog, c.sheet, c.focusId));
  });
  EXPECT_FALSE(stored);
  EXPECT_STREQ(pair.name, before.name);
  EXPECT_TRUE(pair.scheme == before.scheme);
}

TEST(EditSchemeValidation, GeneralSheet) {
  const std::string name65(65, 'n');
  const std::string padded = "  " + name65 + "  ";
  const Case cases[] = {
      {"blank",
       {{kGeneral, IDC_GEN_NAME, ""}},
       "The scheme name must not be blank",
       kGeneral,
       IDC_GEN_NAME},
      {"spaces",
       {{kGeneral, IDC_GEN_NAME, "   "}},
       "The scheme name must not be blank",
       kGeneral,
       IDC_GEN_NAME},
      {"65 characters",
       {{kGeneral, IDC_GEN_NAME, padded.c_str()}},
       "The scheme name is too long",
       kGeneral,
       IDC_GEN_NAME},
      {"another's name",
       {{kGeneral, IDC_GEN_NAME, " beta"}},
       "The scheme name is already in use",
       kGeneral,
       IDC_GEN_NAME},
      {"min per group",
       {{kGeneral, IDC_GEN_MINPERGROUP, "0"}},
       "'Minimum IFS's per group' contains an invalid value.\nIt must be at least 1.",
       kGeneral,
       IDC_GEN_MINPERGROUP},
      {"max below min",
       {{kGeneral, IDC_GEN_MINPERGROUP, "7"}, {kGeneral, IDC_GEN_MAXPERGROUP, "6"}},
       "'Maximum IFS's per group' contains an invalid value.\nIt must be at least as large as "
       "'Minimum IFS's per group'.",
       kGeneral,
       IDC_GEN_MAXPERGROUP},
      {"max per group",
       {{kGeneral, IDC_GEN_MAXPERGROUP, "1001"}},
       "'Maximum IFS's per group' contains an invalid value.\nIt must be 1000 or less.",
       kGeneral,
       IDC_GEN_MAXPERGROUP},
      {"delay",
       {{kGeneral, IDC_GEN_DELAY, "61"}},
       "'Delay before clearing screen' contains an invalid value.\nIt must be 60 or less.",
       kGeneral,
       IDC_GEN_DELAY},
  };
  for (const Case &c : cases)
    ExpectRejected(c);
}

TEST(EditSchemeValidation, DrawingSheet) {
  const Case cases[] = {
      {"density 0",
       {{kDrawing, IDC_DRAW_DENSITY, "0"}},
       "'Point density' contains an invalid value.\nIt must be more than 0.",
       kDrawing,
       IDC_DRAW_DENSITY},
      {"density not a number",
       {{kDrawing, IDC_DRAW_DENSITY, ""}},
       "'Point density' contains an invalid value.\nIt must be more than 0.",
       kDrawing,
       IDC_DRAW_DENSITY},
      // Written with six decimals this would read back as 0.
      {"density stored as 0",
       {{kDrawing, IDC_DRAW_DENSITY, "0.0000004"}},
       "'Point density' contains an invalid value.\nIt must be more than 0.",
       kDrawing,
       IDC_DRAW_DENSITY},
      {"density 10.01",
       {{kDrawing, IDC_DRAW_DENSITY, "10.01"}},
       "'Point density' contains an invalid value.\nIt must be 10 or less.",
       kDrawing,
       IDC_DRAW_DENSITY},
      {"min scaling 0",
       {{kDrawing, IDC_DRAW_MINSCALING, "0"}},
       "'Minimum IFS scaling' contains an invalid value.\nIt must be at more than 0.",
       kDrawing,
       IDC_DRAW_MINSCALING},
      {"min scaling stored as 0",
       {{kDrawing, IDC_DRAW_MINSCALING, "0.0000001"}},
       "'Minimum IFS scaling' contains an invalid value.\nIt must be at more than 0.",
       kDrawing,
       IDC_DRAW_MINSCALING},
      {"max scaling below min",
       {{kDrawing, IDC_DRAW_MAXSCALING, "0.4"}},
       "'Maximum IFS scaling' contains an invalid value.\nIt must be at least as large as "
       "'Minimum IFS scaling'.",
       kDrawing,
       IDC_DRAW_MAXSCALING},
      {"max scaling 10.5",
       {{kDrawing, IDC_DRAW_MAXSCALING, "10.5"}},
       "'Maximum IFS scaling' contains an invalid value.\nIt must be 10 or less.",
       kDrawing,
       IDC_DRAW_MAXSCALING},
      {"centring 10.1",
       {{kDrawing, IDC_DRAW_CENTRING, "10.1"}},
       "'Centring' contains an invalid value.\nIt must be 10 or less.",
       kDrawing,
       IDC_DRAW_CENTRING},
  };
  for (const Case &c : cases)
    ExpectRejected(c);
}

TEST(EditSchemeValidation, RulesSheet) {
  const Case cases[] = {
      {"Trig minimum",
       {{kRules, IDC_RULES_MIN0 + 1, "1"}},
       RulesMessage("Minimum rules", "Trig", "It must be at least 2."),
       kRules,
       IDC_RULES_MIN0 + 1},
      {"combo maximum below minimum",
       {{kRules, IDC_RULES_MIN0 + 3, "9"}, {kRules, IDC_RULES_MAX0 + 3, "8"}},
       RulesMessage("Maximum rules", "Linear/trig combo",
                    "It must be at least as large as 'Minimum rules'."),
       kRules,
       IDC_RULES_MAX0 + 3},
      // A switched-off row is checked too.
      {"switched-off Mixture maximum",
       {{kRules, IDC_RULES_ENABLED0 + 5, nullptr}, {kRules, IDC_RULES_MAX0 + 5, "101"}},
       RulesMessage("Maximum rules", "Mixture", "It must be 100 or less."),
       kRules,
       IDC_RULES_MAX0 + 5},
      {"no rule system", AllRulesOff(), "At least one rule system must be enabled", kRules,
       IDC_RULES_ENABLED0},
  };
  for (const Case &c : cases)
    ExpectRejected(c);
}

TEST(EditSchemeValidation, FilterSheet) {
  const Case cases[] = {
      {"discards 0",
       {{kFilter, IDC_FILT_DISCARDS, "0"}},
       "'Maximum discards' contains an invalid value.\nIt must be 1 or more.",
       kFilter,
       IDC_FILT_DISCARDS},
      {"discards 1001",
       {{kFilter, IDC_FILT_DISCARDS, "1001"}},
       "'Maximum discards' contains an invalid value.\nIt must be 1000 or less.",
       kFilter,
       IDC_FILT_DISCARDS},
      {"dimension 2.5",
       {{kFilter, IDC_FILT_DIMENSION, "2.5"}},
       "'Minimum dimension' contains an invalid value.\nIt must be 2.0 or less.",
       kFilter,
       IDC_FILT_DIMENSION},
  };
  for (const Case &c : cases)
    ExpectRejected(c);
}

// Only the first failure in tab order is shown, whichever sheet is in front.
TEST(EditSchemeValidation, FirstSheetInTabOrderWins) {
  const Case cases[] = {
      {"general before filter",
       {{kFilter, IDC_FILT_DISCARDS, "0"}, {kGeneral, IDC_GEN_DELAY, "99"}},
       "'Delay before clearing screen' contains an invalid value.\nIt must be 60 or less.",
       kGeneral,
       IDC_GEN_DELAY},
      {"drawing before rules",
       {{kRules, IDC_RULES_MIN0, "0"}, {kDrawing, IDC_DRAW_CENTRING, "11"}},
       "'Centring' contains an invalid value.\nIt must be 10 or less.",
       kDrawing,
       IDC_DRAW_CENTRING},
      // The maximum 1 is below that row's minimum 2.
      {"rules before filter",
       {{kFilter, IDC_FILT_DIMENSION, "3"}, {kRules, IDC_RULES_MAX0 + 2, "1"}},
       RulesMessage("Maximum rules", "Trig squared",
                    "It must be at least as large as 'Minimum rules'."),
       kRules,
       IDC_RULES_MAX0 + 2},
  };
  for (const Case &c : cases)
    ExpectRejected(c);
}

TEST(EditSchemeValidation, KeepingItsOwnNameInOtherCasePasses) {
  ScopedFakePlatform platform;
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, kSolid);
  const bool stored = RunEditScheme(pair, config, kSolid, [&](vEditSchemeDlg &dialog) {
    SetControlText(dialog, kGeneral, IDC_GEN_NAME, "SOLID");
    ClickButton(dialog, IDOK);
  });
  EXPECT_TRUE(stored);
  EXPECT_TRUE(platform->messageBoxes.empty());
  EXPECT_STREQ(pair.name, "SOLID");
}

} // namespace
