#pragma once

#include "foundation/string.h"
#include "foundation/win32/scopedwin.h"
#include "pallwork/win32/control.h"

// A static text that opens its link when clicked: underlined, with the link
// cursor (resource 30000) over it and over no other control.
class pwURLControl : public pwControl {
public:
  // How the link is handed to the shell; ShellExecuteA unless a test says
  // otherwise.
  using ShellOpen = HINSTANCE(WINAPI *)(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                        LPCSTR directory, INT show);

  pwURLControl(pwDialog *dialog, int controlId, bool autoDelete);
  // Gives the static back the font it had, when it outlives this object.
  ~pwURLControl() override;

  bool OnCommandNotify(int notifyCode) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

  void SetLink(const char *link) { link_ = link; }
  const String &Link() const { return link_; }
  // Asks the shell to open the link, under the wait cursor.
  void OpenLink();

  // Returns the previous opener.
  static ShellOpen SetShellOpen(ShellOpen open);
  // Resource 30000 of the program, or the system's hand when it has none.
  static HCURSOR LinkCursor();

private:
  // Clicks reported, underlined font; done once the window is known.
  void PrepareWindow();

  String link_;
  GdiObject<HFONT> underlinedFont_;
  HFONT originalFont_ = nullptr; // not owned: the dialog's
  bool prepared_ = false;
};
