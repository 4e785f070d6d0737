#pragma once

#include "foundation/string.h"
#include "pallwork/win32/gdiguard.h"
#include "pallwork/win32/listbox.h"

#include <cstdint>

// An owner-drawn list box with a check box before each item's text. A click
// on the box toggles it; typing selects the item whose text begins with what
// was typed. Derived classes say what the items are and whether they are
// checked.
class pwCheckList : public pwListbox {
public:
  pwCheckList(pwDialog *dialog, int controlId, bool autoDelete);

  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  bool MeasureItem(pwDialog *dialog, MEASUREITEMSTRUCT *record) override;
  bool DrawItem(DRAWITEMSTRUCT *record) override;
  bool CharToItem(int character, int caretIndex) override;

  virtual bool IsItemChecked(int index) = 0;
  // The default redraws the item.
  virtual void SetItemChecked(int index, bool checked);
  virtual String ItemText(int index) = 0;

  int ItemHeight() const { return itemHeight_; }
  int CheckBoxSize() const { return checkBoxSize_; }

private:
  std::int32_t itemHeight_ = 0;
  HFONT font_ = nullptr; // not owned: the dialog's
  pwGdiObject<HPEN> normalPen_;
  pwGdiObject<HPEN> highlightPen_;
  std::int32_t checkBoxSize_ = 0;
  std::int32_t textOffset_ = 0;
  String searchBuffer_;
};
