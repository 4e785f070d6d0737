#include "pallwork/win32/control.h"
#include "pallwork/win32/dialog.h"
#include "pallwork/win32/tabswitch.h"

#include "tests/win32/support/messagepump.h"
#include "tests/win32/support/testcontrol.h"
#include "tests/win32/support/testdialog.h"
#include "tests/win32/support/userinput.h"
#include "tests/win32/window/dialogids.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr DWORD kSettleMs = 2000;

class StubTabs : public pwTabSwitch {
public:
  void Next() override { ++nexts; }
  void Previous() override { ++previouses; }
  int nexts = 0;
  int previouses = 0;
};

// An open modeless dialog in front, with the keyboard focus, driven by real
// key strokes through this thread's message loop.
class KeyboardTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestControl::deletions = 0;
    dialog = new TestDialog(MAKEINTRESOURCEA(IDD_CONTROLS), false);
    edit = new TestControl(dialog, IDC_EDIT, true);
    first = new TestControl(dialog, IDC_FIRST, true);
    second = new TestControl(dialog, IDC_SECOND, true);
    ASSERT_EQ(dialog->Execute(), 0);
    ASSERT_NE(dialog->Window(), nullptr);
    ASSERT_TRUE(BringToFront(dialog->Window()));
  }
  void TearDown() override {
    delete dialog;
    EXPECT_EQ(TestControl::deletions, 3);
  }

  bool FocusOn(int controlId) {
    dialog->FocusControl(dialog->Item(controlId));
    return WaitForFocus(controlId);
  }
  bool WaitForFocus(int controlId) {
    HWND target = dialog->Item(controlId);
    return PumpUntil([target] { return GetFocus() == target; }, kSettleMs, dialog->Window());
  }
  void Press(WORD key, bool control = false, bool shift = false) {
    PressKey(key, control, shift);
    PumpFor(150, dialog->Window());
  }

  TestDialog *dialog = nullptr;
  TestControl *edit = nullptr;
  TestControl *first = nullptr;
  TestControl *second = nullptr;
};

using EnableControl = KeyboardTest;
using HelpKey = KeyboardTest;
using TabKey = KeyboardTest;

TEST_F(EnableControl, DisablingTheFocusedControlMovesTheFocusFirst) {
  ASSERT_TRUE(FocusOn(IDC_FIRST));
  dialog->EnableControl(IDC_FIRST, false);
  EXPECT_FALSE(IsWindowEnabled(dialog->Item(IDC_FIRST)));
  EXPECT_EQ(GetFocus(), dialog->Item(IDC_SECOND));

  // An unfocused control is disabled without moving the focus.
  dialog->EnableControl(IDC_EDIT, false);
  EXPECT_FALSE(IsWindowEnabled(dialog->Item(IDC_EDIT)));
  EXPECT_EQ(GetFocus(), dialog->Item(IDC_SECOND));

  dialog->EnableControl(IDC_FIRST, true);
  EXPECT_TRUE(IsWindowEnabled(dialog->Item(IDC_FIRST)));
  dialog->EnableControl(IDC_MISSING, false); // no such control: nothing happens
}

TEST_F(HelpKey, HelpKeyOnAControlAsksForHelpWithItsId) {
  ASSERT_TRUE(FocusOn(IDC_EDIT));
  Press(VK_F1); // no help key yet
  dialog->SetHelpKey(VK_F1);
  Press(VK_F1);
  Press(VK_F2);
  ASSERT_TRUE(FocusOn(IDC_FIRST));
  Press(VK_F1);
  EXPECT_EQ(dialog->helpIds, (std::vector<int>{IDC_EDIT, IDC_FIRST}));
}

TEST_F(TabKey, WithoutTabControlTheDialogManagerKeepsTab) {
  ASSERT_TRUE(FocusOn(IDC_FIRST));
  EXPECT_EQ(SendMessageA(dialog->Item(IDC_FIRST), WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0);
  Press(VK_TAB);
  EXPECT_TRUE(WaitForFocus(IDC_SECOND)); // the dialog manager's own Tab still works
}

TEST_F(TabKey, WithTabControlTabMovesFocusAndCtrlTabSwitchesTabs) {
  StubTabs tabs;
  dialog->SetTabControl(&tabs);
  ASSERT_TRUE(FocusOn(IDC_EDIT));
  EXPECT_NE(SendMessageA(dialog->Item(IDC_EDIT), WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0);

  Press(VK_TAB);
  EXPECT_TRUE(WaitForFocus(IDC_FIRST));
  Press(VK_TAB);
  EXPECT_TRUE(WaitForFocus(IDC_SECOND));
  Press(VK_TAB, false, true);
  EXPECT_TRUE(WaitForFocus(IDC_FIRST));
  EXPECT_EQ(tabs.nexts + tabs.previouses, 0);

  Press(VK_TAB, true);
  EXPECT_EQ(tabs.nexts, 1);
  Press(VK_TAB, true, true);
  EXPECT_EQ(tabs.previouses, 1);
  EXPECT_EQ(GetFocus(), dialog->Item(IDC_FIRST)); // switching tabs is the tab control's job
  dialog->SetTabControl(nullptr);
}

} // namespace
