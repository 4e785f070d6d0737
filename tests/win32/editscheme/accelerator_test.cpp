#include "tests/win32/editscheme/support/editschemerun.h"
#include "tests/win32/support/messagepump.h"
#include "vorlunda/editschm/win32/editschmids.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kSolid = 5;
constexpr DWORD kSettleMs = 2000;

INPUT Key(WORD virtualKey, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void PressAlt(char letter) {
  INPUT inputs[4] = {Key(VK_MENU, false), Key(static_cast<WORD>(letter), false),
                     Key(static_cast<WORD>(letter), true), Key(VK_MENU, true)};
  SendInput(4, inputs, sizeof(INPUT));
}

// The letters of different sheets overlap, as their labels are fixed; only
// the sheet in front answers, so each letter reaches one control.
TEST(EditSchemeKeyboard, AcceleratorsReachTheSheetInFront) {
  const struct {
    int sheet;
    char letter;
    int focusId;
  } cases[] = {
      {kGeneral, 'P', IDC_GEN_PROBABILITY},  {kGeneral, 'I', IDC_GEN_MINPERGROUP},
      {kGeneral, 'A', IDC_GEN_MAXPERGROUP},  {kGeneral, 'D', IDC_GEN_DELAY},
      {kGeneral, 'C', IDC_GEN_CONTRACTIVE},  {kGeneral, 'N', IDC_GEN_NAME},
      {kDrawing, 'C', IDC_DRAW_COLOURS},     {kDrawing, 'B', IDC_DRAW_BRIGHTNESS},
      {kDrawing, 'P', IDC_DRAW_DENSITY},     {kDrawing, 'I', IDC_DRAW_MINSCALING},
      {kDrawing, 'A', IDC_DRAW_MAXSCALING},  {kDrawing, 'N', IDC_DRAW_CENTRING},
      {kDrawing, 'F', IDC_DRAW_FIXEDPOINTS}, {kRules, 'L', IDC_RULES_ENABLED0},
      {kRules, 'G', IDC_RULES_ENABLED0 + 1}, {kRules, 'S', IDC_RULES_ENABLED0 + 2},
      {kRules, 'C', IDC_RULES_ENABLED0 + 3}, {kRules, 'R', IDC_RULES_ENABLED0 + 4},
      {kRules, 'M', IDC_RULES_ENABLED0 + 5}, {kFilter, 'I', IDC_FILT_DISCARDS},
      {kFilter, 'F', IDC_FILT_ENABLED},      {kFilter, 'M', IDC_FILT_DIMENSION},
      {kFilter, 'D', IDC_FILT_ENABLED}, // the group box hands on to its first field
  };
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, kSolid);
  RunEditScheme(pair, config, kSolid, [&](vEditSchemeDlg &dialog) {
    for (const auto &c : cases) {
      dialog.ShowSheet(dialog.Sheet(c.sheet));
      HWND expected = SheetControl(dialog, c.sheet, c.focusId);
      PressAlt(c.letter);
      EXPECT_TRUE(
          PumpUntil([expected] { return GetFocus() == expected; }, kSettleMs, dialog.Window()))
          << "sheet " << c.sheet << " Alt+" << c.letter << " focus " << GetDlgCtrlID(GetFocus());
    }
  });
}

TEST(EditSchemeKeyboard, AltHOpensTheHelpContents) {
  RecordingHelpViewer help;
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, kSolid);
  RunEditScheme(pair, config, kSolid, [&](vEditSchemeDlg &dialog) {
    PressAlt('H');
    EXPECT_TRUE(PumpUntil([&help] { return !help.asked.empty(); }, kSettleMs, dialog.Window()));
  });
  EXPECT_EQ(help.Texts(), std::vector<std::string>{"contents Vorlu12.hlp"});
}

} // namespace
