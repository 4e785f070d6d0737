#pragma once

#include "foundation/error.h"
#include "pallwork/win32/tabbedsheetdialog.h"
#include "vorlunda/config.h"
#include "vorlunda/helptopics.h"

#include <cstdint>
#include <initializer_list>

class vEditSchemeDlg;

// One page of the edit-scheme dialog. It shows the edited pair's values,
// checks what was typed, and writes the values into a pair on request; it
// never changes the pair by itself.
class vEditSchemeSheet : public pwTabbedSheetDialog {
public:
  vEditSchemeSheet(vEditSchemeDlg *dialog, const pwSheetFacts &facts, vNameSchemePair *pair);

  // Puts the pair's values into the controls.
  virtual void Load() {}
  // Reports the first invalid value and returns false; true when all pass.
  virtual bool Validate() { return true; }
  // Writes the controls' values into `pair`, which need not be the edited one.
  virtual void Store(vNameSchemePair &) {}

protected:
  bool IsTemplated() const { return pair_->scheme.IsTemplated(); }
  vEditSchemeDlg &Owner() const { return *dialog_; }
  const vNameSchemePair &Pair() const { return *pair_; }

  // A templated scheme does not carry these fields: their controls are
  // disabled instead of loaded.
  void DisableControls(std::initializer_list<int> controlIds);
  // Brings this sheet to the front with the focus on the control and shows
  // the error; returns false for Validate to pass on.
  bool ReportInvalid(const Error &error, int controlId);

private:
  vEditSchemeDlg *dialog_; // not owned
  vNameSchemePair *pair_;  // not owned: the dialog's
};

// Each sheet's own file makes it; the dialog adds them in the order of the
// help table.
#define VORLUNDA_EDITSCHEME_SHEET_MAKER(window, number, name, page)                                \
  vEditSchemeSheet *Make##window(vEditSchemeDlg *dialog, vNameSchemePair *pair);
VORLUNDA_EDITSCHEME_SHEETS(VORLUNDA_EDITSCHEME_SHEET_MAKER)
#undef VORLUNDA_EDITSCHEME_SHEET_MAKER
