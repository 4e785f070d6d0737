#include "pallwork/win32/urlcontrol.h"

#include "tests/win32/support/messagepump.h"
#include "tests/win32/support/observedcontrol.h"
#include "tests/win32/support/testdialog.h"
#include "tests/win32/support/userinput.h"
#include "tests/win32/window/controlids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kSettleMs = 3000;

HCURSOR SystemCursor(WORD id) { return LoadCursorA(nullptr, MAKEINTRESOURCEA(id)); }
const HCURSOR kArrow = SystemCursor(32512); // IDC_ARROW
const HCURSOR kWait = SystemCursor(32514);  // IDC_WAIT
const HCURSOR kCross = SystemCursor(32515); // IDC_CROSS

// What the link asked of the shell, and what the pointer showed meanwhile.
struct ShellCall {
  HWND owner;
  std::string verb, file;
  bool noParameters, noDirectory;
  INT show;
  HCURSOR cursor;
};
std::vector<ShellCall> shellCalls;

HINSTANCE WINAPI RecordShellCall(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                 LPCSTR directory, INT show) {
  shellCalls.push_back(
      {owner, verb, file, parameters == nullptr, directory == nullptr, show, GetCursor()});
  return reinterpret_cast<HINSTANCE>(42); // "success"
}

bool IsUnderlined(HWND control) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  LOGFONTA description = {};
  return font != nullptr && GetObjectA(font, sizeof(description), &description) != 0 &&
         description.lfUnderline != 0;
}

// The cursor a control asks for when the pointer is over its client area.
HCURSOR CursorShownBy(HWND control) {
  SetCursor(kCross);
  SendMessageA(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  return GetCursor();
}

POINT CentreOf(HWND control) {
  RECT rect = {};
  GetClientRect(control, &rect);
  return ScreenPointOf(control, rect.right / 6, rect.bottom / 2);
}

class LinkTest : public ::testing::Test {
protected:
  void SetUp() override {
    ControlCensus::Reset();
    shellCalls.clear();
    previousOpener = pwURLControl::SetShellOpen(RecordShellCall);
    dialog = new TestDialog(MAKEINTRESOURCEA(IDD_LISTS), false);
    // Made before the dialog: pending until WM_INITDIALOG.
    link = new Observed<pwURLControl>(dialog, IDC_LINK, true);
    link->SetLink("https://example.org/vorlunda");
    ASSERT_EQ(dialog->Execute(), 0);
    ASSERT_TRUE(BringToFront(dialog->Window()));
    label = dialog->Item(IDC_LABEL);
  }
  void TearDown() override {
    delete dialog;
    pwURLControl::SetShellOpen(previousOpener);
    EXPECT_EQ(ControlCensus::made, 1);
    EXPECT_EQ(ControlCensus::gone, 1);
  }

  pwURLControl::ShellOpen previousOpener = nullptr;
  TestDialog *dialog = nullptr;
  Observed<pwURLControl> *link = nullptr;
  HWND label = nullptr;
};

TEST_F(LinkTest, LinkIsUnderlinedAndReportsClicks) {
  EXPECT_TRUE(IsUnderlined(link->Window()));
  EXPECT_FALSE(IsUnderlined(label));
  EXPECT_NE(GetWindowLongPtrA(link->Window(), GWL_STYLE) & SS_NOTIFY, 0);
  EXPECT_EQ(GetWindowLongPtrA(label, GWL_STYLE) & SS_NOTIFY, 0);
}

// The link's cursor must stay the link's: the static class is shared by
// every label of the process.
TEST_F(LinkTest, OnlyTheLinkShowsTheLinkCursor) {
  const HCURSOR linkCursor = pwURLControl::LinkCursor();
  ASSERT_NE(linkCursor, nullptr);
  ASSERT_NE(linkCursor, kArrow);
  EXPECT_EQ(CursorShownBy(link->Window()), linkCursor);
  EXPECT_EQ(CursorShownBy(label), kArrow);
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(label, GCLP_HCURSOR)), kArrow);
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(link->Window(), GCLP_HCURSOR)), kArrow);

  // And with the real pointer moving over them.
  MoveMouseTo(CentreOf(link->Window()));
  EXPECT_TRUE(PumpUntil([&] { return GetCursor() == linkCursor; }, kSettleMs, dialog->Window()));
  MoveMouseTo(CentreOf(label));
  EXPECT_TRUE(PumpUntil([&] { return GetCursor() == kArrow; }, kSettleMs, dialog->Window()));
}

TEST_F(LinkTest, ClickOpensTheLinkUnderTheWaitCursor) {
  ClickAt(CentreOf(link->Window()));
  ASSERT_TRUE(PumpUntil([] { return !shellCalls.empty(); }, kSettleMs, dialog->Window()));
  ASSERT_EQ(shellCalls.size(), 1u);
  const ShellCall &call = shellCalls[0];
  EXPECT_EQ(call.owner, dialog->Window());
  EXPECT_EQ(call.verb, "open");
  EXPECT_EQ(call.file, "https://example.org/vorlunda");
  EXPECT_TRUE(call.noParameters);
  EXPECT_TRUE(call.noDirectory);
  EXPECT_EQ(call.show, SW_SHOWNORMAL);
  EXPECT_EQ(call.cursor, kWait);
  EXPECT_NE(GetCursor(), kWait); // and the wait ends with the call

  bool dialogSawClick = false;
  for (int id : dialog->commandIds)
    dialogSawClick = dialogSawClick || id == IDC_LINK;
  EXPECT_TRUE(dialogSawClick);
}

TEST_F(LinkTest, OtherNotificationsAreKeptFromTheDialog) {
  SendMessageA(dialog->Window(), WM_COMMAND, MAKEWPARAM(IDC_LINK, STN_ENABLE),
               reinterpret_cast<LPARAM>(link->Window()));
  for (int id : dialog->commandIds)
    EXPECT_NE(id, IDC_LINK);
  EXPECT_TRUE(shellCalls.empty());
}

TEST(LinkFont, UnderlinedCopyIsDeletedWithTheControl) {
  ControlCensus::Reset();
  TestDialog dialog(MAKEINTRESOURCEA(IDD_LISTS), false);
  ASSERT_EQ(dialog.Execute(), 0);
  HWND linkWindow = dialog.Item(IDC_LINK);
  const HFONT original = reinterpret_cast<HFONT>(SendMessageA(linkWindow, WM_GETFONT, 0, 0));
  HFONT underlined = nullptr;
  {
    // Made after the dialog, not auto-delete: the object ends before its window.
    Observed<pwURLControl> link(&dialog, IDC_LINK, false);
    underlined = reinterpret_cast<HFONT>(SendMessageA(linkWindow, WM_GETFONT, 0, 0));
    EXPECT_NE(underlined, original);
    EXPECT_EQ(GetObjectType(underlined), static_cast<DWORD>(OBJ_FONT));
  }
  EXPECT_EQ(GetObjectType(underlined), 0u);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(linkWindow, WM_GETFONT, 0, 0)), original);
  EXPECT_EQ(ControlCensus::gone, 1);
}

} // namespace
