#pragma once

#include "foundation/dynarray.h"
#include "pallwork/win32/dialog.h"
#include "pallwork/win32/tabbedsheetdialog.h"
#include "pallwork/win32/tabcontrol.h"

#include <cstdint>

// Layout flags: where the dialog's other controls go when the tab control
// grows to hold the largest sheet, and whether it may shrink.
constexpr std::uint32_t kTabLayoutMoveRight = 1;
constexpr std::uint32_t kTabLayoutMoveHalfRight = 2; // only without kTabLayoutMoveRight
constexpr std::uint32_t kTabLayoutMoveDown = 4;
constexpr std::uint32_t kTabLayoutNeverShrink = 8;

// A dialog showing one of its sheets at a time in a tab control. It sizes
// itself to the largest sheet when it opens, and owns its sheets.
class pwTabbedDialog : public pwDialog {
public:
  pwTabbedDialog(HWND parent, const char *templateName, bool modal, int tabControlId,
                 std::uint32_t layoutFlags);
  ~pwTabbedDialog() override;

  bool OnInitDialog(HWND focus) override;

  // Constructs the sheets and adds each with AddSheet.
  virtual void AddSheets() = 0;
  virtual bool OnInitTabbedDialog(HWND focus);
  virtual void ShowSelectedSheet();
  // Return true to keep the current sheet.
  virtual bool OnSheetChanging();

  // Creates the sheet if needed and adds a tab for it; takes ownership when
  // it succeeds. The tab's index, or a negative value (the sheet not added).
  int AddSheet(const char *title, pwTabbedSheetDialog *sheet);
  void ShowSheet(pwTabbedSheetDialog *sheet);

  std::int32_t SheetCount() const { return sheets_.Count(); }
  pwTabbedSheetDialog *Sheet(std::int32_t index) const { return sheets_[index]; }
  pwTabbedSheetDialog *CurrentSheet() const { return currentSheet_; }
  pwTabbedDialogTabControl &Tabs() { return *tabControl_; }

private:
  DynArray<pwTabbedSheetDialog *> sheets_; // owned
  std::uint32_t layoutFlags_;
  pwTabbedSheetDialog *currentSheet_ = nullptr; // not owned: one of sheets_
  pwTabbedDialogTabControl *tabControl_;        // owned; not auto-deleted
};
