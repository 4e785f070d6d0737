#include "pallwork/win32/checkbox.h"
#include "pallwork/win32/combobox.h"
#include "pallwork/win32/listbox.h"
#include "pallwork/win32/scrollbar.h"

#include "tests/win32/support/messagepump.h"
#include "tests/win32/support/observedcontrol.h"
#include "tests/win32/support/testdialog.h"
#include "tests/win32/support/userinput.h"
#include "tests/win32/window/controlids.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kSettleMs = 3000;

class CountingList : public pwListbox {
public:
  using pwListbox::pwListbox;
  void OnItemDoubleClick() override { ++doubleClicks; }
  int doubleClicks = 0;
};

class ListControls : public ::testing::Test {
protected:
  void SetUp() override {
    ControlCensus::Reset();
    dialog = new TestDialog(MAKEINTRESOURCEA(IDD_LISTS), false);
    combo = new Observed<pwComboBox>(dialog, IDC_COMBO, true);
    list = new Observed<CountingList>(dialog, IDC_PLAIN_LIST, true);
    scroller = new Observed<pwScrollbar>(dialog, IDC_SCROLLER, true);
    ASSERT_EQ(dialog->Execute(), 0);
    // Made after the dialog: attached at once.
    check = new Observed<pwCheckBox>(dialog, IDC_CHECK, true);
    ASSERT_TRUE(BringToFront(dialog->Window()));
  }
  void TearDown() override {
    delete dialog;
    EXPECT_EQ(ControlCensus::made, 4);
    EXPECT_EQ(ControlCensus::gone, 4);
  }

  TestDialog *dialog = nullptr;
  Observed<pwComboBox> *combo = nullptr;
  Observed<CountingList> *list = nullptr;
  Observed<pwScrollbar> *scroller = nullptr;
  Observed<pwCheckBox> *check = nullptr;
};

TEST_F(ListControls, ComboBoxOperations) {
  EXPECT_EQ(combo->Add("Spectrum"), 0);
  EXPECT_EQ(combo->Add("Solid"), 1);
  EXPECT_EQ(combo->Add("Shaded"), 2);
  EXPECT_EQ(combo->Count(), 3);
  EXPECT_EQ(combo->CurrentSelection(), -1);
  combo->Select(1);
  EXPECT_EQ(combo->CurrentSelection(), 1);
  EXPECT_STREQ(combo->Text().CStr(), "Solid");
  EXPECT_STREQ(combo->ItemText(2).CStr(), "Shaded");
  EXPECT_STREQ(combo->ItemText(7).CStr(), "");
  EXPECT_STREQ(combo->ItemText(-1).CStr(), "");
  EXPECT_EQ(combo->FindExact("shaded"), 2); // the control ignores case
  EXPECT_EQ(combo->FindExact("Shade"), -1);
  EXPECT_EQ(combo->FindExact("Spectrum", 0), 0); // wraps round past the start
  EXPECT_NE(combo->SetItemData(2, 0x1234), CB_ERR);
  EXPECT_EQ(combo->ItemData(2), 0x1234);
  EXPECT_EQ(combo->Delete(0), 2);
  EXPECT_STREQ(combo->ItemText(0).CStr(), "Solid");
  combo->SetText("typed");
  EXPECT_STREQ(combo->Text().CStr(), "typed");
}

TEST_F(ListControls, ListBoxOperationsAndRedraw) {
  EXPECT_EQ(list->Add("one"), 0);
  EXPECT_EQ(list->Add("three"), 1);
  EXPECT_EQ(list->Insert(1, "two"), 1);
  EXPECT_EQ(list->Count(), 3);
  EXPECT_EQ(list->Select(2), 2);
  EXPECT_EQ(list->CurrentSelection(), 2);
  EXPECT_NE(list->RedrawItem(1, true), 0);
  EXPECT_EQ(list->RedrawItem(3, false), 0);
  EXPECT_EQ(list->RedrawItem(-1, false), 0);
  list->SetHorizontalExtent(400);
  EXPECT_EQ(list->HorizontalExtent(), 400);
  EXPECT_EQ(list->Delete(0), 2);
  EXPECT_EQ(list->TopIndex(), 0);
  list->Clear();
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(list->RedrawItem(0, false), 0);
}

TEST_F(ListControls, DoubleClickOnAListItem) {
  list->Add("one");
  list->Add("two");
  RECT item = {};
  SendMessageA(list->Window(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  DoubleClickAt(ScreenPointOf(list->Window(), item.left + 10, (item.top + item.bottom) / 2));
  EXPECT_TRUE(PumpUntil([this] { return list->doubleClicks == 1; }, kSettleMs, dialog->Window()));
  EXPECT_EQ(list->CurrentSelection(), 1);
  int commands = 0;
  for (int id : dialog->commandIds)
    commands += id == IDC_PLAIN_LIST ? 1 : 0;
  EXPECT_GE(commands, 2); // the dialog still sees selection change and double click
}

void Scroll(HWND dialog, HWND bar, int code, int position = 0) {
  SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(bar));
}

TEST_F(ListControls, ScrollBarStepsAndClamps) {
  scroller->SetRange(-10, 50, 3, 20);
  int minimum = 0;
  int maximum = 0;
  GetScrollRange(scroller->Window(), SB_CTL, &minimum, &maximum);
  EXPECT_EQ(minimum, -10);
  EXPECT_EQ(maximum, 50);
  scroller->SetPosition(0);
  const struct {
    int code, thumb, expected;
  } kSteps[] = {{SB_LINEDOWN, 0, 3},        {SB_PAGEDOWN, 0, 23}, {SB_PAGEDOWN, 0, 43},
                {SB_PAGEDOWN, 0, 50},       {SB_LINEDOWN, 0, 50}, {SB_THUMBTRACK, 7, 7},
                {SB_THUMBPOSITION, 60, 50}, {SB_PAGEUP, 0, 30},   {SB_LINEUP, 0, 27},
                {SB_TOP, 0, -10},           {SB_LINEUP, 0, -10},  {SB_BOTTOM, 0, 50},
                {SB_ENDSCROLL, 0, 50}};
  for (const auto &s : kSteps) {
    Scroll(dialog->Window(), scroller->Window(), s.code, s.thumb);
    EXPECT_EQ(scroller->Position(), s.expected) << "code " << s.code;
  }
}

TEST_F(ListControls, ScrollBarArrowClicked) {
  scroller->SetRange(0, 50, 3, 20);
  scroller->SetPosition(10);
  RECT bar = {};
  GetWindowRect(scroller->Window(), &bar);
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  ClickAt({bar.right - arrow / 2 - 1, (bar.top + bar.bottom) / 2});
  EXPECT_TRUE(
      PumpUntil([this] { return scroller->Position() == 13; }, kSettleMs, dialog->Window()));
  PumpFor(300, dialog->Window());
  EXPECT_EQ(scroller->Position(), 13);
}

TEST_F(ListControls, CheckBoxStates) {
  EXPECT_EQ(check->GetCheck(), BST_UNCHECKED);
  check->SetChecked(true);
  EXPECT_TRUE(check->IsChecked());
  check->SetCheck(BST_INDETERMINATE);
  EXPECT_EQ(check->GetCheck(), BST_INDETERMINATE);
  EXPECT_FALSE(check->IsChecked());
  check->SetChecked(false);
  EXPECT_EQ(check->GetCheck(), BST_UNCHECKED);
}

} // namespace
