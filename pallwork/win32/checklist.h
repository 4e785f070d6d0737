#pragma once

#include "foundation/string.h"
#include "foundation/win32/scopedwin.h"
#include "pallwork/typeahead.h"
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
  // Typing found no item. The default beeps.
  virtual void OnSearchMiss();

  int ItemHeight() const { return itemHeight_; }
  int CheckBoxSize() const { return checkBoxSize_; }

private:
  void DrawWholeItem(const DRAWITEMSTRUCT &record);
  void DrawCheckBox(HDC dc, const RECT &item, bool selected, bool checked);
  void DrawItemText(HDC dc, const RECT &item, bool selected, const String &text);
  // The measured height, or the list's own before any measuring.
  std::int32_t EffectiveItemHeight() const;

  std::int32_t itemHeight_ = 0;
  HFONT font_ = nullptr; // not owned: the dialog's
  GdiObject<HPEN> normalPen_;
  GdiObject<HPEN> highlightPen_;
  std::int32_t checkBoxSize_ = 0;
  std::int32_t textOffset_ = 0;
  pwTypeAhead typeAhead_;
};
