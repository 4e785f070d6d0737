#include "pallwork/win32/urlcontrol.h"

#include "pallwork/win32/dialog.h"
#include "pallwork/win32/hourglass.h"

#include <shellapi.h>

namespace {

constexpr WORD kLinkCursorId = 30000;
constexpr WORD kHandCursorId = 32649;  // IDC_HAND
constexpr WORD kArrowCursorId = 32512; // IDC_ARROW
constexpr char kOpenVerb[] = "open";

pwURLControl::ShellOpen shellOpen = ShellExecuteA;

HFONT FontOf(HWND window) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  return font != nullptr ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

HFONT UnderlinedCopy(HFONT font) {
  LOGFONTA description = {};
  if (GetObjectA(font, sizeof(description), &description) == 0)
    return nullptr;
  description.lfUnderline = TRUE;
  return CreateFontIndirectA(&description);
}

} // namespace

pwURLControl::pwURLControl(pwDialog *dialog, int controlId, bool autoDelete)
    : pwControl(dialog, controlId, autoDelete) {
  if (IsAttached())
    PrepareWindow();
}

pwURLControl::~pwURLControl() {
  if (window_ != nullptr && prepared_)
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(originalFont_), FALSE);
}

// A control made before its dialog is attached at WM_INITDIALOG; its first
// message then finishes what the constructor could not do.
void pwURLControl::PrepareWindow() {
  prepared_ = true;
  const LONG_PTR style = GetWindowLongPtrA(window_, GWL_STYLE);
  if ((style & SS_NOTIFY) == 0)
    SetWindowLongPtrA(window_, GWL_STYLE, style | SS_NOTIFY);
  originalFont_ = FontOf(window_);
  underlinedFont_.Reset(UnderlinedCopy(originalFont_));
  if (underlinedFont_)
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(underlinedFont_.Get()), TRUE);
}

// The cursor is answered here rather than set on the window class: the class
// is every static control's, and every label would look like a link.
bool pwURLControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  if (!prepared_ && window_ != nullptr)
    PrepareWindow();
  if (message == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT) {
    SetCursor(LinkCursor());
    result = TRUE;
    return true;
  }
  return pwControl::HandleMessage(message, wParam, lParam, result);
}

bool pwURLControl::OnCommandNotify(int notifyCode) {
  if (notifyCode != STN_CLICKED)
    return false;
  OpenLink();
  return true;
}

void pwURLControl::OpenLink() {
  const pwHourglass hourglass;
  HWND owner = Dialog()->Window();
  shellOpen(owner, kOpenVerb, link_.CStr(), nullptr, nullptr, SW_SHOWNORMAL);
}

pwURLControl::ShellOpen pwURLControl::SetShellOpen(ShellOpen open) {
  const ShellOpen previous = shellOpen;
  shellOpen = open != nullptr ? open : ShellExecuteA;
  return previous;
}

// Cursors from LoadCursor are shared and never destroyed.
HCURSOR pwURLControl::LinkCursor() {
  static HCURSOR cursor = nullptr;
  if (cursor == nullptr)
    cursor = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kLinkCursorId));
  if (cursor == nullptr)
    cursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(kHandCursorId));
  if (cursor == nullptr)
    cursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(kArrowCursorId));
  return cursor;
}
