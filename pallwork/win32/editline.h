#pragma once

#include "foundation/string.h"
#include "pallwork/win32/control.h"

// A single-line edit field that refuses characters: every EN_UPDATE walks the
// whole text through IsCharAllowed, so typed and pasted text are filtered
// alike before the control shows them.
class pwEditLine : public pwControl {
public:
  using pwControl::pwControl;

  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  bool OnCommandNotify(int notifyCode) override;
  // isFirst: the character stands at position 0.
  virtual bool IsCharAllowed(char character, bool isFirst);

  String Text() const;
  void SetText(const char *text);
  void Clear() { SetText(""); }
  void GetSelection(int &start, int &end) const;
  void SetSelection(int start, int end);
  // EM_LIMITTEXT: the most characters the field takes.
  void SetLimit(int characters);

private:
  // The program keeps the system's ANSI code page; a character that page
  // cannot hold would be stored as '?', so it is refused like any other.
  void DropUnrepresentable();
  // A paste takes the clipboard's Unicode text without what the code page
  // cannot hold, before the system turns those characters into '?'.
  bool PasteRepresentable();
};
