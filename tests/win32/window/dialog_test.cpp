#include "pallwork/win32/dialog.h"

#include "tests/win32/support/dialoginspector.h"
#include "tests/win32/support/testcontrol.h"
#include "tests/win32/support/testdialog.h"
#include "tests/win32/window/dialogids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const char *const kControls = MAKEINTRESOURCEA(IDD_CONTROLS);
const char *const kOwnerDrawn = MAKEINTRESOURCEA(IDD_OWNERDRAWN);
constexpr INT_PTR kEndCode = 42;

class DialogTest : public ::testing::Test {
protected:
  void SetUp() override { TestControl::deletions = 0; }
};

using ModalDialog = DialogTest;
using PendingControls = DialogTest;
using DialogRouting = DialogTest;
using OwnerDrawRouting = DialogTest;

TEST_F(ModalDialog, ExecuteReturnsTheEndCodeAndClearsTheWindow) {
  TestDialog dialog(kControls, true);
  HWND during = nullptr;
  dialog.SetScript([&](TestDialog &self) {
    during = self.Window();
    EXPECT_EQ(reinterpret_cast<pwDialog *>(GetWindowLongPtrA(self.Window(), DWLP_USER)), &self);
    return kEndCode;
  });
  EXPECT_EQ(dialog.Execute(), kEndCode);
  EXPECT_NE(during, nullptr);
  EXPECT_EQ(dialog.initCount, 1);
  EXPECT_EQ(dialog.destroyCount, 1);
  EXPECT_EQ(dialog.Window(), nullptr);
}

TEST_F(ModalDialog, NamedTemplateIsCopiedAndMissingTemplateFails) {
  char name[32];
  std::strcpy(name, IDD_NAMED_NAME);
  TestDialog named(name, true);
  std::strcpy(name, "NOSUCHDIALOG"); // the dialog keeps its own copy
  named.SetScript([](TestDialog &) { return INT_PTR{7}; });
  EXPECT_EQ(named.Execute(), 7);

  TestDialog missing("NOSUCHDIALOG", true);
  EXPECT_EQ(missing.Execute(), -1);
  EXPECT_EQ(missing.initCount, 0);
}

TEST_F(PendingControls, AttachAtInitDialogAndGoWithTheWindow) {
  auto *dialog = new TestDialog(kControls, true);
  auto *edit = new TestControl(dialog, IDC_EDIT, true);
  auto *first = new TestControl(dialog, IDC_FIRST, true);
  auto *list = new TestControl(dialog, IDC_LIST, false); // owner deletes it
  auto *missing = new TestControl(dialog, IDC_MISSING, true);
  EXPECT_EQ(pwDialogInspector::PendingControls(*dialog), 4);
  EXPECT_EQ(edit->Window(), nullptr);

  dialog->SetScript([&](TestDialog &self) {
    for (TestControl *control : {edit, first, list}) {
      EXPECT_TRUE(control->IsAttached());
      EXPECT_EQ(control->Window(), self.Item(control->ControlId()));
      EXPECT_EQ(pwDialogInspector::MappedControl(self, control->Window()), control);
    }
    // Subclassed: the control's own messages reach the object first.
    EXPECT_EQ(SendMessageA(edit->Window(), TestControl::kProbe, 0, 0), TestControl::kProbeAnswer);
    EXPECT_EQ(edit->probes, 1);
    EXPECT_FALSE(missing->IsAttached());
    EXPECT_EQ(missing->Window(), nullptr);
    EXPECT_EQ(pwDialogInspector::PendingControls(self), 1);
    return kEndCode;
  });
  EXPECT_EQ(dialog->Execute(), kEndCode);

  EXPECT_EQ(TestControl::deletions, 2); // edit and first, with their windows
  EXPECT_FALSE(list->IsAttached());
  EXPECT_EQ(list->Window(), nullptr);
  delete list;
  EXPECT_EQ(TestControl::deletions, 3);
  delete dialog; // still holds the never-attached auto-delete control
  EXPECT_EQ(TestControl::deletions, 4);
}

TEST_F(PendingControls, DetachRestoresTheControlsOwnProcedure) {
  TestDialog dialog(kControls, true);
  auto *edit = new TestControl(&dialog, IDC_EDIT, true);
  dialog.SetScript([&](TestDialog &self) {
    HWND window = edit->Window();
    edit->Detach();
    EXPECT_EQ(pwDialogInspector::MappedControl(self, window), nullptr);
    EXPECT_EQ(SendMessageA(window, TestControl::kProbe, 0, 0), 0);
    EXPECT_EQ(edit->probes, 0);
    edit->Attach();
    EXPECT_EQ(SendMessageA(window, TestControl::kProbe, 0, 0), TestControl::kProbeAnswer);
    return kEndCode;
  });
  EXPECT_EQ(dialog.Execute(), kEndCode);
  EXPECT_EQ(TestControl::deletions, 1);
}

TEST_F(PendingControls, ControlMadeOnAnOpenDialogAttachesAtOnce) {
  TestDialog dialog(kControls, true);
  dialog.SetScript([](TestDialog &self) {
    auto *second = new TestControl(&self, IDC_SECOND, true);
    EXPECT_TRUE(second->IsAttached());
    EXPECT_EQ(pwDialogInspector::PendingControls(self), 0);
    return kEndCode;
  });
  EXPECT_EQ(dialog.Execute(), kEndCode);
  EXPECT_EQ(TestControl::deletions, 1);
}

TEST_F(PendingControls, DeletingAnOpenModelessDialogDeletesItsControls) {
  auto *dialog = new TestDialog(kControls, false);
  new TestControl(dialog, IDC_EDIT, true);
  new TestControl(dialog, IDC_FIRST, true);
  EXPECT_EQ(dialog->Execute(), 0);
  HWND window = dialog->Window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(pwDialogInspector::PendingControls(*dialog), 0);
  delete dialog;
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(TestControl::deletions, 2);
}

TEST_F(DialogRouting, ControlDecidesWhetherTheDialogSeesItsCommand) {
  for (bool consume : {false, true}) {
    TestDialog dialog(kControls, true);
    TestControl first(&dialog, IDC_FIRST, false);
    first.consumeCommands = consume;
    dialog.SetScript([&](TestDialog &self) {
      SendMessageA(self.Item(IDC_FIRST), BM_CLICK, 0, 0);
      SendMessageA(self.Item(IDC_SECOND), BM_CLICK, 0, 0); // no object: straight through
      return kEndCode;
    });
    EXPECT_EQ(dialog.Execute(), kEndCode);
    EXPECT_EQ(first.commandCodes, std::vector<int>{BN_CLICKED});
    std::vector<int> expected = {IDC_FIRST, IDC_SECOND};
    if (consume)
      expected = {IDC_SECOND};
    EXPECT_EQ(dialog.clickIds, expected) << "consume " << consume;
  }
}

TEST_F(DialogRouting, ControlDecidesWhetherTheDialogSeesItsNotification) {
  constexpr UINT kCode = 1234;
  for (bool consume : {false, true}) {
    TestDialog dialog(kControls, true);
    TestControl edit(&dialog, IDC_EDIT, false);
    edit.consumeNotifies = consume;
    edit.notifyResult = 77;
    LRESULT answer = -1;
    dialog.SetScript([&](TestDialog &self) {
      NMHDR header = {self.Item(IDC_EDIT), IDC_EDIT, kCode};
      answer = SendMessageA(self.Window(), WM_NOTIFY, IDC_EDIT, reinterpret_cast<LPARAM>(&header));
      return kEndCode;
    });
    EXPECT_EQ(dialog.Execute(), kEndCode);
    EXPECT_EQ(edit.notifies, 1);
    if (consume) {
      EXPECT_TRUE(dialog.notifyCodes.empty());
      EXPECT_EQ(answer, 77); // through DWLP_MSGRESULT
    } else {
      EXPECT_EQ(dialog.notifyCodes, std::vector<UINT>{kCode});
      EXPECT_EQ(answer, 0);
    }
  }
}

TEST_F(DialogRouting, ScrollReachesTheScrollBarsObject) {
  TestDialog dialog(kControls, true);
  TestControl scroll(&dialog, IDC_SCROLL, false);
  dialog.SetScript([](TestDialog &self) {
    SendMessageA(self.Window(), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0),
                 reinterpret_cast<LPARAM>(self.Item(IDC_SCROLL)));
    return kEndCode;
  });
  EXPECT_EQ(dialog.Execute(), kEndCode);
  EXPECT_EQ(scroll.scrollCodes, std::vector<int>{SB_LINEDOWN});
  EXPECT_EQ(scroll.lastScrollMessage, static_cast<UINT>(WM_VSCROLL));
}

TEST_F(DialogRouting, ColourBrushIsReturnedDirectly) {
  TestDialog dialog(kControls, true);
  dialog.colourBrush = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  LRESULT answer = 0;
  dialog.SetScript([&](TestDialog &self) {
    HWND edit = self.Item(IDC_EDIT);
    HDC dc = GetDC(edit);
    answer = SendMessageA(self.Window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(edit));
    ReleaseDC(edit, dc);
    return kEndCode;
  });
  EXPECT_EQ(dialog.Execute(), kEndCode);
  EXPECT_EQ(answer, reinterpret_cast<LRESULT>(dialog.colourBrush));
  EXPECT_NE(std::find(dialog.colouredIds.begin(), dialog.colouredIds.end(), IDC_EDIT),
            dialog.colouredIds.end());
}

TEST_F(OwnerDrawRouting, MeasureItemBeforeInitDialogReachesThePendingControl) {
  constexpr UINT kHeight = 23;
  TestDialog dialog(kOwnerDrawn, true);
  TestControl list(&dialog, IDC_OWNERDRAWN_LIST, false);
  list.measuredHeight = kHeight;
  HWND dialogWindow = nullptr;
  LRESULT itemHeight = 0;
  dialog.SetScript([&](TestDialog &self) {
    dialogWindow = self.Window();
    itemHeight = SendMessageA(self.Item(IDC_OWNERDRAWN_LIST), LB_GETITEMHEIGHT, 0, 0);
    return kEndCode;
  });
  EXPECT_EQ(dialog.Execute(), kEndCode);
  EXPECT_GE(list.measures, 1);
  EXPECT_FALSE(list.attachedWhenMeasured); // still pending: before WM_INITDIALOG
  EXPECT_EQ(list.dialogWindowWhenMeasured, dialogWindow);
  EXPECT_EQ(itemHeight, static_cast<LRESULT>(kHeight));
  EXPECT_TRUE(dialog.dialogMeasuredIds.empty());
}

TEST_F(OwnerDrawRouting, UnhandledMeasurementFallsToTheDialog) {
  TestDialog dialog(kOwnerDrawn, true);
  TestControl list(&dialog, IDC_OWNERDRAWN_LIST, false);
  EXPECT_EQ(dialog.Execute(), IDOK);
  EXPECT_GE(list.measures, 1);
  ASSERT_FALSE(dialog.dialogMeasuredIds.empty());
  EXPECT_EQ(dialog.dialogMeasuredIds[0], IDC_OWNERDRAWN_LIST);
}

TEST_F(OwnerDrawRouting, DrawItemGoesToTheControlFirst) {
  for (bool controlDraws : {true, false}) {
    TestDialog dialog(kOwnerDrawn, true);
    TestControl list(&dialog, IDC_OWNERDRAWN_LIST, false);
    list.handleDraw = controlDraws;
    int draws = 0;
    dialog.SetScript([&](TestDialog &self) {
      ShowWindow(self.Window(), SW_SHOW); // a modal dialog shows itself only once idle
      HWND box = self.Item(IDC_OWNERDRAWN_LIST);
      SendMessageA(box, LB_ADDSTRING, 0, 11);
      SendMessageA(box, LB_ADDSTRING, 0, 12);
      InvalidateRect(box, nullptr, TRUE);
      UpdateWindow(box);
      draws = list.draws;
      return kEndCode;
    });
    EXPECT_EQ(dialog.Execute(), kEndCode);
    EXPECT_GE(draws, 2);
    EXPECT_EQ(dialog.dialogDrawnIds.empty(), controlDraws);
  }
}

TEST_F(OwnerDrawRouting, CharToItemGoesToTheControlFirstAndAnswersMinusOne) {
  for (bool controlHandles : {true, false}) {
    TestDialog dialog(kOwnerDrawn, true);
    TestControl list(&dialog, IDC_OWNERDRAWN_LIST, false);
    list.handleChars = controlHandles;
    LRESULT direct = 0;
    dialog.SetScript([&](TestDialog &self) {
      HWND box = self.Item(IDC_OWNERDRAWN_LIST);
      for (LPARAM item = 0; item < 3; ++item)
        SendMessageA(box, LB_ADDSTRING, 0, item);
      SendMessageA(box, LB_SETCARETINDEX, 1, FALSE);
      SendMessageA(box, WM_CHAR, 'x', 0); // the list box asks its dialog
      direct = SendMessageA(self.Window(), WM_CHARTOITEM, MAKEWPARAM('q', 2),
                            reinterpret_cast<LPARAM>(box));
      return kEndCode;
    });
    EXPECT_EQ(dialog.Execute(), kEndCode);
    EXPECT_EQ(list.characters, (std::vector<int>{'x', 'q'}));
    if (controlHandles) {
      EXPECT_EQ(direct, -1);
      EXPECT_TRUE(dialog.dialogCharacters.empty());
    } else {
      EXPECT_EQ(dialog.dialogCharacters, (std::vector<int>{'x', 'q'}));
    }
    EXPECT_EQ(list.lastCaretIndex, 2);
  }
}

} // namespace
