#pragma once

#include "pallwork/win32/window.h"

#include <windows.h>

#include <cstdint>

class pwDialog;

// One control of a dialog as an object. Attached, it subclasses the control's
// window, so the control's own messages reach HandleMessage before the
// control's procedure, and it receives the command, notification, owner-draw
// and scroll messages the control sends to its dialog. Controls made on the
// heap with autoDelete disappear with their windows; pointers kept to them
// are valid only while the dialog's window exists.
class pwControl : public pwWindow {
public:
  // Attaches at once when the dialog has its window, else waits in the
  // dialog's pending list until WM_INITDIALOG.
  pwControl(pwDialog *dialog, int controlId, bool autoDelete);
  // Detaches if still attached.
  ~pwControl() override;

  // Detaches, and deletes the object when it is auto-delete.
  void OnDestroy() override;
  // Tab handling in tabbed dialogs and the dialog's control-key hook.
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

  virtual bool MeasureItem(pwDialog *dialog, MEASUREITEMSTRUCT *record);
  virtual bool DrawItem(DRAWITEMSTRUCT *record);
  virtual bool CharToItem(int character, int caretIndex);
  // Return false to hide the command from the dialog.
  virtual bool OnCommandNotify(int notifyCode);
  // Return false to hide the notification from the dialog.
  virtual bool OnNotify(NMHDR *header, LRESULT &result);
  virtual void OnScroll(UINT message, int scrollCode, int position);

  // Finds the control window by id and subclasses it; without such a window
  // the object stays detached.
  void Attach();
  void Detach();

  bool IsAttached() const { return previousProcedure_ != nullptr; }
  pwDialog *Dialog() const { return dialog_; }
  int ControlId() const { return controlId_; }
  bool AutoDelete() const { return autoDelete_; }

protected:
  // The control's own processing of a message, bypassing HandleMessage.
  LRESULT CallPreviousProcedure(UINT message, WPARAM wParam, LPARAM lParam);

private:
  static LRESULT CALLBACK ControlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool HandleTabKey(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);

  WNDPROC previousProcedure_ = nullptr;
  pwDialog *dialog_; // not owned
  std::int32_t controlId_;
  bool autoDelete_;
};
