#include "tests/pallwork/support/fakeplatform.h"
#include "tests/win32/editscheme/support/editschemerun.h"
#include "vorlunda/editschm/win32/editschmids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kSolid = 5;

std::string Topic(int context) { return "topic Vorlu12.hlp " + std::to_string(context); }

TEST(EditSchemeHelp, F1AsksForTheTopicOfWhereItWasPressed) {
  RecordingHelpViewer help;
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, kSolid);
  RunEditScheme(pair, config, kSolid, [&](vEditSchemeDlg &dialog) {
    PressHelpKey(SheetControl(dialog, kGeneral, IDC_GEN_NAME));
    PressHelpKey(SheetControl(dialog, kDrawing, IDC_DRAW_COLOURS));
    PressHelpKey(SheetControl(dialog, kRules, IDC_RULES_MAX0 + 5));
    PressHelpKey(SheetControl(dialog, kFilter, IDC_FILT_ENABLED));
    PressHelpKey(GetDlgItem(dialog.Window(), IDOK));
    PressHelpKey(dialog.Tabs().Window()); // General in front
    dialog.ShowSheet(dialog.Sheet(kFilter));
    PressHelpKey(dialog.Tabs().Window());
    PressHelpKey(GetDlgItem(dialog.Window(), IDC_ES_TEST));
    ClickButton(dialog, IDC_ES_HELP);
    for (pwWindowHandle owner : help.Owners())
      EXPECT_EQ(owner, dialog.Window());
  });
  const std::vector<std::string> expected = {Topic(260), Topic(261), Topic(262),
                                             Topic(263), Topic(259), Topic(260),
                                             Topic(263), Topic(259), "contents Vorlu12.hlp"};
  EXPECT_EQ(help.Texts(), expected);
}

// The keyboard's own route: F1 typed on the focused field.
TEST(EditSchemeHelp, TypedF1ReachesTheFocusedSheet) {
  RecordingHelpViewer help;
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, kSolid);
  RunEditScheme(pair, config, kSolid, [&](vEditSchemeDlg &dialog) {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    MSG message;
    const DWORD start = GetTickCount();
    while (help.asked.empty() && GetTickCount() - start < 5000) {
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(dialog.Window(), &message)) {
          TranslateMessage(&message);
          DispatchMessageA(&message);
        }
      }
      Sleep(10);
    }
  });
  EXPECT_EQ(help.Texts(), std::vector<std::string>{Topic(260)});
}

TEST(EditSchemeTest, RunsACopyWithTheEditedValues) {
  ScopedFakePlatform platform;
  SchemeTestCalls().clear();
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, kSolid);
  pair.scheme.enabled = false;
  const vNameSchemePair before = pair;
  const vConfigMgr configBefore = config;
  const bool stored = RunEditScheme(pair, config, kSolid, [&](vEditSchemeDlg &dialog) {
    SetControlText(dialog, kDrawing, IDC_DRAW_DENSITY, "3.5");
    SetControlText(dialog, kGeneral, IDC_GEN_NAME, "Trial");
    ClickButton(dialog, IDC_ES_TEST);
    ASSERT_EQ(SchemeTestCalls().size(), 1u);
    EXPECT_EQ(SchemeTestCalls()[0].owner, dialog.Window());
    EXPECT_TRUE(IsWindowVisible(dialog.Window())) << "the dialog stays open";
  });
  EXPECT_FALSE(stored);
  ASSERT_EQ(SchemeTestCalls().size(), 1u);
  const SchemeTestCall &call = SchemeTestCalls()[0];
  EXPECT_STREQ(call.pair.name, "Trial");
  EXPECT_TRUE(call.pair.scheme.enabled); // an unchecked scheme is still drawn
  EXPECT_EQ(call.pair.scheme.pointDensity, 3.5);
  EXPECT_TRUE(call.general.screenShots);
  EXPECT_STREQ(call.general.screenShotDirectory, "C:\\shots");
  EXPECT_TRUE(call.general.infoLine);
  EXPECT_TRUE(platform->messageBoxes.empty());
  // Neither the pair nor the configuration changed.
  EXPECT_STREQ(pair.name, before.name);
  EXPECT_TRUE(pair.scheme == before.scheme);
  ASSERT_EQ(config.SchemeCount(), configBefore.SchemeCount());
  for (int i = 0; i < config.SchemeCount(); ++i) {
    EXPECT_STREQ(config.SchemeAt(i)->name, configBefore.SchemeAt(i)->name);
    EXPECT_TRUE(config.SchemeAt(i)->scheme == configBefore.SchemeAt(i)->scheme);
  }
}

TEST(EditSchemeTest, InvalidValueShowsTheErrorAndRunsNothing) {
  ScopedFakePlatform platform;
  SchemeTestCalls().clear();
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, kSolid);
  RunEditScheme(pair, config, kSolid, [&](vEditSchemeDlg &dialog) {
    SetControlText(dialog, kFilter, IDC_FILT_DIMENSION, "2.5");
    ClickButton(dialog, IDC_ES_TEST);
    ASSERT_EQ(platform->messageBoxes.size(), 1u);
    EXPECT_EQ(platform->messageBoxes[0].caption, "Error");
    EXPECT_EQ(platform->messageBoxes[0].text,
              "'Minimum dimension' contains an invalid value.\nIt must be 2.0 or less.");
    EXPECT_EQ(ShownSheet(dialog), kFilter);
    EXPECT_EQ(GetFocus(), SheetControl(dialog, kFilter, IDC_FILT_DIMENSION));
  });
  EXPECT_TRUE(SchemeTestCalls().empty());
}

} // namespace
