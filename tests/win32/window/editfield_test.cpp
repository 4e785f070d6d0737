#include "pallwork/win32/doubleedit.h"
#include "pallwork/win32/intedit.h"
#include "pallwork/win32/stredit.h"

#include "tests/win32/support/messagepump.h"
#include "tests/win32/support/observedcontrol.h"
#include "tests/win32/support/testdialog.h"
#include "tests/win32/support/userinput.h"
#include "tests/win32/window/controlids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr DWORD kSettleMs = 3000;

struct Selection {
  int start, end;
  bool operator==(const Selection &other) const { return start == other.start && end == other.end; }
};

std::ostream &operator<<(std::ostream &out, const Selection &s) {
  return out << "(" << s.start << ", " << s.end << ")";
}

// The fields dialog in front, typed into with real key strokes.
class EditFields : public ::testing::Test {
protected:
  void SetUp() override {
    ControlCensus::Reset();
    dialog = new TestDialog(MAKEINTRESOURCEA(IDD_FIELDS), false);
    integer = new Observed<pwIntEdit>(dialog, IDC_INT_FIELD, true);
    decimal = new Observed<pwDoubleEdit>(dialog, IDC_DOUBLE_FIELD, true);
    name = new Observed<pwStrEdit>(dialog, IDC_NAME_FIELD, true, kCharNoSlashes);
    path = new Observed<pwStrEdit>(dialog, IDC_PATH_FIELD, true, kCharAnything);
    ASSERT_EQ(dialog->Execute(), 0);
    ASSERT_TRUE(BringToFront(dialog->Window()));
  }
  void TearDown() override {
    delete dialog;
    EXPECT_EQ(ControlCensus::made, 4);
    EXPECT_EQ(ControlCensus::gone, 4);
  }

  // Focus on the field, with its text and the caret or selection given.
  void Prepare(pwEditLine *field, const char *text, int start, int end) {
    dialog->FocusControl(field->Window());
    ASSERT_TRUE(
        PumpUntil([field] { return GetFocus() == field->Window(); }, kSettleMs, dialog->Window()));
    field->SetText(text);
    field->SetSelection(start, end);
  }
  // Types and waits until the field has seen every character, refused or not.
  template <typename Field> void Type(Field *field, const char *text) {
    const int expected = field->characters + static_cast<int>(std::string(text).size());
    TypeText(text);
    EXPECT_TRUE(PumpUntil([field, expected] { return field->characters >= expected; }, kSettleMs,
                          dialog->Window()))
        << "typing " << text;
  }
  template <typename Field, typename Text> void Paste(Field *field, const Text *text) {
    ASSERT_TRUE(PutOnClipboard(dialog->Window(), text));
    const int seen = field->characters;
    PressKey('V', true);
    // Ctrl+V arrives as the character 0x16 before the edit pastes.
    PumpUntil([field, seen] { return field->characters > seen; }, kSettleMs, dialog->Window());
    PumpFor(100, dialog->Window());
  }
  static Selection SelectionOf(pwEditLine *field) {
    Selection s = {};
    field->GetSelection(s.start, s.end);
    return s;
  }

  TestDialog *dialog = nullptr;
  Observed<pwIntEdit> *integer = nullptr;
  Observed<pwDoubleEdit> *decimal = nullptr;
  Observed<pwStrEdit> *name = nullptr;
  Observed<pwStrEdit> *path = nullptr;
};

using Typing = EditFields;
using Spinning = EditFields;

TEST_F(Typing, RefusedLetterLeavesTextAndCaret) {
  integer->SetRange(0, 9999, 1);
  Prepare(integer, "1234", 2, 2);
  Type(integer, "a");
  EXPECT_STREQ(integer->Text().CStr(), "1234");
  EXPECT_EQ(SelectionOf(integer), (Selection{2, 2}));
  Type(integer, "5");
  EXPECT_STREQ(integer->Text().CStr(), "12534");
  EXPECT_EQ(SelectionOf(integer), (Selection{3, 3}));
}

TEST_F(Typing, PastedTextIsFilteredWholeAndTheCaretFollows) {
  integer->SetRange(0, 99999, 1);
  Prepare(integer, "5", 0, 0);
  Paste(integer, "12a3");
  EXPECT_STREQ(integer->Text().CStr(), "1235");
  EXPECT_EQ(SelectionOf(integer), (Selection{3, 3}));

  Prepare(name, "ab", 1, 1);
  Paste(name, "x/y\\z");
  EXPECT_STREQ(name->Text().CStr(), "axyzb");
  EXPECT_EQ(SelectionOf(name), (Selection{4, 4}));
}

// The program keeps the system's code page: what it cannot hold would be
// stored as '?', which a name may hold, so it is refused on the way in.
TEST_F(Typing, PastedCharactersBeyondTheCodePageAreRefused) {
  Prepare(name, "ab", 1, 1);
  Paste(name, L"x\u540d\u524dy");
  EXPECT_STREQ(name->Text().CStr(), "axyb");
  EXPECT_EQ(SelectionOf(name), (Selection{3, 3}));
  Prepare(path, "", 0, 0);
  Paste(path, L"C:\\\u540d\u524d\\shots");
  EXPECT_STREQ(path->Text().CStr(), "C:\\\\shots");
}

TEST_F(Typing, MinusOnlyFirstAndOnlyForANegativeMinimum) {
  integer->SetRange(0, 100, 1);
  Prepare(integer, "7", 0, 0);
  Type(integer, "-");
  EXPECT_STREQ(integer->Text().CStr(), "7");

  integer->SetRange(-100, 100, 1);
  Type(integer, "-");
  EXPECT_STREQ(integer->Text().CStr(), "-7");
  EXPECT_EQ(SelectionOf(integer), (Selection{1, 1}));
  integer->SetSelection(2, 2);
  Type(integer, "-");
  EXPECT_STREQ(integer->Text().CStr(), "-7");
  EXPECT_EQ(integer->GetValue(), -7);
}

TEST_F(Typing, SecondPointRefusedUntilTheFirstIsDeleted) {
  decimal->SetRange(0.0, 100.0, 0.1, 0);
  Prepare(decimal, "", 0, 0);
  Type(decimal, "1.5.");
  EXPECT_STREQ(decimal->Text().CStr(), "1.5");
  decimal->SetSelection(2, 2);
  PressKey(VK_BACK);
  EXPECT_TRUE(PumpUntil([this] { return std::string(decimal->Text().CStr()) == "15"; }, kSettleMs,
                        dialog->Window()));
  decimal->SetSelection(2, 2);
  Type(decimal, ".");
  EXPECT_STREQ(decimal->Text().CStr(), "15.");
  EXPECT_DOUBLE_EQ(decimal->GetValue(), 15.0);
}

TEST_F(Typing, StringMasksRefuseTheirClasses) {
  Prepare(name, "", 0, 0);
  Type(name, "a/b\\c d!");
  EXPECT_STREQ(name->Text().CStr(), "abc d!");
  Prepare(path, "", 0, 0);
  Type(path, "C:\\x/y");
  EXPECT_STREQ(path->Text().CStr(), "C:\\x/y");
}

void Spin(HWND field, int code) { SendMessageA(field, WM_VSCROLL, MAKEWPARAM(code, 0), 0); }

TEST_F(Spinning, IntegerStepsToMultiplesAndClampsWithoutWriting) {
  integer->SetRange(-100, 100, 5);
  const struct {
    int from, code, expected;
  } kCases[] = {{7, SB_LINEUP, 10},   {7, SB_LINEDOWN, 5}, {-7, SB_LINEUP, -5},
                {10, SB_LINEDOWN, 5}, {3, SB_PAGEUP, 3},   {3, SB_THUMBPOSITION, 3}};
  for (const auto &c : kCases) {
    integer->SetValue(c.from);
    Spin(integer->Window(), c.code);
    EXPECT_EQ(integer->GetValue(), c.expected) << c.from << " code " << c.code;
  }
  EXPECT_EQ(GetFocus(), integer->Window()); // the arrows take the focus

  integer->SetRange(0, 20, 5);
  integer->SetValue(0);
  const int writes = integer->textWrites;
  Spin(integer->Window(), SB_LINEDOWN);
  EXPECT_EQ(integer->textWrites, writes);
  EXPECT_STREQ(integer->Text().CStr(), "0");
  integer->SetValue(18);
  Spin(integer->Window(), SB_LINEUP);
  EXPECT_EQ(integer->GetValue(), 20);

  integer->SetRange(0, 20, 0); // no step: the arrows do nothing
  const int before = integer->textWrites;
  Spin(integer->Window(), SB_LINEUP);
  EXPECT_EQ(integer->textWrites, before);
}

TEST_F(Spinning, DoubleStepsWithinToleranceAndFormats) {
  decimal->SetRange(-10.0, 10.0, 0.1, 1);
  const struct {
    const char *from;
    int code;
    const char *expected;
  } kCases[] = {{"0.3", SB_LINEUP, "0.4"},     {"0.3", SB_LINEDOWN, "0.2"},
                {"0.29999", SB_LINEUP, "0.4"}, {"-0.35", SB_LINEUP, "-0.3"},
                {"2", SB_LINEUP, "2.1"},       {"-10", SB_LINEDOWN, "-10"}};
  for (const auto &c : kCases) {
    decimal->SetText(c.from);
    Spin(decimal->Window(), c.code);
    EXPECT_STREQ(decimal->Text().CStr(), c.expected) << c.from << " code " << c.code;
  }
  decimal->SetValue(2.0);
  EXPECT_STREQ(decimal->Text().CStr(), "2.0");
  decimal->SetRange(0.0, 10.0, 0.5, 3);
  decimal->SetValue(2.0);
  EXPECT_STREQ(decimal->Text().CStr(), "2.000");
  const int writes = decimal->textWrites;
  decimal->SetText("0");
  Spin(decimal->Window(), SB_LINEDOWN);
  EXPECT_EQ(decimal->textWrites, writes + 1); // only the SetText
  decimal->SetText("");
  EXPECT_TRUE(std::isnan(decimal->GetValue())); // not 0.0: the field's check fails it
}

// Longer texts than a number needs, and numbers beyond 32 bits, as typed.
TEST_F(Typing, NumbersReadWhatTheFieldShows) {
  Prepare(decimal, "", 0, 0);
  Type(decimal, "00000000000000000000000000000001.5");
  EXPECT_DOUBLE_EQ(decimal->GetValue(), 1.5);
  Prepare(integer, "", 0, 0);
  Type(integer, "000000000000000000000000000005");
  EXPECT_EQ(integer->GetValue(), 5);
  integer->SetText("4294967301");
  EXPECT_EQ(integer->GetValue(), 2147483647);
}

// The arrows of the field's own scroll bar, pressed with the mouse.
TEST_F(Spinning, ClickedArrowsStepTheField) {
  integer->SetRange(-100, 100, 5);
  integer->SetValue(7);
  SCROLLBARINFO bar = {};
  bar.cbSize = sizeof(bar);
  ASSERT_TRUE(GetScrollBarInfo(integer->Window(), OBJID_VSCROLL, &bar));
  const RECT &r = bar.rcScrollBar;
  ASSERT_GT(r.bottom - r.top, 0) << "the field shows no scroll bar";
  const int arrow = std::min<int>(bar.dxyLineButton, (r.bottom - r.top) / 2);
  const POINT up = {(r.left + r.right) / 2, r.top + arrow / 2};
  const POINT down = {(r.left + r.right) / 2, r.bottom - 1 - arrow / 2};

  ClickAt(up);
  EXPECT_TRUE(PumpUntil([this] { return integer->GetValue() == 10; }, kSettleMs, dialog->Window()));
  EXPECT_EQ(GetFocus(), integer->Window());
  PumpFor(GetDoubleClickTime() + 50, dialog->Window());
  ClickAt(down);
  EXPECT_TRUE(PumpUntil([this] { return integer->GetValue() == 5; }, kSettleMs, dialog->Window()));
  PumpFor(300, dialog->Window());
  EXPECT_EQ(integer->GetValue(), 5); // one step per click, no auto-repeat
}

} // namespace
