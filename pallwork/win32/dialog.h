#pragma once

#include "foundation/dynarray.h"
#include "foundation/string.h"
#include "pallwork/win32/controlmap.h"
#include "pallwork/win32/window.h"

#include <windows.h>

#include <cstdint>
#include <utility>

class pwControl;
class pwTabSwitch;

// A dialog made from a resource template, modal or modeless. Its control
// objects see their messages first: commands and notifications reach the
// dialog only when the control lets them pass, owner-draw messages only when
// no control handled them.
class pwDialog : public pwWindow {
public:
  // templateName is a resource name (copied) or MAKEINTRESOURCEA(id).
  pwDialog(HWND parent, const char *templateName, bool modal);
  // Destroys a window still open, then deletes the auto-delete controls that
  // never got attached.
  ~pwDialog() override;

  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

  // Modal: runs the dialog and returns its end code (-1 when it could not be
  // created). Modeless: creates it and returns 0.
  virtual INT_PTR Execute();
  // focus: the control that would get the focus. Return true to let the
  // system set it.
  virtual bool OnInitDialog(HWND focus);
  virtual bool OnNotify(NMHDR *header, LRESULT &result);
  // Return a brush to colour the control, null for the system's colours.
  virtual HBRUSH OnCtlColor(HDC dc, HWND control, int controlId);
  virtual bool OnMeasureItem(int controlId, MEASUREITEMSTRUCT *record);
  virtual bool OnDrawItem(int controlId, DRAWITEMSTRUCT *record);
  virtual bool OnCharToItem(int character, int caretIndex, HWND listBox);
  // The help key was pressed on a control.
  virtual void OnHelp(int controlId);
  // Key messages of the dialog's controls; true consumes the message. The
  // default consumes the help key and calls OnHelp.
  virtual bool OnControlKey(pwControl *control, UINT message, WPARAM wParam, LPARAM lParam);

  // Disabling the focused control first moves the focus to the next one, so
  // the focus never rests on a disabled control.
  void EnableControl(int controlId, bool enable);
  void FocusControl(HWND control);
  // The program's icon resource on this dialog's caption and task button.
  void SetIcon(int iconId);

  HWND Parent() const { return parent_; }
  bool IsModal() const { return modal_; }
  // -1 = none.
  void SetHelpKey(std::int32_t virtualKey) { helpKey_ = virtualKey; }
  std::int32_t HelpKey() const { return helpKey_; }
  // Set in tabbed dialogs and their sheets; switches on Ctrl+Tab in controls.
  void SetTabControl(pwTabSwitch *tabControl) { tabControl_ = tabControl; }
  pwTabSwitch *TabControl() const { return tabControl_; }

  // Makes the object of one control of this dialog and returns it, for
  // setting up or keeping. It is auto-delete: it goes with the control's
  // window, or with the dialog when it never got one. Made before Execute,
  // it waits for WM_INITDIALOG to attach. Typical use in a constructor:
  //   MakeControl<pwURLControl>(IDC_HOMEPAGE);
  //   delay_ = MakeControl<pwIntEdit>(IDC_DELAY);
  // Extra arguments go to the control's constructor after (dialog, id,
  // autoDelete). The pointer is valid while the dialog's window exists.
  template <class Control, class... Args> Control *MakeControl(int controlId, Args &&...args) {
    return new Control(this, controlId, true, std::forward<Args>(args)...);
  }

private:
  // The bookkeeping of the control objects is pwControl's alone: a control
  // enters and leaves the maps as it attaches and detaches.
  friend class pwControl;
  // Tests read the bookkeeping through this; the product has no definition.
  friend class pwDialogInspector;

  void AddPendingControl(pwControl *control);
  void ForgetPendingControl(pwControl *control);
  std::int32_t PendingControlCount() const { return pendingControls_.Count(); }
  void EnterControl(HWND window, pwControl *control);
  void RemoveControl(HWND window);
  pwControl *FindControl(HWND window);

  static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static INT_PTR ServeBeforeInitDialog(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  const char *TemplateArgument() const;
  void AttachPendingControls();
  pwControl *FindPendingControl(int controlId) const;
  pwControl *FindControlById(int controlId);
  bool RouteCommand(WPARAM wParam, LPARAM lParam);
  bool RouteNotify(NMHDR *header, LRESULT &result);
  bool RouteDrawItem(DRAWITEMSTRUCT *record);
  bool RouteMeasureItem(MEASUREITEMSTRUCT *record);
  bool RouteCharToItem(WPARAM wParam, HWND listBox, LRESULT &result);
  void RouteScroll(UINT message, WPARAM wParam, LPARAM lParam);
  bool RouteCtlColor(HDC dc, HWND control, LRESULT &result);

  HWND parent_;                      // not owned
  const char *templateId_ = nullptr; // an integer resource id, or null for a name
  String templateName_;
  bool modal_;
  pwControlMap controlMap_;
  DynArray<pwControl *> pendingControls_; // not owned until the destructor
  std::int32_t helpKey_ = -1;
  pwTabSwitch *tabControl_ = nullptr; // not owned
};
