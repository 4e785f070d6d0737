#pragma once

#include "pallwork/win32/checklist.h"
#include "vorlunda/config.h"

// The Schemes sheet's list: one item per scheme of the configuration, in its
// order, each item's data the scheme's pair. The check mark is the scheme's
// `enabled` flag, changed in the configuration the moment it is clicked.
class vSchemeListbox : public pwCheckList {
public:
  using pwCheckList::pwCheckList;

  // Typed letters select by name here: a list box without the keyboard-input
  // style never asks its dialog (WM_CHARTOITEM), and with that style it
  // would also ask about every arrow key (WM_VKEYTOITEM), whose answer the
  // dialog cannot give.
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  // Asks the sheet to edit the item, as the Edit button does.
  void OnItemDoubleClick() override;
  bool IsItemChecked(int index) override;
  void SetItemChecked(int index, bool checked) override;
  String ItemText(int index) override;

  vNameSchemePair *Pair(int index) const;
  int AddPair(vNameSchemePair *pair) { return AddData(reinterpret_cast<LPARAM>(pair)); }
  int InsertPair(int index, vNameSchemePair *pair) {
    return InsertData(index, reinterpret_cast<LPARAM>(pair));
  }
};
