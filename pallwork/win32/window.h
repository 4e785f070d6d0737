#pragma once

#include "foundation/string.h"

#include <windows.h>

// One native window as an object. The object pointer travels with the window
// (creation parameter, then the window's user data), and every message after
// creation reaches HandleMessage, whose default turns the common messages into
// the virtual handlers below. Handlers that return bool report "handled";
// unhandled messages get the system's default processing.
class pwWindow {
public:
  // Creates nothing: dialogs and controls get their windows from elsewhere.
  pwWindow();
  // Creates a window of the shared class "Pallwork default", or of a class of
  // this object's own when privateClass is set, so class-wide settings (brush,
  // cursor, icon) made on it touch no other window. Window() is null when the
  // creation failed.
  pwWindow(HWND parent, const char *title, DWORD style, int x, int y, int width, int height,
           bool privateClass);
  // Destroys the window if it still exists and unregisters the private class.
  virtual ~pwWindow();

  pwWindow(const pwWindow &) = delete;
  pwWindow &operator=(const pwWindow &) = delete;

  // WM_DESTROY; the window field is already null when this runs.
  virtual void OnDestroy();
  // WM_CLOSE; unhandled, the system destroys the window.
  virtual bool OnClose();
  virtual bool OnCommand(int notifyCode, int commandId, HWND control);
  // Called by the default OnPaint.
  virtual void Paint(HDC dc, const RECT &rect);
  virtual void OnFocus(bool gained);
  virtual void OnInitMenu(HMENU menu);
  virtual void OnMenuSelect(UINT item, UINT flags, HMENU menu);
  // Buttons: 0 left, 1 middle, 2 right. Coordinates are signed client pixels.
  virtual void OnButtonDown(int button, int x, int y);
  virtual void OnMouseMove(int x, int y);
  virtual void OnButtonUp(int button, int x, int y);
  virtual void OnDoubleClick(int button, int x, int y);
  virtual void OnSize(int width, int height);
  // Every message after WM_CREATE except WM_DESTROY. result starts at 0.
  virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);
  // WM_PAINT with the update rectangle, or the client area when there is none.
  virtual void OnPaint(HDC dc, const RECT &rect);

  HWND Window() const { return window_; }
  // The name of this object's own class; empty with the shared class.
  const String &PrivateClassName() const { return privateClassName_; }

  // Centres over another window (or the screen when null), kept on screen.
  void CentreWindow(HWND other);

  static const char *SharedClassName();

protected:
  // Calls the focus or mouse handler the message is for; false for any other
  // message. A plain window reports these messages handled; dialogs and
  // controls call this and still let the system process them, since the
  // dialog manager keeps its focus record on WM_SETFOCUS and a control
  // reacts to its own clicks and focus changes.
  bool DispatchFocusAndMouse(UINT message, WPARAM wParam, LPARAM lParam);

  // Null before creation, after WM_DESTROY, and while a dialog or control has
  // not yet been given its window.
  HWND window_ = nullptr;

private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static void RegisterWindowClass(const char *name);
  void MakePrivateClassName();
  void PaintWindow();

  String privateClassName_;
};
