#pragma once

#include "foundation/error.h"
#include "foundation/string.h"
#include "foundation/win32/scopedwin.h"
#include "pallwork/monitorlayout.h"
#include "pallwork/saverinput.h"
#include "pallwork/win32/window.h"

#include <windows.h>

// The saver's window: full screen over every monitor, or a child filling a
// preview window. It hides the cursor, ends on input after the grace period
// (asking for the password where the system wants one), can save the screen
// as a BMP first, and runs the timer-less loop that alternates messages with
// Step, sleeping while Step has nothing to do.
class pwScreenSaverWindow : public pwWindow, private pwSaverHost {
public:
  pwScreenSaverWindow(HWND parent, HWND owner, bool noPassword);
  ~pwScreenSaverWindow() override;

  void OnDestroy() override;
  void Paint(HDC dc, const RECT &rect) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

  virtual int RunMessageLoop();
  // One slice of drawing work; must return quickly.
  virtual void Step() {}
  // Just before the screen is captured.
  void BeforeScreenShot() override {}
  // Once the picture is saved at `path`, while the screen still shows it.
  virtual void AfterScreenShot(const String &path) { (void)path; }
  virtual HPALETTE GetPalette() { return nullptr; }
  // How long the loop may sleep before Step has work again, in
  // milliseconds; input still wakes it at once.
  virtual std::uint32_t IdleMs() { return 0; }
  // The monitors changed and the window now covers them as DrawingAreas
  // says; whatever was drawn for the old areas is gone.
  virtual void MonitorsChanged() {}

  // Returns once the window has been destroyed.
  void Run();

  void SetScreenShotKey(std::int32_t key) { input_.SetScreenShotKey(key); }
  void SetScreenShotDirectory(const String &directory) { shotDirectory_ = directory; }

  bool Preview() const { return input_.Preview(); }
  // Where each monitor's picture goes, in client coordinates, the primary
  // monitor's first; a preview has the one area of its window.
  const std::vector<pwScreenRect> &DrawingAreas() const { return areas_; }
  bool Closed() const { return closed_; }
  bool ShotInProgress() const { return input_.ShotInProgress(); }

protected:
  // True when the quit message arrived.
  bool PumpMessages(bool wait);

private:
  pwScreenSaverWindow(HWND parent, HWND owner, bool noPassword, const pwMonitorLayout &layout);

  // pwSaverHost
  std::uint32_t TickCount() override;
  pwCursorPoint CursorPosition() override;
  void NudgeCursor() override;
  bool PrimaryButtonDown() override;
  void ShowCursor(bool show) override;
  bool PasswordWanted() override;
  void TakeScreenShot() override;
  void EnableOwner(bool enable) override;
  void PostClose() override;

  [[nodiscard]] Error CaptureAndSave();
  [[nodiscard]] Error Capture(HPALETTE palette, int width, int height);
  bool AskFileName(String &path);
  [[nodiscard]] Error WriteShot(const String &path, HPALETTE palette, int width, int height);
  void HideCursorAtStart();
  void LayOutAgain();
  void SleepUntilInput(std::uint32_t timeoutMs);

  HWND owner_;                    // not owned
  HCURSOR savedCursor_ = nullptr; // not owned
  int primaryButton_;
  bool painted_ = false;
  bool closed_ = false;
  String shotDirectory_;
  // The captured screen while it is written; the device context goes first,
  // so the bitmap is never deleted while selected.
  GdiObject<HBITMAP> shotBitmap_;
  MemoryDC shotDc_;
  pwSaverInput input_;
  std::vector<pwScreenRect> areas_;
};
