#include "pallwork/win32/tabbeddialog.h"

#include "pallwork/helpviewer.h"

#include <commctrl.h>

namespace {

constexpr std::int32_t kSheetsGrowth = 8;
constexpr UINT kResizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
constexpr UINT kMoveOnly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;

pwTabSize WindowSize(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT *>(&rect), 2);
  return rect;
}

bool IsKeyHeld(int virtualKey) { return GetKeyState(virtualKey) < 0; }

bool IsFocusInside(HWND window) {
  HWND focus = GetFocus();
  return window != nullptr && focus != nullptr && (focus == window || IsChild(window, focus));
}

HWND FirstEnabledTabStop(HWND sheet) {
  for (HWND child = GetWindow(sheet, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
    if ((style & WS_TABSTOP) != 0 && IsWindowEnabled(child))
      return child;
  }
  return nullptr;
}

} // namespace

pwTabbedDialog::pwTabbedDialog(HWND parent, const char *templateName, bool modal, int tabControlId,
                               std::uint32_t layoutFlags)
    : pwDialog(parent, templateName, modal), sheets_(kSheetsGrowth), layoutFlags_(layoutFlags),
      tabControlId_(tabControlId) {
  INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_TAB_CLASSES};
  InitCommonControlsEx(&classes);
  tabControl_ = new pwTabbedDialogTabControl(this, tabControlId);
  SetTabControl(tabControl_);
}

// The tab control goes first and no control is left pointing at it, so
// whatever a sheet's window still sends on its way out finds no tab switch.
pwTabbedDialog::~pwTabbedDialog() {
  SetTabControl(nullptr);
  for (std::int32_t i = 0; i < sheets_.Count(); ++i)
    sheets_[i]->SetTabControl(nullptr);
  delete tabControl_;
  tabControl_ = nullptr;
  while (sheets_.Count() > 0)
    delete sheets_.RemoveAt(0);
}

int pwTabbedDialog::AddSheet(pwTabbedSheetDialog *sheet) {
  if (sheet->Window() == nullptr)
    sheet->Execute();
  ShowWindow(sheet->Window(), SW_HIDE);
  const int index = tabControl_->InsertTab(tabControl_->Count(), sheet->Title());
  if (index < 0)
    return index;
  // Directly behind the tab control, or behind the sheet before it: the
  // z-order is the order Tab walks.
  HWND after =
      sheets_.Count() == 0 ? tabControl_->Window() : sheets_[sheets_.Count() - 1]->Window();
  sheets_.Add(sheet);
  sheet->SetTabControl(tabControl_);
  SetWindowPos(sheet->Window(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return index;
}

bool pwTabbedDialog::OnInitDialog(HWND focus) {
  AddSheets();
  ApplyLayout(PlanLayout());
  PlaceSheets();
  ShowSelectedSheet();
  return OnInitTabbedDialog(focus);
}

// Control objects take Ctrl+Tab themselves. On any other control the dialog
// manager takes Tab for a move to the next control, Ctrl or not, and asks
// this dialog for it; with Ctrl held that move becomes a switch of tabs.
bool pwTabbedDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  if (message == WM_NEXTDLGCTL && lParam == 0 && tabControl_ != nullptr && IsKeyHeld(VK_TAB) &&
      IsKeyHeld(VK_CONTROL)) {
    if (wParam != 0)
      tabControl_->Previous();
    else
      tabControl_->Next();
    result = 0;
    return true;
  }
  return pwDialog::HandleMessage(message, wParam, lParam, result);
}

pwTabLayout pwTabbedDialog::PlanLayout() {
  DynArray<pwTabSize> sizes(kSheetsGrowth);
  for (std::int32_t i = 0; i < sheets_.Count(); ++i)
    sizes.Add(WindowSize(sheets_[i]->Window()));
  const pwTabSize display = LargestSheet(sizes.Count() > 0 ? &sizes[0] : nullptr, sizes.Count());
  RECT needed = {0, 0, display.width, display.height};
  TabCtrl_AdjustRect(tabControl_->Window(), TRUE, &needed);
  const pwTabSize neededSize = {needed.right - needed.left, needed.bottom - needed.top};
  return PlanTabLayout(neededSize, WindowSize(tabControl_->Window()), layoutFlags_);
}

void pwTabbedDialog::ApplyLayout(const pwTabLayout &layout) {
  const pwTabSize dialog = WindowSize(window_);
  SetWindowPos(window_, nullptr, 0, 0, dialog.width + layout.growth.width,
               dialog.height + layout.growth.height, kResizeOnly);
  SetWindowPos(tabControl_->Window(), nullptr, 0, 0, layout.tabControl.width,
               layout.tabControl.height, kResizeOnly);
  if ((layoutFlags_ & (kTabLayoutMoveRight | kTabLayoutMoveHalfRight | kTabLayoutMoveDown)) != 0)
    MoveOtherControls(layout.moveX, layout.moveY);
}

// Direct children only: the sheets' own controls move with their sheets.
void pwTabbedDialog::MoveOtherControls(int dx, int dy) {
  for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (child == tabControl_->Window())
      continue;
    const RECT rect = RectInParent(child);
    SetWindowPos(child, nullptr, rect.left + dx, rect.top + dy, 0, 0, kMoveOnly);
  }
}

void pwTabbedDialog::PlaceSheets() {
  RECT display = RectInParent(tabControl_->Window());
  TabCtrl_AdjustRect(tabControl_->Window(), FALSE, &display);
  for (std::int32_t i = 0; i < sheets_.Count(); ++i)
    SetWindowPos(sheets_[i]->Window(), nullptr, display.left, display.top, 0, 0, kMoveOnly);
}

void pwTabbedDialog::ShowSelectedSheet() {
  const int selected = tabControl_->CurrentSelection();
  if (tabControl_->Count() <= 0 || selected < 0 || selected >= sheets_.Count())
    return;
  pwTabbedSheetDialog *sheet = sheets_[selected];
  if (sheet == currentSheet_)
    return;
  const bool focusInOld = currentSheet_ != nullptr && IsFocusInside(currentSheet_->Window());
  ShowWindow(sheet->Window(), SW_SHOWNOACTIVATE);
  if (currentSheet_ != nullptr)
    ShowWindow(currentSheet_->Window(), SW_HIDE);
  currentSheet_ = sheet;
  HWND firstTabStop = FirstEnabledTabStop(sheet->Window());
  switch (DecideSheetFocus(focusInOld, firstTabStop != nullptr)) {
  case pwSheetFocus::FirstTabStop:
    // The dialog's own focus record goes to the sheet, the sheet's to its
    // control, so both dialog managers restore the same control later.
    FocusControl(sheet->Window());
    sheet->FocusControl(firstTabStop);
    break;
  case pwSheetFocus::TabControl:
    FocusControl(tabControl_->Window());
    break;
  case pwSheetFocus::Stay:
    break;
  }
}

void pwTabbedDialog::ShowSheet(pwTabbedSheetDialog *sheet) {
  const int tabs = tabControl_->Count();
  for (int i = 0; i < tabs && i < sheets_.Count(); ++i) {
    if (sheets_[i] == sheet) {
      tabControl_->Select(i);
      return;
    }
  }
}

void pwTabbedDialog::SetHelp(const char *fileName, std::uint32_t context) {
  helpFile_ = fileName;
  helpContext_ = context;
}

void pwTabbedDialog::ShowHelpTopic(std::uint32_t context) {
  if (helpFile_ != nullptr)
    CurrentHelpViewer().ShowTopic(window_, helpFile_, context);
}

void pwTabbedDialog::ShowHelpContents() {
  if (helpFile_ != nullptr)
    CurrentHelpViewer().ShowContents(window_, helpFile_);
}

void pwTabbedDialog::OnHelp(int controlId) {
  const int selected = tabControl_->CurrentSelection();
  const std::uint32_t sheetContext =
      selected >= 0 && selected < sheets_.Count() ? sheets_[selected]->HelpContext() : 0;
  ShowHelpTopic(TabbedDialogHelpContext(controlId == tabControlId_, sheetContext, helpContext_));
}

bool pwTabbedDialog::OnInitTabbedDialog(HWND) { return true; }
bool pwTabbedDialog::OnSheetChanging() { return false; }
