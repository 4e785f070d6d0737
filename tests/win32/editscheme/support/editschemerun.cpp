#include "tests/win32/editscheme/support/editschemerun.h"

#include "pallwork/win32/checkbox.h"
#include "vorlunda/presets.h"
#include "vorlunda/win32/schemetestrun.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

constexpr UINT kScriptDelayMs = 10;

struct PendingScript {
  const std::function<void(vEditSchemeDlg &)> *script = nullptr;
  vEditSchemeDlg *dialog = nullptr;
  bool ran = false;
};
PendingScript pending;

// The modal loop shows the dialog once its queue is first empty; the script
// waits for that, as a person would.
void CALLBACK RunScript(HWND, UINT, UINT_PTR timer, DWORD) {
  vEditSchemeDlg &dialog = *pending.dialog;
  if (dialog.Window() == nullptr || !IsWindowVisible(dialog.Window()))
    return;
  KillTimer(nullptr, timer);
  SetForegroundWindow(dialog.Window());
  SetActiveWindow(dialog.Window());
  pending.ran = true;
  (*pending.script)(dialog);
  // EndDialog hides the dialog at once; it goes when the loop returns.
  if (dialog.Window() != nullptr && IsWindowVisible(dialog.Window()))
    ClickButton(dialog, IDCANCEL);
}

} // namespace

bool RunEditScheme(vNameSchemePair &pair, vConfigMgr &config, int position,
                   const std::function<void(vEditSchemeDlg &)> &script) {
  vEditSchemeDlg dialog(nullptr, pair, config, position);
  pending = PendingScript{&script, &dialog};
  SetTimer(nullptr, 0, kScriptDelayMs, RunScript);
  const INT_PTR ended = dialog.Execute();
  // A script that never ran would pass every check it holds.
  EXPECT_NE(ended, -1) << "the dialog could not be created";
  EXPECT_TRUE(pending.ran) << "the dialog ended before its script ran";
  pending = PendingScript{};
  return dialog.Result() == 1;
}

HWND SheetWindow(vEditSchemeDlg &dialog, int sheet) { return dialog.Sheet(sheet)->Window(); }

HWND SheetControl(vEditSchemeDlg &dialog, int sheet, int controlId) {
  return GetDlgItem(SheetWindow(dialog, sheet), controlId);
}

std::string ControlText(vEditSchemeDlg &dialog, int sheet, int controlId) {
  char text[512] = {};
  GetWindowTextA(SheetControl(dialog, sheet, controlId), text, sizeof(text));
  return text;
}

void SetControlText(vEditSchemeDlg &dialog, int sheet, int controlId, const char *text) {
  SetWindowTextA(SheetControl(dialog, sheet, controlId), text);
}

void SetChecked(vEditSchemeDlg &dialog, int sheet, int controlId, bool checked) {
  SendMessageA(SheetControl(dialog, sheet, controlId), BM_SETCHECK,
               checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int ShownSheet(vEditSchemeDlg &dialog) {
  int shown = -1;
  for (int i = 0; i < dialog.SheetCount(); ++i) {
    if (IsWindowVisible(SheetWindow(dialog, i)))
      shown = shown == -1 ? i : -2; // two shown at once is a fault
  }
  return shown;
}

void ClickButton(vEditSchemeDlg &dialog, int controlId) {
  SendMessageA(dialog.Window(), WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog.Window(), controlId)));
}

void PressHelpKey(HWND control) {
  SendMessageA(control, WM_KEYDOWN, VK_F1, 1);
  SendMessageA(control, WM_KEYUP, VK_F1, 0xC0000001);
}

vConfigMgr SampleConfig() {
  vConfigMgr config;
  vScheme scheme;
  FillPresetScheme(0, scheme);
  for (const char *name : {"Alpha", "Beta", "Solid"})
    config.SetScheme(name, scheme);
  for (int i = 0; i < kTemplatedDefaultCount; ++i)
    config.SetScheme(TemplatedDefaultName(i), TemplatedDefault(i));
  config.screenShots = true;
  config.screenShotDirectory = "C:\\shots";
  config.infoLine = true;
  return config;
}

vNameSchemePair PairAt(const vConfigMgr &config, int position) {
  return *config.SchemeAt(position);
}

std::vector<SchemeTestCall> &SchemeTestCalls() {
  static std::vector<SchemeTestCall> calls;
  return calls;
}

void RunSchemeTest(HWND owner, const vConfigMgr &general, const vNameSchemePair &pair) {
  SchemeTestCalls().push_back(SchemeTestCall{owner, general, pair});
}
