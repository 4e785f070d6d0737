#include "pallwork/win32/tabbeddialog.h"

#include "tests/win32/support/childrun.h"
#include "tests/win32/support/logpixels.h"
#include "tests/win32/support/messagepump.h"
#include "tests/win32/support/userinput.h"
#include "tests/win32/support/windowshot.h"
#include "tests/win32/tabs/tabids.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <vector>

// The tabbed dialog creates and deletes its tab control object itself, so
// the test counts that deletion by address: every block freed while a
// recording runs is written down.
namespace {
constexpr int kMaxRecorded = 4096;
void *recordedFrees[kMaxRecorded];
int recordedCount = 0;
bool recording = false;

void Release(void *block) {
  if (recording && block != nullptr && recordedCount < kMaxRecorded)
    recordedFrees[recordedCount++] = block;
  std::free(block);
}
} // namespace

void *operator new(std::size_t size) {
  void *block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr)
    std::abort();
  return block;
}

void operator delete(void *block) noexcept { Release(block); }
void operator delete(void *block, std::size_t) noexcept { Release(block); }

namespace {

constexpr DWORD kSettleMs = 2000;

int TimesFreed(const void *block) {
  int times = 0;
  for (int i = 0; i < recordedCount; ++i)
    times += recordedFrees[i] == block ? 1 : 0;
  return times;
}

// Every control object of the sheets is one of these, made the way the
// product makes them, so Ctrl+Tab works from each and each is counted.
class CountedControl : public pwControl {
public:
  CountedControl(pwDialog *dialog, int controlId, bool autoDelete)
      : pwControl(dialog, controlId, autoDelete) {
    ++made;
  }
  ~CountedControl() override { ++deleted; }
  static int made;
  static int deleted;
};
int CountedControl::made = 0;
int CountedControl::deleted = 0;

struct SheetLayout {
  const char *title;
  int templateId;
  std::vector<int> controls; // the ones given control objects
};

const SheetLayout kForm = {"Form", IDD_SHEET_FORM, {IDC_NAME, IDC_ENABLED}};
const SheetLayout kButtons = {"Buttons", IDD_SHEET_BUTTONS, {IDC_RESET, IDC_APPLY}};
const SheetLayout kText = {"Text", IDD_SHEET_TEXT, {}};
const SheetLayout kSmall = {"Small", IDD_SHEET_SMALL, {IDC_SMALL_BUTTON}};

class TestSheet : public pwTabbedSheetDialog {
public:
  TestSheet(pwTabbedDialog *dialog, const SheetLayout &layout)
      : pwTabbedSheetDialog(dialog, {layout.templateId, layout.title, 0}) {
    for (int id : layout.controls)
      MakeControl<CountedControl>(id);
    ++made;
  }
  ~TestSheet() override { ++deleted; }
  HWND Item(int controlId) const { return GetDlgItem(Window(), controlId); }
  static int made;
  static int deleted;
};
int TestSheet::made = 0;
int TestSheet::deleted = 0;

RECT RectInParent(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT *>(&rect), 2);
  return rect;
}

// The sheet's own visibility, whether or not the dialog is on screen.
bool Shown(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

int Width(const RECT &rect) { return rect.right - rect.left; }
int Height(const RECT &rect) { return rect.bottom - rect.top; }

struct Geometry {
  RECT dialog; // screen
  RECT tabs;   // dialog client
  RECT ok;     // dialog client
};

class TestTabbedDialog : public pwTabbedDialog {
public:
  using Script = std::function<void(TestTabbedDialog &)>;
  static constexpr UINT kRunScript = WM_APP + 3;

  TestTabbedDialog(std::vector<SheetLayout> sheets, std::uint32_t flags, bool modal = false)
      : pwTabbedDialog(nullptr, MAKEINTRESOURCEA(IDD_TABBED), modal, IDC_TABS, flags),
        layouts_(std::move(sheets)) {}

  void AddSheets() override {
    for (const SheetLayout &layout : layouts_)
      AddSheet(new TestSheet(this, layout));
  }
  bool OnInitDialog(HWND focus) override {
    before = Measure();
    const bool result = pwTabbedDialog::OnInitDialog(focus);
    after = Measure();
    if (IsModal())
      PostMessageA(Window(), kRunScript, 0, 0);
    return result;
  }
  bool OnSheetChanging() override {
    ++changingAsked;
    return veto;
  }
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override {
    if (message == kRunScript && script)
      script(*this);
    return pwTabbedDialog::HandleMessage(message, wParam, lParam, result);
  }
  bool OnCommand(int, int commandId, HWND) override {
    if (commandId != IDOK && commandId != IDCANCEL)
      return false;
    if (IsModal())
      EndDialog(Window(), commandId);
    else
      DestroyWindow(Window());
    return true;
  }

  TestSheet *SheetAt(int index) { return static_cast<TestSheet *>(Sheet(index)); }
  int CurrentIndex() {
    for (int i = 0; i < SheetCount(); ++i)
      if (Sheet(i) == CurrentSheet())
        return i;
    return -1;
  }

  Geometry before = {};
  Geometry after = {};
  int changingAsked = 0;
  bool veto = false;
  Script script;

private:
  Geometry Measure() {
    Geometry geometry;
    GetWindowRect(Window(), &geometry.dialog);
    geometry.tabs = RectInParent(GetDlgItem(Window(), IDC_TABS));
    geometry.ok = RectInParent(GetDlgItem(Window(), IDOK));
    return geometry;
  }

  std::vector<SheetLayout> layouts_;
};

void ResetCounts() {
  CountedControl::made = CountedControl::deleted = 0;
  TestSheet::made = TestSheet::deleted = 0;
}

// The tab control's size around the largest sheet, asked of the control
// itself as the dialog does, but from the sheets as they stand.
SIZE NeededTabSize(TestTabbedDialog &dialog) {
  RECT display = {0, 0, 0, 0};
  for (int i = 0; i < dialog.SheetCount(); ++i) {
    RECT sheet = {};
    GetWindowRect(dialog.Sheet(i)->Window(), &sheet);
    display.right = std::max<LONG>(display.right, Width(sheet));
    display.bottom = std::max<LONG>(display.bottom, Height(sheet));
  }
  TabCtrl_AdjustRect(dialog.Tabs().Window(), TRUE, &display);
  return {Width(display), Height(display)};
}

TEST(TabbedLayout, GrowsToTheLargestSheetAndMovesTheOtherControls) {
  struct Case {
    const char *name;
    std::vector<SheetLayout> sheets;
    std::uint32_t flags;
    bool grows;
  };
  const Case cases[] = {
      {"larger sheets, right and down", {kForm, kButtons}, 13, true},
      {"larger sheets, half right", {kButtons, kForm}, 2, true},
      {"smaller sheets never shrink it", {kText, kSmall}, 13, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    ResetCounts();
    TestTabbedDialog dialog(c.sheets, c.flags);
    ASSERT_EQ(dialog.Execute(), 0);
    ASSERT_NE(dialog.Window(), nullptr);
    const Geometry &was = dialog.before;
    const Geometry &is = dialog.after;
    const int dx = Width(is.dialog) - Width(was.dialog);
    const int dy = Height(is.dialog) - Height(was.dialog);
    EXPECT_EQ(dx, Width(is.tabs) - Width(was.tabs));
    EXPECT_EQ(dy, Height(is.tabs) - Height(was.tabs));
    if (c.grows) {
      EXPECT_GT(dx, 0);
      EXPECT_GT(dy, 0);
      const SIZE needed = NeededTabSize(dialog);
      EXPECT_EQ(Width(is.tabs), needed.cx);
      EXPECT_EQ(Height(is.tabs), needed.cy);
    } else {
      EXPECT_EQ(dx, 0);
      EXPECT_EQ(dy, 0);
    }
    const int expectX = (c.flags & kTabLayoutMoveRight) != 0       ? dx
                        : (c.flags & kTabLayoutMoveHalfRight) != 0 ? dx / 2
                                                                   : 0;
    const int expectY = (c.flags & kTabLayoutMoveDown) != 0 ? dy : 0;
    EXPECT_EQ(is.ok.left - was.ok.left, expectX);
    EXPECT_EQ(is.ok.top - was.ok.top, expectY);
    EXPECT_EQ(is.tabs.left, was.tabs.left); // the tab control itself stays put

    RECT display = is.tabs;
    TabCtrl_AdjustRect(dialog.Tabs().Window(), FALSE, &display);
    for (int i = 0; i < dialog.SheetCount(); ++i) {
      const RECT sheet = RectInParent(dialog.Sheet(i)->Window());
      EXPECT_EQ(sheet.left, display.left);
      EXPECT_EQ(sheet.top, display.top);
      EXPECT_EQ(Shown(dialog.Sheet(i)->Window()), i == 0);
    }
    EXPECT_EQ(dialog.CurrentSheet(), dialog.Sheet(0));
    // Tab order: the tab control, then the sheets in their order.
    EXPECT_EQ(GetWindow(dialog.Tabs().Window(), GW_HWNDNEXT), dialog.Sheet(0)->Window());
    EXPECT_EQ(GetWindow(dialog.Sheet(0)->Window(), GW_HWNDNEXT), dialog.Sheet(1)->Window());
  }
}

// An open modeless tabbed dialog with the form, buttons and text sheets in
// front, driven through its keyboard interface by real input.
class TabbedInput : public ::testing::Test {
protected:
  void SetUp() override {
    ResetCounts();
    dialog = new TestTabbedDialog({kForm, kButtons, kText}, 13);
    ASSERT_EQ(dialog->Execute(), 0);
    ASSERT_NE(dialog->Window(), nullptr);
    ASSERT_TRUE(BringToFront(dialog->Window()));
  }
  void TearDown() override { delete dialog; }

  HWND Tabs() { return dialog->Tabs().Window(); }
  HWND SheetItem(int sheet, int controlId) { return dialog->SheetAt(sheet)->Item(controlId); }
  bool FocusOn(HWND window) {
    SetFocus(window);
    return WaitForFocus(window);
  }
  bool WaitForFocus(HWND window) {
    return PumpUntil([window] { return GetFocus() == window; }, kSettleMs, dialog->Window());
  }
  bool WaitForSheet(int index) {
    return PumpUntil([&] { return dialog->CurrentIndex() == index; }, kSettleMs, dialog->Window());
  }
  void Press(WORD key, bool control = false, bool shift = false) {
    PressKey(key, control, shift);
    PumpFor(150, dialog->Window());
  }
  // A second click on the same tab too soon would be a double click.
  void ClickTab(int index) {
    const DWORD since = GetTickCount() - lastClickTick_;
    if (index == lastClickedTab_ && since <= GetDoubleClickTime())
      PumpFor(GetDoubleClickTime() - since + 50, dialog->Window());
    lastClickedTab_ = index;
    lastClickTick_ = GetTickCount();
    RECT item = {};
    SendMessageA(Tabs(), TCM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    POINT centre = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(Tabs(), &centre);
    ClickAt(centre);
    PumpFor(150, dialog->Window());
  }
  void ExpectOnlyVisible(int index) {
    for (int i = 0; i < dialog->SheetCount(); ++i)
      EXPECT_EQ(Shown(dialog->Sheet(i)->Window()), i == index) << i;
    EXPECT_EQ(dialog->Tabs().CurrentSelection(), index);
  }

  TestTabbedDialog *dialog = nullptr;

private:
  int lastClickedTab_ = -1;
  DWORD lastClickTick_ = 0;
};

TEST_F(TabbedInput, CtrlTabWrapsAndTheFocusFollowsOutOfTheOldSheet) {
  ASSERT_TRUE(FocusOn(SheetItem(0, IDC_NAME)));
  struct Step {
    bool shift;
    int sheet;
    int focusSheet; // -1: the tab control
    int focusId;
  };
  const Step steps[] = {
      {false, 1, 1, IDC_APPLY}, // Reset, the first tab stop, is disabled
      {false, 2, -1, 0},        // nothing to focus: the tab control takes it
      {false, 0, -1, 0},        // wraps at the end; the focus stays on the tabs
      {true, 2, -1, 0},         // wraps at the start
      {true, 1, -1, 0},
  };
  for (const Step &step : steps) {
    SCOPED_TRACE(testing::Message() << "to sheet " << step.sheet);
    Press(VK_TAB, true, step.shift);
    ASSERT_TRUE(WaitForSheet(step.sheet));
    ExpectOnlyVisible(step.sheet);
    const HWND focus = step.focusSheet < 0 ? Tabs() : SheetItem(step.focusSheet, step.focusId);
    EXPECT_TRUE(WaitForFocus(focus));
  }
  // From a sheet's control with Shift: back from the buttons to the form.
  ASSERT_TRUE(FocusOn(SheetItem(1, IDC_APPLY)));
  Press(VK_TAB, true, true);
  ASSERT_TRUE(WaitForSheet(0));
  EXPECT_TRUE(WaitForFocus(SheetItem(0, IDC_NAME)));
  EXPECT_EQ(dialog->changingAsked, 0); // selecting from code asks nobody
}

TEST_F(TabbedInput, CtrlTabWorksOnControlsWithoutObjects) {
  HWND ok = GetDlgItem(dialog->Window(), IDOK); // the dialog manager's own button
  ASSERT_TRUE(FocusOn(ok));
  Press(VK_TAB, true);
  ASSERT_TRUE(WaitForSheet(1));
  Press(VK_TAB, true, true);
  ASSERT_TRUE(WaitForSheet(0));
  EXPECT_EQ(GetFocus(), ok);
  Press(VK_TAB); // plain Tab still moves on
  EXPECT_TRUE(WaitForFocus(GetDlgItem(dialog->Window(), IDCANCEL)));
  EXPECT_EQ(dialog->CurrentIndex(), 0);
}

TEST_F(TabbedInput, PlainTabMovesThroughASheetAndOutOfIt) {
  ASSERT_TRUE(FocusOn(SheetItem(0, IDC_NAME)));
  Press(VK_TAB);
  EXPECT_TRUE(WaitForFocus(SheetItem(0, IDC_ENABLED)));
  Press(VK_TAB, false, true);
  EXPECT_TRUE(WaitForFocus(SheetItem(0, IDC_NAME)));
  EXPECT_EQ(dialog->CurrentIndex(), 0);

  // Out at both edges of the sheet, into the controls around it.
  Press(VK_TAB, false, true);
  EXPECT_TRUE(WaitForFocus(Tabs()));
  ASSERT_TRUE(FocusOn(SheetItem(0, IDC_ENABLED)));
  Press(VK_TAB);
  EXPECT_TRUE(WaitForFocus(GetDlgItem(dialog->Window(), IDOK)));
}

TEST_F(TabbedInput, MouseAndArrowKeysSwitchUnlessTheDialogVetoes) {
  ClickTab(1);
  ASSERT_TRUE(WaitForSheet(1));
  ExpectOnlyVisible(1);
  EXPECT_TRUE(WaitForFocus(Tabs())); // a click focuses the tab control
  EXPECT_EQ(dialog->changingAsked, 1);

  // Only clicks are vetoed here: Wine's tab control moves its selection on
  // an arrow key even when the change is refused.
  dialog->veto = true;
  ClickTab(2);
  ClickTab(0);
  EXPECT_EQ(dialog->changingAsked, 3);
  ExpectOnlyVisible(1);
  EXPECT_EQ(dialog->CurrentIndex(), 1);

  dialog->veto = false;
  ClickTab(0);
  ASSERT_TRUE(WaitForSheet(0));
  ExpectOnlyVisible(0);
  // The tab control's own keys, with the focus on it. Last: after an arrow
  // key Wine's tab control takes the next click for a multiple selection.
  Press(VK_RIGHT);
  ASSERT_TRUE(WaitForSheet(1));
  ExpectOnlyVisible(1);
  EXPECT_EQ(GetFocus(), Tabs());
  EXPECT_EQ(dialog->changingAsked, 5);
}

TEST_F(TabbedInput, ShowSheetSelectsItsTabAndIgnoresAStranger) {
  dialog->ShowSheet(dialog->Sheet(2));
  EXPECT_EQ(dialog->CurrentIndex(), 2);
  ExpectOnlyVisible(2);
  TestSheet stranger(dialog, kSmall);
  dialog->ShowSheet(&stranger);
  EXPECT_EQ(dialog->CurrentIndex(), 2);
}

// Sheets, their control objects and the tab control object each go exactly
// once, however the dialog ends.
TEST(TabbedOwnership, EverythingGoesOnceWhenClosedWithTheFocusInASheet) {
  enum class Ending { EscapeModal, EscapeModeless, DeleteOpen };
  for (Ending ending : {Ending::EscapeModal, Ending::EscapeModeless, Ending::DeleteOpen}) {
    SCOPED_TRACE(static_cast<int>(ending));
    ResetCounts();
    recordedCount = 0;
    auto *dialog =
        new TestTabbedDialog({kForm, kButtons, kSmall}, 13, ending == Ending::EscapeModal);
    const void *tabControl = &dialog->Tabs();
    bool focused = false;
    auto closeFromSheet = [&](TestTabbedDialog &self) {
      HWND name = self.SheetAt(0)->Item(IDC_NAME);
      self.SheetAt(0)->FocusControl(name);
      focused = PumpUntil([name] { return GetFocus() == name; }, kSettleMs, self.Window());
      if (ending == Ending::DeleteOpen)
        return;
      PressKey(VK_ESCAPE);
      HWND window = self.Window();
      PumpUntil([window] { return !IsWindow(window); }, kSettleMs, window);
    };
    if (ending == Ending::EscapeModal) {
      dialog->script = closeFromSheet;
      EXPECT_EQ(dialog->Execute(), IDCANCEL);
    } else {
      ASSERT_EQ(dialog->Execute(), 0);
      ASSERT_TRUE(BringToFront(dialog->Window()));
      closeFromSheet(*dialog);
    }
    EXPECT_TRUE(focused);
    EXPECT_EQ(dialog->Window() == nullptr, ending != Ending::DeleteOpen);
    recording = true;
    delete dialog;
    recording = false;
    EXPECT_EQ(TestSheet::made, 3);
    EXPECT_EQ(TestSheet::deleted, 3);
    EXPECT_EQ(CountedControl::made, 5);
    EXPECT_EQ(CountedControl::deleted, 5);
    EXPECT_EQ(TimesFreed(tabControl), 1);
  }
}

// Screen shots of a tabbed dialog at two resolutions, kept under test-tmp to
// be looked at. Wine reads the resolution once per process, so each shot is
// taken by a child run of this program with the resolution set beforehand.
constexpr char kShotNameVariable[] = "VORLUNDA_TAB_SHOT";
constexpr char kShotDpiVariable[] = "VORLUNDA_TAB_SHOT_DPI";
constexpr DWORD kChildMs = 30000;

DWORD RunShotChild(const std::string &name, int dpi) {
  SetEnvironmentVariableA(kShotNameVariable, name.c_str());
  SetEnvironmentVariableA(kShotDpiVariable, std::to_string(dpi).c_str());
  const DWORD code = RunDisabledTestInChild("TabbedShot.DISABLED_Capture", kChildMs);
  SetEnvironmentVariableA(kShotNameVariable, nullptr);
  return code;
}

// The width and height in a BMP file's header, 0 when unreadable.
SIZE BitmapSize(const std::string &path) {
  SIZE size = {0, 0};
  FILE *file = std::fopen(path.c_str(), "rb");
  if (file == nullptr)
    return size;
  BITMAPFILEHEADER header = {};
  BITMAPINFOHEADER info = {};
  if (std::fread(&header, sizeof(header), 1, file) == 1 &&
      std::fread(&info, sizeof(info), 1, file) == 1 && header.bfType == 0x4D42)
    size = {info.biWidth, info.biHeight};
  std::fclose(file);
  return size;
}

TEST(TabbedShot, DialogAtNinetySixAndOneHundredTwentyDpi) {
  SIZE sizes[2] = {};
  const int dpis[2] = {96, 120};
  {
    LogPixelsSetting setting;
    for (int i = 0; i < 2; ++i) {
      const std::string name = "tabbed-" + std::to_string(dpis[i]) + "dpi.bmp";
      std::remove(TestTmpPath(name).c_str());
      ASSERT_TRUE(setting.Set(static_cast<DWORD>(dpis[i])));
      EXPECT_EQ(RunShotChild(name, dpis[i]), 0u) << name;
      sizes[i] = BitmapSize(TestTmpPath(name));
      EXPECT_GT(sizes[i].cx, 0) << name;
    }
  }
  // Dialog units follow the font, which follows the resolution.
  EXPECT_GT(sizes[1].cx, sizes[0].cx);
  EXPECT_GT(sizes[1].cy, sizes[0].cy);
}

// Run by the test above in a process of its own.
TEST(TabbedShot, DISABLED_Capture) {
  const char *name = std::getenv(kShotNameVariable);
  const char *dpi = std::getenv(kShotDpiVariable);
  ASSERT_NE(name, nullptr);
  ASSERT_NE(dpi, nullptr);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), std::atoi(dpi));
  ReleaseDC(nullptr, screen);

  TestTabbedDialog dialog({kForm, kButtons, kText}, 13);
  ASSERT_EQ(dialog.Execute(), 0);
  ASSERT_TRUE(BringToFront(dialog.Window()));
  HWND nameField = dialog.SheetAt(0)->Item(IDC_NAME);
  SetWindowTextA(nameField, "Gasket");
  SendMessageA(dialog.SheetAt(0)->Item(IDC_ENABLED), BM_SETCHECK, BST_CHECKED, 0);
  SetFocus(nameField);
  RedrawWindow(dialog.Window(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(300, dialog.Window());
  EXPECT_TRUE(SaveWindowShot(dialog.Window(), TestTmpPath(name)));
}

} // namespace
