#pragma once

#include "pallwork/win32/control.h"

#include <vector>

// A control that counts its deletions and records the messages routed to it.
// The "consume" switches decide whether it keeps a message from the dialog.
class TestControl : public pwControl {
public:
  static constexpr UINT kProbe = WM_APP + 7;
  static constexpr LRESULT kProbeAnswer = 0x5EED;
  static int deletions;

  TestControl(pwDialog *dialog, int controlId, bool autoDelete)
      : pwControl(dialog, controlId, autoDelete) {}
  ~TestControl() override { ++deletions; }

  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  bool MeasureItem(pwDialog *dialog, MEASUREITEMSTRUCT *record) override;
  bool DrawItem(DRAWITEMSTRUCT *record) override;
  bool CharToItem(int character, int caretIndex) override;
  bool OnCommandNotify(int notifyCode) override;
  bool OnNotify(NMHDR *header, LRESULT &result) override;
  void OnScroll(UINT message, int scrollCode, int position) override;
  void OnFocus(bool gained) override { focusChanges.push_back(gained); }
  void OnButtonDown(int button, int, int) override { buttonDowns.push_back(button); }

  // Settings.
  bool consumeCommands = false;
  bool consumeNotifies = false;
  LRESULT notifyResult = 0;
  bool handleDraw = true;
  bool handleChars = true;
  UINT measuredHeight = 0; // 0: leave the measurement to the dialog

  // Observations.
  int probes = 0;
  std::vector<int> commandCodes;
  int notifies = 0;
  int measures = 0;
  bool attachedWhenMeasured = true;
  HWND dialogWindowWhenMeasured = nullptr;
  int draws = 0;
  std::vector<int> characters;
  int lastCaretIndex = -1;
  std::vector<int> scrollCodes;
  UINT lastScrollMessage = 0;
  std::vector<bool> focusChanges; // true: gained
  std::vector<int> buttonDowns;
};
