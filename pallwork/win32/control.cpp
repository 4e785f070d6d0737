#include "pallwork/win32/control.h"

#include "pallwork/win32/controlmap.h"
#include "pallwork/win32/dialog.h"
#include "pallwork/win32/tabswitch.h"

#include <cassert>

namespace {

bool IsKeyMessage(UINT message) {
  switch (message) {
  case WM_KEYDOWN:
  case WM_KEYUP:
  case WM_CHAR:
  case WM_SYSKEYDOWN:
  case WM_SYSKEYUP:
    return true;
  default:
    return false;
  }
}

bool IsKeyHeld(int virtualKey) { return GetKeyState(virtualKey) < 0; }

// The dialog whose controls Tab walks: a sheet is a dialog inside another
// (a child with WS_EX_CONTROLPARENT), and Tab leaves it for the controls
// around it, as the dialog manager's own Tab does.
HWND OutermostDialog(HWND dialog) {
  HWND window = dialog;
  while ((GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0 &&
         (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0 &&
         GetParent(window) != nullptr)
    window = GetParent(window);
  return window;
}

} // namespace

pwControl::pwControl(pwDialog *dialog, int controlId, bool autoDelete)
    : dialog_(dialog), controlId_(controlId), autoDelete_(autoDelete) {
  assert(dialog != nullptr);
  if (dialog_->Window() != nullptr)
    Attach();
  else
    dialog_->AddPendingControl(this);
}

pwControl::~pwControl() {
  if (IsAttached())
    Detach();
  else
    dialog_->ForgetPendingControl(this);
  // The window belongs to the dialog; the base destructor must not destroy it.
  window_ = nullptr;
}

void pwControl::Attach() {
  if (IsAttached())
    return;
  window_ = GetDlgItem(dialog_->Window(), controlId_);
  if (window_ == nullptr)
    return;
  // In the process-wide map before the procedure changes, so the first
  // subclassed message finds its object.
  pwControlWindowMap().Insert(window_, this);
  previousProcedure_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProcedure)));
  dialog_->EnterControl(window_, this);
}

void pwControl::Detach() {
  if (!IsAttached())
    return;
  dialog_->RemoveControl(window_);
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProcedure_));
  previousProcedure_ = nullptr;
  pwControlWindowMap().Remove(window_);
}

void pwControl::OnDestroy() {
  Detach();
  window_ = nullptr;
  if (autoDelete_)
    delete this;
}

LRESULT CALLBACK pwControl::ControlProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  pwControl *object = nullptr;
  if (!pwControlWindowMap().Find(window, object))
    return DefWindowProcA(window, message, wParam, lParam);
  // Kept aside: OnDestroy detaches and may delete the object.
  WNDPROC previous = object->previousProcedure_;
  if (message == WM_DESTROY) {
    object->OnDestroy();
    return CallWindowProcA(previous, window, message, wParam, lParam);
  }
  LRESULT result = 0;
  if (object->HandleMessage(message, wParam, lParam, result))
    return result;
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

LRESULT pwControl::CallPreviousProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
  assert(IsAttached());
  return CallWindowProcA(previousProcedure_, window_, message, wParam, lParam);
}

bool pwControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  result = 0;
  if (dialog_->TabControl() != nullptr && HandleTabKey(message, wParam, lParam, result))
    return true;
  if (IsKeyMessage(message) && dialog_->OnControlKey(this, message, wParam, lParam)) {
    result = 0;
    return true;
  }
  // The control's own procedure still sees them: a combo box closes its list
  // when it loses the focus, a button presses under the mouse.
  DispatchFocusAndMouse(message, wParam, lParam);
  return false;
}

// In a tabbed dialog the control takes Tab itself, so that Ctrl+Tab reaches
// the tab control.
bool pwControl::HandleTabKey(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  if (message == WM_GETDLGCODE) {
    result = CallPreviousProcedure(message, wParam, lParam) | DLGC_WANTTAB;
    return true;
  }
  if (wParam != VK_TAB)
    return false;
  if (message == WM_KEYDOWN) {
    const bool backwards = IsKeyHeld(VK_SHIFT);
    if (!IsKeyHeld(VK_CONTROL))
      SendMessageA(OutermostDialog(dialog_->Window()), WM_NEXTDLGCTL, backwards ? 1 : 0, 0);
    else if (backwards)
      dialog_->TabControl()->Previous();
    else
      dialog_->TabControl()->Next();
    result = 0;
    return true;
  }
  return message == WM_KEYUP || message == WM_CHAR;
}

bool pwControl::MeasureItem(pwDialog *, MEASUREITEMSTRUCT *) { return false; }
bool pwControl::DrawItem(DRAWITEMSTRUCT *) { return false; }
bool pwControl::CharToItem(int, int) { return false; }
bool pwControl::OnCommandNotify(int) { return true; }
bool pwControl::OnNotify(NMHDR *, LRESULT &) { return true; }
void pwControl::OnScroll(UINT, int, int) {}
