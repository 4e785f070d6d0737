#pragma once

#include "foundation/string.h"
#include "pallwork/win32/control.h"

// A combo box of a dialog; each operation is one message to the control.
class pwComboBox : public pwControl {
public:
  using pwControl::pwControl;

  int Count() const;
  int CurrentSelection() const;
  void Select(int index);
  String Text() const;
  void SetText(const char *text);
  // Empty when the index is not an item.
  String ItemText(int index) const;
  // The item's index, or -1 on any failure.
  int Add(const char *text);
  int Delete(int index);
  LRESULT ItemData(int index) const;
  int SetItemData(int index, LRESULT value);
  // -1 when no item has that text.
  int FindExact(const char *text, int startIndex = -1) const;
};
