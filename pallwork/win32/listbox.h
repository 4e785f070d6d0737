#pragma once

#include "pallwork/win32/control.h"

// A list box of a dialog. Items of a list without LBS_HASSTRINGS are plain
// item data: the *Data operations add and read those.
class pwListbox : public pwControl {
public:
  using pwControl::pwControl;

  // Reports double clicks; always lets the dialog see the command.
  bool OnCommandNotify(int notifyCode) override;
  virtual void OnItemDoubleClick() {}

  int Count() const;
  int CurrentSelection() const;
  int Select(int index);
  int Add(const char *text);
  int Insert(int index, const char *text);
  int AddData(LPARAM data);
  int InsertData(int index, LPARAM data);
  LPARAM ItemData(int index) const;
  int Delete(int index);
  void Clear();
  int TopIndex() const;
  // Repaints one item; 0 when the index is not an item.
  int RedrawItem(int index, bool erase);
  int HorizontalExtent() const;
  void SetHorizontalExtent(int extent);
};
