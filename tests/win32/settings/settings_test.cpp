#include "vorlunda/settings/win32/settings.h"

#include "pallwork/regbackend.h"
#include "vorlunda/config.h"
#include "vorlunda/settings/win32/settingsids.h"

#include "tests/support/faultyregistry.h"
#include "tests/support/scratchregistry.h"
#include "tests/win32/support/messagepump.h"
#include "tests/win32/support/recordinghelpviewer.h"
#include "tests/win32/support/userinput.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWaitMs = 5000;
constexpr const char *kTitle = "Vorlunda V1.2 Settings";

// Runs a script from inside the dialog's own modal loop, once it is open.
std::function<void(HWND)> *pendingScript = nullptr;
vSettingsDlg *scriptedDialog = nullptr;

void CALLBACK RunPendingScript(HWND, UINT, UINT_PTR timer, DWORD) {
  // The dialog manager shows a modal dialog once its queue has run dry;
  // until then the script waits for the next tick.
  const HWND dialog = scriptedDialog->Window();
  if (dialog == nullptr || !IsWindowVisible(dialog))
    return;
  KillTimer(nullptr, timer);
  std::function<void(HWND)> script = *pendingScript;
  script(dialog);
}

INT_PTR ExecuteWithScript(vSettingsDlg &dialog, std::function<void(HWND)> script) {
  pendingScript = &script;
  scriptedDialog = &dialog;
  SetTimer(nullptr, 0, 50, RunPendingScript);
  const INT_PTR result = dialog.Execute();
  pendingScript = nullptr;
  scriptedDialog = nullptr;
  return result;
}

HWND VisibleSheet(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(child))
      return child;
  }
  return nullptr;
}

void Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

// A message box is modal, so it is read and answered from its own loop: the
// first box with the title that shows within the next seconds.
const char *awaitedBoxTitle = nullptr;
std::string *awaitedBoxText = nullptr;

std::string MessageText(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char text[512] = {};
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON &&
        GetWindowTextA(child, text, sizeof text) > 0 && std::string(text) != "OK")
      return text;
  }
  return "";
}

void CALLBACK AnswerAwaitedBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowA(nullptr, awaitedBoxTitle);
  if (box == nullptr)
    return;
  KillTimer(nullptr, timer);
  *awaitedBoxText = MessageText(box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

void AnswerBoxLater(const char *title, std::string *text) {
  awaitedBoxTitle = title;
  awaitedBoxText = text;
  SetTimer(nullptr, 0, 50, AnswerAwaitedBox);
}

class SettingsDialogTest : public ::testing::Test {
protected:
  void SetUp() override { scratch_ = std::make_unique<ScratchRegistry>(); }
  void TearDown() override { scratch_.reset(); }

  // Presses F1 on a control and returns what the viewer was asked.
  RecordingHelpViewer::Call HelpOn(HWND dialog, HWND control) {
    SetFocus(control);
    const size_t before = help_.asked.size();
    PressKey(VK_F1);
    PumpUntil([&] { return help_.asked.size() > before; }, kWaitMs, dialog);
    return help_.asked.size() > before ? help_.asked.back() : RecordingHelpViewer::Call{};
  }

  std::unique_ptr<ScratchRegistry> scratch_;
  RecordingHelpViewer help_; // installed from the start
};

TEST_F(SettingsDialogTest, HelpKeyAsksForTheTopicOfWhereItIsPressed) {
  auto *dialog = new vSettingsDlg(nullptr);
  std::vector<RecordingHelpViewer::Call> asked;
  std::vector<std::uint32_t> expected;
  HWND window = nullptr;
  ExecuteWithScript(*dialog, [&](HWND dlg) {
    window = dlg;
    ASSERT_TRUE(BringToFront(dlg));
    HWND tabs = GetDlgItem(dlg, IDC_SETTINGS_TABS);
    struct Case {
      int tab;
      HWND control; // null: the named control on the visible sheet
      int sheetControl;
      std::uint32_t context;
    };
    const Case cases[] = {
        {0, nullptr, IDC_SCHEMES_LIST, 257},
        {0, nullptr, IDC_SCHEMES_NEW, 257},
        {1, nullptr, IDC_GENERAL_DIRECTORY, 258},
        {1, nullptr, IDC_GENERAL_INFOLINE, 258},
        {0, tabs, 0, 257},
        {1, tabs, 0, 258},
        {2, tabs, 0, 256},
        {1, GetDlgItem(dlg, IDOK), 0, 256},
        {0, GetDlgItem(dlg, IDC_SETTINGS_DEFAULTS), 0, 256},
    };
    for (const Case &c : cases) {
      dialog->ShowSheet(dialog->Sheet(c.tab));
      HWND control =
          c.control != nullptr ? c.control : GetDlgItem(VisibleSheet(dlg), c.sheetControl);
      asked.push_back(HelpOn(dlg, control));
      expected.push_back(c.context);
    }
    Click(GetDlgItem(dlg, IDC_SETTINGS_HELP));
    Click(GetDlgItem(dlg, IDCANCEL));
  });
  ASSERT_EQ(asked.size(), expected.size());
  for (size_t i = 0; i < asked.size(); ++i) {
    EXPECT_EQ(asked[i].what, "topic") << "case " << i;
    EXPECT_EQ(asked[i].context, expected[i]) << "case " << i;
    EXPECT_EQ(asked[i].file, "Vorlu12.hlp") << "case " << i;
    EXPECT_EQ(asked[i].owner, window) << "case " << i;
  }
  ASSERT_FALSE(help_.asked.empty());
  EXPECT_EQ(help_.asked.back().what, "contents");
  EXPECT_EQ(help_.asked.back().file, "Vorlu12.hlp");

  // The help the dialog opened goes with it.
  const size_t before = help_.asked.size();
  delete dialog;
  ASSERT_EQ(help_.asked.size(), before + 1);
  EXPECT_EQ(help_.asked.back().what, "close");
  EXPECT_EQ(help_.asked.back().file, "Vorlu12.hlp");
  EXPECT_EQ(help_.asked.back().owner, window);
}

TEST_F(SettingsDialogTest, OkAndCancelEndWithTheirCodes) {
  vSettingsDlg cancelled(nullptr);
  EXPECT_EQ(ExecuteWithScript(cancelled, [](HWND dlg) { Click(GetDlgItem(dlg, IDCANCEL)); }), 0);
  vConfigMgr stored;
  EXPECT_EQ(stored.Load().Severity(), kSeverityError) << "Cancel stored something";

  vSettingsDlg confirmed(nullptr);
  EXPECT_EQ(ExecuteWithScript(confirmed, [](HWND dlg) { Click(GetDlgItem(dlg, IDOK)); }), 1);
  EXPECT_TRUE(stored.Load().Succeeded());
  EXPECT_EQ(stored.SchemeCount(), 13);
}

// What the General sheet shows when OK is pressed is what is stored.
TEST_F(SettingsDialogTest, OkStoresTheGeneralSheet) {
  vSettingsDlg dialog(nullptr);
  char title[64] = {};
  bool shotsBefore = true, lineBefore = true;
  EXPECT_EQ(ExecuteWithScript(dialog,
                              [&](HWND dlg) {
                                GetWindowTextA(dlg, title, sizeof title);
                                dialog.ShowSheet(dialog.Sheet(1));
                                HWND general = VisibleSheet(dlg);
                                shotsBefore = IsDlgButtonChecked(general, IDC_GENERAL_SCREENSHOTS);
                                lineBefore = IsDlgButtonChecked(general, IDC_GENERAL_INFOLINE);
                                Click(GetDlgItem(general, IDC_GENERAL_SCREENSHOTS));
                                Click(GetDlgItem(general, IDC_GENERAL_INFOLINE));
                                SetDlgItemTextA(general, IDC_GENERAL_DIRECTORY, "C:\\Shots");
                                Click(GetDlgItem(dlg, IDOK));
                              }),
            1);
  EXPECT_STREQ(title, kTitle);
  vConfigMgr stored;
  ASSERT_TRUE(stored.Load().Succeeded());
  EXPECT_EQ(stored.screenShots, !shotsBefore);
  EXPECT_EQ(stored.infoLine, !lineBefore);
  EXPECT_STREQ(stored.screenShotDirectory.CStr(), "C:\\Shots");
}

// Copy adds the selected scheme, unchanged, under the name of its copy and
// selects it.
TEST_F(SettingsDialogTest, CopyAddsTheSelectedSchemeUnderItsCopyName) {
  vSettingsDlg dialog(nullptr);
  std::string sourceName, sourceText, copyName, copyText;
  ExecuteWithScript(dialog, [&](HWND dlg) {
    HWND sheet = VisibleSheet(dlg);
    HWND list = GetDlgItem(sheet, IDC_SCHEMES_LIST);
    SendMessageA(list, LB_SETCURSEL, 2, 0);
    sourceName = dialog.Config().SchemeAt(2)->name.CStr();
    sourceText = dialog.Config().SchemeAt(2)->scheme.ToText().CStr();
    Click(GetDlgItem(sheet, IDC_SCHEMES_COPY));
    const vNameSchemePair *copy =
        dialog.Config().SchemeAt(static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)));
    if (copy != nullptr) {
      copyName = copy->name.CStr();
      vScheme scheme = copy->scheme;
      copyText = scheme.ToText().CStr();
    }
    Click(GetDlgItem(dlg, IDCANCEL));
  });
  EXPECT_EQ(copyName, "Copy of " + sourceName);
  EXPECT_EQ(copyText, sourceText);
}

TEST_F(SettingsDialogTest, FailedStoreKeepsTheDialogOpenAndSaysWhy) {
  // The scratch registry, except that every write is refused.
  FaultyRegistry unwritable(scratch_->Backend());
  unwritable.FailNext(RegCall::SetValue, FaultyRegistry::kEveryCall, ERROR_ACCESS_DENIED);
  SetDefaultRegistryBackend(&unwritable);
  vSettingsDlg dialog(nullptr);
  std::string boxText;
  bool openAfterBox = false;
  const INT_PTR result = ExecuteWithScript(dialog, [&](HWND dlg) {
    AnswerBoxLater("Error storing configuration", &boxText);
    Click(GetDlgItem(dlg, IDOK));
    openAfterBox = IsWindow(dlg) && IsWindowVisible(dlg);
    Click(GetDlgItem(dlg, IDCANCEL));
  });
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(openAfterBox);
  // The schemes go first, in name order, so the first refused write is the first scheme's.
  EXPECT_EQ(boxText, "Unable to write the 'Autumn' registry value");
}

TEST_F(SettingsDialogTest, CheckMarkSwitchesTheSchemeAtOnce) {
  vSettingsDlg dialog(nullptr);
  bool before = false, after = false;
  ExecuteWithScript(dialog, [&](HWND dlg) {
    HWND list = GetDlgItem(VisibleSheet(dlg), IDC_SCHEMES_LIST);
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    before = dialog.Config().SchemeAt(1)->scheme.enabled;
    // Inside the box of the second item.
    const LPARAM point = MAKELPARAM(8, height + height / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(list, WM_LBUTTONUP, 0, point);
    after = dialog.Config().SchemeAt(1)->scheme.enabled;
    Click(GetDlgItem(dlg, IDCANCEL));
  });
  EXPECT_TRUE(before);
  EXPECT_FALSE(after);
}

TEST_F(SettingsDialogTest, ProductNameIsAsTallAsTheIcon) {
  vSettingsDlg dialog(nullptr);
  LOGFONTA font = {};
  int iconHeight = 0, nameHeight = 0, textHeight = 0;
  ExecuteWithScript(dialog, [&](HWND dlg) {
    HWND about = dialog.Sheet(2)->Window();
    RECT icon = {}, name = {};
    GetClientRect(GetDlgItem(about, IDC_ABOUT_ICON), &icon);
    GetWindowRect(GetDlgItem(about, IDC_ABOUT_NAME), &name);
    iconHeight = icon.bottom;
    nameHeight = name.bottom - name.top;
    HFONT handle =
        reinterpret_cast<HFONT>(SendMessageA(GetDlgItem(about, IDC_ABOUT_NAME), WM_GETFONT, 0, 0));
    GetObjectA(handle, sizeof font, &font);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, handle);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    textHeight = metrics.tmHeight;
    SelectObject(dc, previous);
    DeleteDC(dc);
    Click(GetDlgItem(dlg, IDCANCEL));
  });
  EXPECT_GT(iconHeight, 0);
  EXPECT_EQ(font.lfHeight, -iconHeight);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_TRUE(font.lfItalic);
  EXPECT_STREQ(font.lfFaceName, "Times New Roman");
  EXPECT_EQ(nameHeight, textHeight);
}

} // namespace
