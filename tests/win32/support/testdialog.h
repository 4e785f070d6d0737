#pragma once

#include "pallwork/win32/dialog.h"

#include <functional>
#include <vector>

// A dialog that records what reaches it. Modal, it runs its script from its
// own message loop once open and then ends with the script's end code, so no
// test waits for a person.
class TestDialog : public pwDialog {
public:
  using Script = std::function<INT_PTR(TestDialog &)>;

  TestDialog(const char *templateName, bool modal) : pwDialog(nullptr, templateName, modal) {}

  void SetScript(Script script) { script_ = std::move(script); }

  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  bool OnInitDialog(HWND focus) override;
  bool OnCommand(int notifyCode, int commandId, HWND control) override;
  bool OnNotify(NMHDR *header, LRESULT &result) override;
  HBRUSH OnCtlColor(HDC dc, HWND control, int controlId) override;
  bool OnMeasureItem(int controlId, MEASUREITEMSTRUCT *record) override;
  bool OnDrawItem(int controlId, DRAWITEMSTRUCT *record) override;
  bool OnCharToItem(int character, int caretIndex, HWND listBox) override;
  void OnHelp(int controlId) override { helpIds.push_back(controlId); }
  void OnDestroy() override { ++destroyCount; }
  void OnFocus(bool gained) override { ++(gained ? focusGained : focusLost); }
  void OnButtonDown(int button, int, int) override { buttonDowns.push_back(button); }

  HWND Item(int controlId) const { return GetDlgItem(Window(), controlId); }

  int initCount = 0;
  int destroyCount = 0;
  std::vector<int> commandIds;
  std::vector<int> clickIds; // BN_CLICKED only
  std::vector<UINT> notifyCodes;
  std::vector<int> helpIds;
  std::vector<int> dialogMeasuredIds;
  std::vector<int> dialogDrawnIds;
  std::vector<int> dialogCharacters;
  HBRUSH colourBrush = nullptr; // answered to WM_CTLCOLOR*
  std::vector<int> colouredIds;
  int focusGained = 0;
  int focusLost = 0;
  std::vector<int> buttonDowns;

private:
  Script script_;
};
