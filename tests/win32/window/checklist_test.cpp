#include "pallwork/win32/checklist.h"
#include "pallwork/win32/dialog.h"

#include "tests/win32/support/messagepump.h"
#include "tests/win32/support/observedcontrol.h"
#include "tests/win32/support/testdialog.h"
#include "tests/win32/support/userinput.h"
#include "tests/win32/support/windowshot.h"
#include "tests/win32/window/controlids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kSettleMs = 3000;

// A check list over a fixed set of names; a miss of the type-ahead is counted
// instead of beeping.
class NameList : public pwCheckList {
public:
  NameList(pwDialog *dialog, int controlId, bool autoDelete)
      : pwCheckList(dialog, controlId, autoDelete) {}

  bool IsItemChecked(int index) override { return checked[static_cast<size_t>(index)]; }
  void SetItemChecked(int index, bool check) override {
    checked[static_cast<size_t>(index)] = check;
    ++toggles;
    pwCheckList::SetItemChecked(index, check);
  }
  String ItemText(int index) override { return names[static_cast<size_t>(index)].c_str(); }
  void OnSearchMiss() override { ++misses; }
  void OnItemDoubleClick() override { ++doubleClicks; }

  void Fill(const std::vector<std::string> &items) {
    names = items;
    checked.assign(items.size(), false);
    for (size_t i = 0; i < items.size(); ++i)
      AddData(static_cast<LPARAM>(i));
  }

  std::vector<std::string> names;
  std::vector<bool> checked;
  int toggles = 0;
  int misses = 0;
  int doubleClicks = 0;
};

class CheckListTest : public ::testing::Test {
protected:
  void SetUp() override {
    ControlCensus::Reset();
    dialog = new TestDialog(MAKEINTRESOURCEA(IDD_CHECKLIST), false);
    list = new Observed<NameList>(dialog, IDC_CHECKLIST, true);
    ASSERT_EQ(dialog->Execute(), 0);
    list->Fill({"Alpha", "beta", "Bravo", "Charlie", "ALTO", "Delta"});
    ASSERT_TRUE(BringToFront(dialog->Window()));
  }
  void TearDown() override {
    delete dialog;
    EXPECT_EQ(ControlCensus::made, 1);
    EXPECT_EQ(ControlCensus::gone, 1);
  }

  RECT ItemRect(int index) {
    RECT rect = {};
    SendMessageA(list->Window(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&rect));
    return rect;
  }
  // Clicks inside item index at x, then waits past the double-click time so
  // the next click is a click of its own.
  void ClickItem(int index, int x) {
    const RECT rect = ItemRect(index);
    ClickAt(ScreenPointOf(list->Window(), x, (rect.top + rect.bottom) / 2));
    EXPECT_TRUE(PumpUntil([this, index] { return list->CurrentSelection() == index; }, kSettleMs,
                          dialog->Window()));
    PumpFor(GetDoubleClickTime() + 50, dialog->Window());
  }
  int BoxX() const { return 5 + list->CheckBoxSize() / 2; }

  TestDialog *dialog = nullptr;
  Observed<NameList> *list = nullptr;
};

using CheckListClicks = CheckListTest;
using CheckListTyping = CheckListTest;

TEST_F(CheckListClicks, ItemsAreMeasuredFromTheDialogFont) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog->Window(), WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  HDC dc = GetDC(dialog->Window());
  HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(dialog->Window(), dc);

  EXPECT_EQ(list->ItemHeight(), metrics.tmHeight + 2);
  EXPECT_EQ(list->CheckBoxSize(), (metrics.tmHeight - 2) & ~1);
  EXPECT_EQ(SendMessageA(list->Window(), LB_GETITEMHEIGHT, 0, 0), list->ItemHeight());
}

TEST_F(CheckListClicks, BoxTogglesAndSelectsTextOnlySelects) {
  ClickItem(2, BoxX());
  EXPECT_EQ(list->checked, (std::vector<bool>{false, false, true, false, false, false}));
  EXPECT_EQ(GetFocus(), list->Window());

  ClickItem(1, list->CheckBoxSize() + 30); // on the text
  EXPECT_EQ(list->checked, (std::vector<bool>{false, false, true, false, false, false}));

  ClickItem(2, BoxX()); // again: off
  ClickItem(4, 4);      // the box's slack edge still counts
  EXPECT_EQ(list->checked, (std::vector<bool>{false, false, false, false, true, false}));
  ClickItem(3, 3); // just beside it does not
  EXPECT_EQ(list->checked, (std::vector<bool>{false, false, false, false, true, false}));
  EXPECT_EQ(list->toggles, 3);
}

TEST_F(CheckListClicks, DoubleClickReachesTheListAndTheDialog) {
  const RECT rect = ItemRect(3);
  DoubleClickAt(ScreenPointOf(list->Window(), list->CheckBoxSize() + 30, rect.top + 2));
  EXPECT_TRUE(PumpUntil([this] { return list->doubleClicks == 1; }, kSettleMs, dialog->Window()));
  EXPECT_EQ(list->CurrentSelection(), 3);
  int commands = 0;
  for (int id : dialog->commandIds)
    commands += id == IDC_CHECKLIST ? 1 : 0;
  EXPECT_GE(commands, 2); // the selection change and the double click
}

TEST_F(CheckListTyping, FindsRestartsAndMisses) {
  dialog->FocusControl(list->Window());
  list->Select(0);
  const struct {
    char key;
    int selected;
    int misses;
  } kKeys[] = {
      {'b', 1, 0}, // beta
      {'r', 2, 0}, // "br": Bravo
      {'b', 1, 0}, // "brb" fails: b again from after the caret, round to beta
      {'z', 1, 1}, // nothing begins with z: the selection stays, a beep
      {'a', 4, 1}, // from the caret on: ALTO before Alpha
      {'l', 4, 1}, // "al": the caret item itself
      {'p', 0, 1}, // "alp": round to Alpha
  };
  for (const auto &k : kKeys) {
    const char typed[] = {k.key, '\0'};
    TypeText(typed);
    EXPECT_TRUE(PumpUntil(
        [this, &k] { return list->CurrentSelection() == k.selected && list->misses == k.misses; },
        kSettleMs, dialog->Window()))
        << "after '" << k.key << "': selection " << list->CurrentSelection() << ", misses "
        << list->misses;
    PumpFor(50, dialog->Window());
  }
  // The arrow keys still move from where the list is, not from item 0.
  PressKey(VK_DOWN);
  EXPECT_TRUE(
      PumpUntil([this] { return list->CurrentSelection() == 1; }, kSettleMs, dialog->Window()));
}

// A picture for people to look at: some items checked, one selected with the
// focus. Run at 96 and 120 DPI by the check-list picture script.
TEST_F(CheckListClicks, Picture) {
  list->checked = {true, false, true, false, false, true};
  ClickItem(3, list->CheckBoxSize() + 30);
  InvalidateRect(list->Window(), nullptr, TRUE);
  UpdateWindow(list->Window());
  PumpFor(200, dialog->Window());
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const std::string path = TestTmpPath("checklist-" + std::to_string(dpi) + "dpi.bmp");
  EXPECT_TRUE(SaveWindowShot(dialog->Window(), path)) << path;
  std::printf("check-list picture: %s (item height %d)\n", path.c_str(), list->ItemHeight());
}

} // namespace
