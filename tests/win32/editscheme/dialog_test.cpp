#include "tests/pallwork/support/fakeplatform.h"
#include "tests/win32/editscheme/support/editschemerun.h"
#include "vorlunda/editschm/win32/editschmids.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kSolid = 5; // positions in the sample configuration
constexpr int kFerns = 3;

bool Enabled(vEditSchemeDlg &dialog, int sheet, int id) {
  return IsWindowEnabled(SheetControl(dialog, sheet, id)) != FALSE;
}

TEST(EditSchemeDialog, OpensOnGeneralWithTheFocusOnTheName) {
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, kSolid);
  RunEditScheme(pair, config, kSolid, [&](vEditSchemeDlg &dialog) {
    char title[64] = {};
    GetWindowTextA(dialog.Window(), title, sizeof(title));
    EXPECT_STREQ(title, "Edit Scheme");
    EXPECT_EQ(dialog.Tabs().Count(), 4);
    const char *titles[] = {"General", "Drawing", "Rules", "Filter"};
    for (int i = 0; i < 4; ++i) {
      char text[32] = {};
      TCITEMA item = {};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      item.cchTextMax = sizeof(text);
      SendMessageA(dialog.Tabs().Window(), TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
      EXPECT_STREQ(text, titles[i]);
    }
    EXPECT_EQ(ShownSheet(dialog), kGeneral);
    EXPECT_EQ(GetFocus(), SheetControl(dialog, kGeneral, IDC_GEN_NAME));
    EXPECT_FALSE(IsWindowVisible(SheetControl(dialog, kGeneral, IDC_GEN_TEMPLATED_NOTE)));
    EXPECT_NE(SendMessageA(dialog.Window(), WM_GETICON, ICON_BIG, 0), 0);
    // Without a parent it is centred on the screen.
    RECT rect = {};
    GetWindowRect(dialog.Window(), &rect);
    EXPECT_NEAR((rect.left + rect.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((rect.top + rect.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  });
}

// What each field shows: the decimals of its field, the scroll positions and
// the colour-system names in value order.
TEST(EditSchemeDialog, LoadsEveryFieldOfTheScheme) {
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, kSolid);
  pair.scheme.colourSystem = ifsColourSystem::Intensity;
  pair.scheme.ruleSystemEnabled[2] = false;
  pair.scheme.ruleLimits[4] = vRuleLimits{5, 16};
  pair.scheme.filterEnabled = true;
  pair.scheme.maxDiscards = 30;
  pair.scheme.minDimension = 1.35;
  pair.scheme.useFixedPoints = true;
  RunEditScheme(pair, config, kSolid, [&](vEditSchemeDlg &dialog) {
    const struct {
      int sheet;
      int id;
      const char *text;
    } fields[] = {
        {kGeneral, IDC_GEN_NAME, "Solid"},      {kGeneral, IDC_GEN_MINPERGROUP, "3"},
        {kGeneral, IDC_GEN_MAXPERGROUP, "12"},  {kGeneral, IDC_GEN_DELAY, "5"},
        {kDrawing, IDC_DRAW_DENSITY, "0.20"},   {kDrawing, IDC_DRAW_MINSCALING, "0.5"},
        {kDrawing, IDC_DRAW_MAXSCALING, "2.0"}, {kDrawing, IDC_DRAW_CENTRING, "0.8"},
        {kRules, IDC_RULES_MIN0 + 4, "5"},      {kRules, IDC_RULES_MAX0 + 4, "16"},
        {kFilter, IDC_FILT_DISCARDS, "30"},     {kFilter, IDC_FILT_DIMENSION, "1.35"},
    };
    for (const auto &field : fields)
      EXPECT_EQ(ControlText(dialog, field.sheet, field.id), field.text) << field.id;
    EXPECT_EQ(GetScrollPos(SheetControl(dialog, kGeneral, IDC_GEN_PROBABILITY), SB_CTL), 40);
    EXPECT_EQ(GetScrollPos(SheetControl(dialog, kDrawing, IDC_DRAW_BRIGHTNESS), SB_CTL), 128);
    HWND colours = SheetControl(dialog, kDrawing, IDC_DRAW_COLOURS);
    EXPECT_EQ(SendMessageA(colours, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageA(colours, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(ControlText(dialog, kDrawing, IDC_DRAW_COLOURS), "Intensity");
    EXPECT_EQ(IsDlgButtonChecked(SheetWindow(dialog, kDrawing), IDC_DRAW_FIXEDPOINTS), 1u);
    EXPECT_EQ(IsDlgButtonChecked(SheetWindow(dialog, kGeneral), IDC_GEN_CONTRACTIVE), 0u);
    EXPECT_EQ(IsDlgButtonChecked(SheetWindow(dialog, kRules), IDC_RULES_ENABLED0 + 2), 0u);
    EXPECT_EQ(IsDlgButtonChecked(SheetWindow(dialog, kRules), IDC_RULES_ENABLED0 + 3), 1u);
    EXPECT_EQ(IsDlgButtonChecked(SheetWindow(dialog, kFilter), IDC_FILT_ENABLED), 1u);
  });
}

// The arrows of each numeric field step by that field's step and stop at its
// limits; the scroll bars likewise.
TEST(EditSchemeDialog, ArrowsStepWithinEachFieldsLimits) {
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, kSolid);
  pair.scheme.clearDelay = 60;
  pair.scheme.minDimension = 1.0;
  RunEditScheme(pair, config, kSolid, [&](vEditSchemeDlg &dialog) {
    const struct {
      int sheet;
      int id;
      int code;
      const char *after;
    } steps[] = {
        {kGeneral, IDC_GEN_MINPERGROUP, SB_LINEUP, "4"},
        {kGeneral, IDC_GEN_DELAY, SB_LINEUP, "60"}, // at its maximum
        {kDrawing, IDC_DRAW_DENSITY, SB_LINEUP, "0.25"},
        {kDrawing, IDC_DRAW_MINSCALING, SB_LINEDOWN, "0.4"},
        {kDrawing, IDC_DRAW_CENTRING, SB_LINEUP, "0.9"},
        {kRules, IDC_RULES_MIN0, SB_LINEDOWN, "2"}, // at its minimum
        {kRules, IDC_RULES_MAX0, SB_LINEUP, "7"},
        {kFilter, IDC_FILT_DIMENSION, SB_LINEUP, "1.05"},
        {kFilter, IDC_FILT_DISCARDS, SB_LINEDOWN, "9"},
    };
    for (const auto &step : steps) {
      HWND field = SheetControl(dialog, step.sheet, step.id);
      EXPECT_NE(GetWindowLongPtrA(field, GWL_STYLE) & WS_VSCROLL, 0) << step.id;
      SendMessageA(field, WM_VSCROLL, MAKEWPARAM(step.code, 0), 0);
      EXPECT_EQ(ControlText(dialog, step.sheet, step.id), step.after) << step.id;
    }
    const struct {
      int sheet;
      int id;
      int code;
      int after;
    } bars[] = {
        {kGeneral, IDC_GEN_PROBABILITY, SB_PAGEDOWN, 50},
        {kGeneral, IDC_GEN_PROBABILITY, SB_BOTTOM, 100},
        {kGeneral, IDC_GEN_PROBABILITY, SB_LINEDOWN, 100},
        {kGeneral, IDC_GEN_PROBABILITY, SB_TOP, 1},
        {kDrawing, IDC_DRAW_BRIGHTNESS, SB_LINEDOWN, 133},
        {kDrawing, IDC_DRAW_BRIGHTNESS, SB_PAGEUP, 83},
        {kDrawing, IDC_DRAW_BRIGHTNESS, SB_BOTTOM, 765},
    };
    for (const auto &bar : bars) {
      HWND control = SheetControl(dialog, bar.sheet, bar.id);
      SendMessageA(SheetWindow(dialog, bar.sheet), WM_HSCROLL, MAKEWPARAM(bar.code, 0),
                   reinterpret_cast<LPARAM>(control));
      EXPECT_EQ(GetScrollPos(control, SB_CTL), bar.after) << bar.id << " " << bar.code;
    }
  });
}

TEST(EditSchemeDialog, OkStoresEveryFieldAndCancelNone) {
  for (bool ok : {true, false}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    vConfigMgr config = SampleConfig();
    vNameSchemePair pair = PairAt(config, kSolid);
    const vNameSchemePair before = pair;
    const bool stored = RunEditScheme(pair, config, kSolid, [&](vEditSchemeDlg &dialog) {
      SetControlText(dialog, kGeneral, IDC_GEN_NAME, " Renamed ");
      SendMessageA(SheetWindow(dialog, kGeneral), WM_HSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0),
                   reinterpret_cast<LPARAM>(SheetControl(dialog, kGeneral, IDC_GEN_PROBABILITY)));
      SetControlText(dialog, kGeneral, IDC_GEN_MINPERGROUP, "2");
      SetControlText(dialog, kGeneral, IDC_GEN_MAXPERGROUP, "1000");
      SetControlText(dialog, kGeneral, IDC_GEN_DELAY, "0");
      SetChecked(dialog, kGeneral, IDC_GEN_CONTRACTIVE, true);
      SendMessageA(SheetControl(dialog, kDrawing, IDC_DRAW_COLOURS), CB_SETCURSEL, 3, 0);
      SendMessageA(SheetWindow(dialog, kDrawing), WM_HSCROLL, MAKEWPARAM(SB_BOTTOM, 0),
                   reinterpret_cast<LPARAM>(SheetControl(dialog, kDrawing, IDC_DRAW_BRIGHTNESS)));
      SetControlText(dialog, kDrawing, IDC_DRAW_DENSITY, "10");
      SetControlText(dialog, kDrawing, IDC_DRAW_MINSCALING, "10");
      SetControlText(dialog, kDrawing, IDC_DRAW_MAXSCALING, "10");
      SetControlText(dialog, kDrawing, IDC_DRAW_CENTRING, "0");
      SetChecked(dialog, kDrawing, IDC_DRAW_FIXEDPOINTS, true);
      SetChecked(dialog, kRules, IDC_RULES_ENABLED0, false);
      SetControlText(dialog, kRules, IDC_RULES_MIN0 + 5, "100");
      SetControlText(dialog, kRules, IDC_RULES_MAX0 + 5, "100");
      SetControlText(dialog, kFilter, IDC_FILT_DISCARDS, "1000");
      SetChecked(dialog, kFilter, IDC_FILT_ENABLED, true);
      SetControlText(dialog, kFilter, IDC_FILT_DIMENSION, "2");
      ClickButton(dialog, ok ? IDOK : IDCANCEL);
    });
    EXPECT_EQ(stored, ok);
    if (!ok) {
      EXPECT_STREQ(pair.name, before.name);
      EXPECT_TRUE(pair.scheme == before.scheme);
      continue;
    }
    vScheme expected = before.scheme;
    expected.selectionProbability = 50;
    expected.minPerGroup = 2;
    expected.maxPerGroup = 1000;
    expected.clearDelay = 0;
    expected.contractiveRules = true;
    expected.colourSystem = ifsColourSystem::Spectrum;
    expected.minBrightness = 765;
    expected.pointDensity = 10.0;
    expected.minScaling = 10.0;
    expected.maxScaling = 10.0;
    expected.centring = 0.0;
    expected.useFixedPoints = true;
    expected.ruleSystemEnabled[0] = false;
    expected.ruleLimits[5] = vRuleLimits{100, 100};
    expected.maxDiscards = 1000;
    expected.filterEnabled = true;
    expected.minDimension = 2.0;
    EXPECT_STREQ(pair.name, " Renamed "); // exactly as typed
    EXPECT_TRUE(pair.scheme == expected) << pair.scheme.ToText().CStr();
  }
}

TEST(EditSchemeDialog, EditSchemeReportsOkAndCancel) {
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, kSolid);
  EXPECT_FALSE(RunEditScheme(pair, config, kSolid, [](vEditSchemeDlg &dialog) {
    PostMessageA(dialog.Window(), WM_CLOSE, 0, 0); // the close box cancels
    MSG message;
    while (IsWindowVisible(dialog.Window()) && GetMessageA(&message, nullptr, 0, 0)) {
      if (!IsDialogMessageA(dialog.Window(), &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
  }));
  EXPECT_TRUE(RunEditScheme(pair, config, kSolid,
                            [](vEditSchemeDlg &dialog) { ClickButton(dialog, IDOK); }));
}

// A templated scheme offers its name, weight, delay and point density only,
// shows its note, and never fails on what it does not carry.
TEST(EditSchemeDialog, TemplatedSchemeOffersItsOwnFieldsOnly) {
  ScopedFakePlatform platform;
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, kFerns);
  ASSERT_TRUE(pair.scheme.IsTemplated());
  const vNameSchemePair before = pair;
  const bool stored = RunEditScheme(pair, config, kFerns, [&](vEditSchemeDlg &dialog) {
    EXPECT_TRUE(IsWindowVisible(SheetControl(dialog, kGeneral, IDC_GEN_TEMPLATED_NOTE)));
    EXPECT_EQ(ControlText(dialog, kGeneral, IDC_GEN_TEMPLATED_NOTE),
              "This is a special templated scheme. See the help file for details.");
    const struct {
      int sheet;
      int id;
      bool enabled;
    } controls[] = {
        {kGeneral, IDC_GEN_NAME, true},          {kGeneral, IDC_GEN_PROBABILITY, true},
        {kGeneral, IDC_GEN_DELAY, true},         {kGeneral, IDC_GEN_MINPERGROUP, false},
        {kGeneral, IDC_GEN_MAXPERGROUP, false},  {kGeneral, IDC_GEN_CONTRACTIVE, false},
        {kDrawing, IDC_DRAW_DENSITY, true},      {kDrawing, IDC_DRAW_COLOURS, false},
        {kDrawing, IDC_DRAW_BRIGHTNESS, false},  {kDrawing, IDC_DRAW_MINSCALING, false},
        {kDrawing, IDC_DRAW_MAXSCALING, false},  {kDrawing, IDC_DRAW_CENTRING, false},
        {kDrawing, IDC_DRAW_FIXEDPOINTS, false}, {kFilter, IDC_FILT_DISCARDS, false},
        {kFilter, IDC_FILT_ENABLED, false},      {kFilter, IDC_FILT_DIMENSION, false},
    };
    for (const auto &control : controls)
      EXPECT_EQ(Enabled(dialog, control.sheet, control.id), control.enabled) << control.id;
    for (int row = 0; row < 6; ++row) {
      for (int first : {IDC_RULES_ENABLED0, IDC_RULES_MIN0, IDC_RULES_MAX0})
        EXPECT_FALSE(Enabled(dialog, kRules, first + row)) << first + row;
    }
    // Whatever the disabled fields hold, only the scheme's own are checked.
    SetControlText(dialog, kRules, IDC_RULES_MIN0, "0");
    SetControlText(dialog, kFilter, IDC_FILT_DISCARDS, "0");
    SetControlText(dialog, kDrawing, IDC_DRAW_MINSCALING, "0");
    SetControlText(dialog, kGeneral, IDC_GEN_MINPERGROUP, "0");
    SetControlText(dialog, kGeneral, IDC_GEN_NAME, "Fern fronds");
    SetControlText(dialog, kGeneral, IDC_GEN_DELAY, "9");
    SetControlText(dialog, kDrawing, IDC_DRAW_DENSITY, "1.5");
    ClickButton(dialog, IDOK);
  });
  EXPECT_TRUE(platform->messageBoxes.empty());
  ASSERT_TRUE(stored);
  vScheme expected = before.scheme;
  expected.clearDelay = 9;
  expected.pointDensity = 1.5;
  EXPECT_STREQ(pair.name, "Fern fronds");
  EXPECT_TRUE(pair.scheme == expected);
}

TEST(EditSchemeDialog, TemplatedPointDensityIsStillChecked) {
  ScopedFakePlatform platform;
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, kFerns);
  RunEditScheme(pair, config, kFerns, [&](vEditSchemeDlg &dialog) {
    SetControlText(dialog, kDrawing, IDC_DRAW_DENSITY, "0.0000001");
    ClickButton(dialog, IDOK);
    ASSERT_EQ(platform->messageBoxes.size(), 1u);
    EXPECT_EQ(platform->messageBoxes[0].text,
              "'Point density' contains an invalid value.\nIt must be more than 0.");
    EXPECT_EQ(ShownSheet(dialog), kDrawing);
    EXPECT_EQ(GetFocus(), SheetControl(dialog, kDrawing, IDC_DRAW_DENSITY));
  });
}

TEST(EditSchemeDialog, SwitchingSheetsChecksNothing) {
  ScopedFakePlatform platform;
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, kSolid);
  RunEditScheme(pair, config, kSolid, [&](vEditSchemeDlg &dialog) {
    SetControlText(dialog, kGeneral, IDC_GEN_DELAY, "99");
    EXPECT_FALSE(dialog.OnSheetChanging());
    for (int sheet : {kFilter, kRules, kDrawing, kGeneral}) {
      dialog.ShowSheet(dialog.Sheet(sheet));
      EXPECT_EQ(ShownSheet(dialog), sheet);
    }
    EXPECT_TRUE(platform->messageBoxes.empty());
  });
}

} // namespace
