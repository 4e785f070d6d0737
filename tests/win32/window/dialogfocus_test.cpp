#include "pallwork/win32/dialog.h"

#include "tests/win32/support/hostwindow.h"
#include "tests/win32/support/messagepump.h"
#include "tests/win32/support/testcontrol.h"
#include "tests/win32/support/testdialog.h"
#include "tests/win32/support/userinput.h"
#include "tests/win32/window/focusids.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr DWORD kSettleMs = 2000;

// An open modeless dialog in front, its controls with objects that record
// the focus and mouse handlers the framework calls.
class DialogFocus : public ::testing::Test {
protected:
  void SetUp() override {
    TestControl::deletions = 0;
    dialog = new TestDialog(MAKEINTRESOURCEA(IDD_FOCUS), false);
    edit = new TestControl(dialog, IDC_FOCUS_EDIT, true);
    second = new TestControl(dialog, IDC_FOCUS_SECOND, true);
    combo = new TestControl(dialog, IDC_FOCUS_COMBO, true);
    ASSERT_EQ(dialog->Execute(), 0);
    ASSERT_NE(dialog->Window(), nullptr);
    ASSERT_TRUE(BringToFront(dialog->Window()));
  }
  void TearDown() override {
    delete dialog;
    EXPECT_EQ(TestControl::deletions, 3);
  }

  bool WaitForFocus(HWND window) {
    return PumpUntil([window] { return GetFocus() == window; }, kSettleMs, dialog->Window());
  }
  bool WaitForDropped(bool dropped) {
    HWND box = combo->Window();
    return PumpUntil(
        [box, dropped] { return (SendMessageA(box, CB_GETDROPPEDSTATE, 0, 0) != 0) == dropped; },
        kSettleMs, dialog->Window());
  }
  static POINT ScreenCentre(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }

  TestDialog *dialog = nullptr;
  TestControl *edit = nullptr;
  TestControl *second = nullptr;
  TestControl *combo = nullptr;
};

TEST_F(DialogFocus, ReturnsToTheControlThatHadItWhenTheDialogIsActiveAgain) {
  dialog->FocusControl(second->Window());
  ASSERT_TRUE(WaitForFocus(second->Window()));
  EXPECT_FALSE(second->focusChanges.empty());

  HostWindow other("Another window", 400, 300);
  ASSERT_TRUE(BringToFront(other.Get()));
  EXPECT_FALSE(PumpUntil([this] { return GetFocus() == second->Window(); }, 100));
  ASSERT_FALSE(second->focusChanges.empty());
  EXPECT_FALSE(second->focusChanges.back()) << "the control was not told it lost the focus";

  ASSERT_TRUE(BringToFront(dialog->Window()));
  EXPECT_TRUE(WaitForFocus(second->Window()));
  EXPECT_TRUE(second->focusChanges.back());

  // Windows gives an activated window the focus itself and leaves it to the
  // dialog manager to pass it on (Wine restores it earlier, on activation),
  // so the focus on the dialog window must reach a control.
  SetFocus(dialog->Window());
  HWND window = dialog->Window();
  EXPECT_TRUE(PumpUntil([window] { return GetFocus() != window && IsChild(window, GetFocus()); },
                        kSettleMs, window))
      << "the focus stayed on the dialog window";
  EXPECT_GE(dialog->focusGained, 1); // the dialog's handler ran all the same
}

TEST_F(DialogFocus, AClickOutsideAnOpenDropDownListClosesIt) {
  SendMessageA(combo->Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("One"));
  SendMessageA(combo->Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Two"));
  RECT client = {};
  GetClientRect(dialog->Window(), &client);
  POINT empty = {client.right - 20, client.top + 20}; // right half: no control there
  ClientToScreen(dialog->Window(), &empty);

  // Twice: on the dialog's empty area, then on another control.
  for (HWND elsewhere : {static_cast<HWND>(nullptr), edit->Window()}) {
    ClickAt(ScreenCentre(combo->Window()));
    ASSERT_TRUE(WaitForDropped(true)) << "the click did not open the list";
    ClickAt(elsewhere != nullptr ? ScreenCentre(elsewhere) : empty);
    EXPECT_TRUE(WaitForDropped(false)) << "the list stayed open";
    PumpFor(GetDoubleClickTime() + 50, dialog->Window()); // the next click is a new one
  }
  // The handlers ran, and the combo box did its own work all the same.
  EXPECT_GE(std::count(combo->buttonDowns.begin(), combo->buttonDowns.end(), 0), 2);
  EXPECT_FALSE(combo->focusChanges.empty());
}

} // namespace
