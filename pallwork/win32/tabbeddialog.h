#pragma once

#include "foundation/dynarray.h"
#include "pallwork/tablayout.h"
#include "pallwork/win32/dialog.h"
#include "pallwork/win32/tabbedsheetdialog.h"
#include "pallwork/win32/tabcontrol.h"

#include <cstdint>

// A dialog showing one of its sheets at a time in a tab control. It sizes
// itself to the largest sheet when it opens, and owns its sheets. The help
// key on its own controls opens its topic, on the tab control the selected
// sheet's; each sheet answers for its own controls.
class pwTabbedDialog : public pwDialog {
public:
  pwTabbedDialog(HWND parent, const char *templateName, bool modal, int tabControlId,
                 std::uint32_t layoutFlags);
  ~pwTabbedDialog() override;

  bool OnInitDialog(HWND focus) override;
  // Ctrl+Tab on a control without an object of its own.
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  void OnHelp(int controlId) override;

  // The help file (a literal, not copied) and the dialog's own topic.
  void SetHelp(const char *fileName, std::uint32_t context);
  // Opens a topic, or the contents, of the dialog's help file for this dialog.
  void ShowHelpTopic(std::uint32_t context);
  void ShowHelpContents();

  // Constructs the sheets, in tab order, and adds each with AddSheet.
  virtual void AddSheets() = 0;
  virtual bool OnInitTabbedDialog(HWND focus);
  virtual void ShowSelectedSheet();
  // Return true to keep the current sheet.
  virtual bool OnSheetChanging();

  // Creates the sheet if needed and adds a tab for it; takes ownership when
  // it succeeds. The tab's index, or a negative value (the sheet not added).
  int AddSheet(pwTabbedSheetDialog *sheet);
  void ShowSheet(pwTabbedSheetDialog *sheet);

  std::int32_t SheetCount() const { return sheets_.Count(); }
  pwTabbedSheetDialog *Sheet(std::int32_t index) const { return sheets_[index]; }
  pwTabbedSheetDialog *CurrentSheet() const { return currentSheet_; }
  pwTabbedDialogTabControl &Tabs() { return *tabControl_; }

private:
  pwTabLayout PlanLayout();
  void ApplyLayout(const pwTabLayout &layout);
  void MoveOtherControls(int dx, int dy);
  void PlaceSheets();

  DynArray<pwTabbedSheetDialog *> sheets_; // owned
  std::uint32_t layoutFlags_;
  int tabControlId_;
  const char *helpFile_ = nullptr; // not owned
  std::uint32_t helpContext_ = 0;
  pwTabbedSheetDialog *currentSheet_ = nullptr; // not owned: one of sheets_
  pwTabbedDialogTabControl *tabControl_;        // owned; not auto-deleted
};
