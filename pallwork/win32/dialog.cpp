#include "pallwork/win32/dialog.h"

#include "pallwork/win32/control.h"

#include <cstdint>

namespace {

constexpr std::int32_t kPendingControlsGrowth = 8;

// Set by Execute until WM_INITDIALOG, so that the owner-draw measurements the
// dialog manager asks for while it creates the controls find their object.
pwDialog *dialogBeingCreated = nullptr;

bool IsIntegerResource(const char *name) {
  return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0;
}

// These messages return their result from the dialog procedure itself rather
// than through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
  return message == WM_CHARTOITEM || message == WM_VKEYTOITEM || message == WM_INITDIALOG ||
         (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

bool IsControlColourMessage(UINT message) {
  switch (message) {
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORLISTBOX:
  case WM_CTLCOLORBTN:
  case WM_CTLCOLORSCROLLBAR:
  case WM_CTLCOLORSTATIC:
    return true;
  default:
    return false;
  }
}

} // namespace

pwDialog::pwDialog(HWND parent, const char *templateName, bool modal)
    : parent_(parent), modal_(modal), controlMap_(kDialogControlBuckets, HashHandle<HWND>),
      pendingControls_(kPendingControlsGrowth) {
  if (IsIntegerResource(templateName))
    templateId_ = templateName;
  else
    templateName_ = templateName;
}

pwDialog::~pwDialog() {
  // While the control map still exists: destroying the window detaches (and
  // may delete) the controls, which takes them out of it.
  if (window_ != nullptr)
    DestroyWindow(window_);
  while (pendingControls_.Count() > 0) {
    pwControl *control = pendingControls_.RemoveAt(pendingControls_.Count() - 1);
    if (control->AutoDelete())
      delete control;
  }
}

const char *pwDialog::TemplateArgument() const {
  return templateId_ != nullptr ? templateId_ : templateName_.CStr();
}

INT_PTR pwDialog::Execute() {
  dialogBeingCreated = this;
  HINSTANCE module = GetModuleHandleA(nullptr);
  const LPARAM self = reinterpret_cast<LPARAM>(this);
  INT_PTR result = 0;
  if (modal_)
    result = DialogBoxParamA(module, TemplateArgument(), parent_, DialogProcedure, self);
  else
    CreateDialogParamA(module, TemplateArgument(), parent_, DialogProcedure, self);
  // Still set only when the dialog never reached WM_INITDIALOG; do not keep
  // a pointer to an object that may go away.
  if (dialogBeingCreated == this)
    dialogBeingCreated = nullptr;
  return result;
}

INT_PTR CALLBACK pwDialog::DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    dialogBeingCreated = nullptr;
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    reinterpret_cast<pwDialog *>(lParam)->window_ = window;
  }
  auto *object = reinterpret_cast<pwDialog *>(GetWindowLongPtrA(window, DWLP_USER));
  if (object == nullptr)
    return ServeBeforeInitDialog(window, message, wParam, lParam);
  if (message == WM_DESTROY) {
    object->window_ = nullptr;
    object->OnDestroy();
    return TRUE;
  }
  LRESULT result = 0;
  if (!object->HandleMessage(message, wParam, lParam, result))
    return FALSE;
  if (ReturnsResultDirectly(message))
    return static_cast<INT_PTR>(result);
  SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
  return TRUE;
}

// Owner-drawn list boxes and combo boxes are measured while the dialog
// manager creates them, before the dialog knows its object.
INT_PTR pwDialog::ServeBeforeInitDialog(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_MEASUREITEM || dialogBeingCreated == nullptr)
    return FALSE;
  dialogBeingCreated->window_ = window;
  LRESULT result = 0;
  return dialogBeingCreated->HandleMessage(message, wParam, lParam, result) ? TRUE : FALSE;
}

bool pwDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  result = 0;
  if (IsControlColourMessage(message))
    return RouteCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), result);
  switch (message) {
  case WM_INITDIALOG:
    AttachPendingControls();
    result = OnInitDialog(reinterpret_cast<HWND>(wParam)) ? TRUE : FALSE;
    return true;
  case WM_COMMAND:
    return RouteCommand(wParam, lParam);
  case WM_NOTIFY:
    return RouteNotify(reinterpret_cast<NMHDR *>(lParam), result);
  case WM_DRAWITEM:
    return RouteDrawItem(reinterpret_cast<DRAWITEMSTRUCT *>(lParam));
  case WM_MEASUREITEM:
    return RouteMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT *>(lParam));
  case WM_CHARTOITEM:
    return RouteCharToItem(wParam, reinterpret_cast<HWND>(lParam), result);
  case WM_VKEYTOITEM:
    // Unanswered, the dialog manager answers 0, which a list box that wants
    // keyboard input takes as "go to item 0" on every key; -1 lets the list
    // move its selection as usual.
    result = -1;
    return true;
  case WM_HSCROLL:
  case WM_VSCROLL:
    RouteScroll(message, wParam, lParam);
    break;
  default:
    break;
  }
  // Reported unhandled: the dialog manager restores the focus to the control
  // that had it when the dialog is activated again.
  if (DispatchFocusAndMouse(message, wParam, lParam))
    return false;
  return pwWindow::HandleMessage(message, wParam, lParam, result);
}

// From the end of the list. A control whose id is not in the template stays
// pending, so the destructor still deletes it.
void pwDialog::AttachPendingControls() {
  for (std::int32_t i = pendingControls_.Count() - 1; i >= 0; --i) {
    pwControl *control = pendingControls_[i];
    control->Attach();
    if (control->Window() != nullptr)
      pendingControls_.RemoveAt(i);
  }
}

bool pwDialog::RouteCommand(WPARAM wParam, LPARAM lParam) {
  const int notifyCode = HIWORD(wParam);
  HWND sender = reinterpret_cast<HWND>(lParam);
  pwControl *control = sender != nullptr ? FindControl(sender) : nullptr;
  if (control != nullptr && !control->OnCommandNotify(notifyCode))
    return true;
  return OnCommand(notifyCode, LOWORD(wParam), sender);
}

bool pwDialog::RouteNotify(NMHDR *header, LRESULT &result) {
  pwControl *control = FindControl(header->hwndFrom);
  if (control != nullptr && !control->OnNotify(header, result))
    return true;
  return OnNotify(header, result);
}

bool pwDialog::RouteDrawItem(DRAWITEMSTRUCT *record) {
  const int controlId = static_cast<int>(record->CtlID);
  pwControl *control = FindControlById(controlId);
  if (control != nullptr && control->DrawItem(record))
    return true;
  return OnDrawItem(controlId, record);
}

bool pwDialog::RouteMeasureItem(MEASUREITEMSTRUCT *record) {
  const int controlId = static_cast<int>(record->CtlID);
  pwControl *control = FindControlById(controlId);
  if (control == nullptr)
    control = FindPendingControl(controlId);
  if (control != nullptr && control->MeasureItem(this, record))
    return true;
  return OnMeasureItem(controlId, record);
}

// -1 tells the list box that the selection has been dealt with.
bool pwDialog::RouteCharToItem(WPARAM wParam, HWND listBox, LRESULT &result) {
  const int character = LOWORD(wParam);
  const int caretIndex = HIWORD(wParam);
  pwControl *control = FindControl(listBox);
  const bool handled = (control != nullptr && control->CharToItem(character, caretIndex)) ||
                       OnCharToItem(character, caretIndex, listBox);
  if (handled)
    result = -1;
  return handled;
}

void pwDialog::RouteScroll(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND sender = reinterpret_cast<HWND>(lParam);
  pwControl *control = sender != nullptr ? FindControl(sender) : nullptr;
  if (control != nullptr)
    control->OnScroll(message, LOWORD(wParam), static_cast<std::int16_t>(HIWORD(wParam)));
}

bool pwDialog::RouteCtlColor(HDC dc, HWND control, LRESULT &result) {
  HBRUSH brush = OnCtlColor(dc, control, GetDlgCtrlID(control));
  result = reinterpret_cast<LRESULT>(brush);
  return brush != nullptr;
}

bool pwDialog::OnInitDialog(HWND) { return true; }
bool pwDialog::OnNotify(NMHDR *, LRESULT &) { return false; }
HBRUSH pwDialog::OnCtlColor(HDC, HWND, int) { return nullptr; }
bool pwDialog::OnMeasureItem(int, MEASUREITEMSTRUCT *) { return false; }
bool pwDialog::OnDrawItem(int, DRAWITEMSTRUCT *) { return false; }
bool pwDialog::OnCharToItem(int, int, HWND) { return false; }
void pwDialog::OnHelp(int) {}

bool pwDialog::OnControlKey(pwControl *control, UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_KEYDOWN || static_cast<std::int32_t>(wParam) != helpKey_)
    return false;
  OnHelp(GetDlgCtrlID(control->Window()));
  return true;
}

// The small icon is loaded at its own size, so the caption shows the image
// drawn for that size rather than the large one shrunk. Shared icons are
// the system's to free.
void pwDialog::SetIcon(int iconId) {
  const HINSTANCE module = GetModuleHandleA(nullptr);
  const HICON bigIcon = LoadIconA(module, MAKEINTRESOURCEA(iconId));
  const HICON smallIcon = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(iconId),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  if (bigIcon != nullptr)
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
  if (smallIcon != nullptr)
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

void pwDialog::EnableControl(int controlId, bool enable) {
  HWND control = GetDlgItem(window_, controlId);
  if (control == nullptr)
    return;
  HWND focus = GetFocus();
  // A combo box keeps the focus in its edit child.
  const bool hasFocus = focus != nullptr && (focus == control || IsChild(control, focus));
  if (!enable && hasFocus)
    SendMessageA(window_, WM_NEXTDLGCTL, 0, 0);
  EnableWindow(control, enable ? TRUE : FALSE);
}

void pwDialog::FocusControl(HWND control) {
  SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void pwDialog::AddPendingControl(pwControl *control) { pendingControls_.Add(control); }

void pwDialog::ForgetPendingControl(pwControl *control) {
  for (std::int32_t i = pendingControls_.Count() - 1; i >= 0; --i)
    if (pendingControls_[i] == control)
      pendingControls_.RemoveAt(i);
}

pwControl *pwDialog::FindPendingControl(int controlId) const {
  for (std::int32_t i = 0; i < pendingControls_.Count(); ++i)
    if (pendingControls_[i]->ControlId() == controlId)
      return pendingControls_[i];
  return nullptr;
}

void pwDialog::EnterControl(HWND window, pwControl *control) {
  controlMap_.Insert(window, control);
}

void pwDialog::RemoveControl(HWND window) { controlMap_.Remove(window); }

pwControl *pwDialog::FindControl(HWND window) {
  pwControl *control = nullptr;
  return controlMap_.Find(window, control) ? control : nullptr;
}

pwControl *pwDialog::FindControlById(int controlId) {
  HWND window = GetDlgItem(window_, controlId);
  return window != nullptr ? FindControl(window) : nullptr;
}
