#pragma once

#include "foundation/string.h"
#include "pallwork/win32/control.h"
#include "pallwork/win32/gdiguard.h"

// A static text that opens its link when clicked: underlined, with the link
// cursor (resource 30000) over it.
class pwURLControl : public pwControl {
public:
  pwURLControl(pwDialog *dialog, int controlId, bool autoDelete);

  bool OnCommandNotify(int notifyCode) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

  void SetLink(const char *link) { link_ = link; }
  const String &Link() const { return link_; }
  // Asks the shell to open the link, under the wait cursor.
  void OpenLink();

private:
  String link_;
  pwGdiObject<HFONT> underlinedFont_;
};
