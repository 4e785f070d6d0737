#pragma once

#include "tests/win32/support/recordinghelpviewer.h"
#include "vorlunda/config.h"
#include "vorlunda/editschm/win32/editscheme.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Opens the real edit-scheme dialog and runs a script from inside its modal
// loop once it is on screen; a dialog still open afterwards is cancelled.
// Returns what EditScheme returns.
bool RunEditScheme(vNameSchemePair &pair, vConfigMgr &config, int position,
                   const std::function<void(vEditSchemeDlg &)> &script);

// The dialog's sheets in tab order.
enum SheetIndex { kGeneral = 0, kDrawing = 1, kRules = 2, kFilter = 3 };

HWND SheetWindow(vEditSchemeDlg &dialog, int sheet);
HWND SheetControl(vEditSchemeDlg &dialog, int sheet, int controlId);
std::string ControlText(vEditSchemeDlg &dialog, int sheet, int controlId);
// Types into a field as the user would: the field filters what it is given.
void SetControlText(vEditSchemeDlg &dialog, int sheet, int controlId, const char *text);
void SetChecked(vEditSchemeDlg &dialog, int sheet, int controlId, bool checked);
// The index of the sheet now shown, or -1.
int ShownSheet(vEditSchemeDlg &dialog);
// A button of the dialog clicked, as its BN_CLICKED reaches the dialog.
void ClickButton(vEditSchemeDlg &dialog, int controlId);
// F1 pressed on a control.
void PressHelpKey(HWND control);

// A configuration of named FullRandom schemes from the first preset and the
// four templated defaults.
vConfigMgr SampleConfig();
vNameSchemePair PairAt(const vConfigMgr &config, int position);

// What the Test button handed to the saver; the tests link this in place of
// the full-screen run.
struct SchemeTestCall {
  HWND owner;
  vConfigMgr general;
  vNameSchemePair pair;
};
std::vector<SchemeTestCall> &SchemeTestCalls();
