#pragma once

#include "pallwork/windowhandle.h"

#include <cstdint>

constexpr std::uint32_t kGraceMs = 666;
constexpr std::int32_t kMoveThreshold = 4; // |dx| + |dy| above this ends the saver
constexpr std::int32_t kNoScreenShotKey = -1;

struct pwCursorPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// What the saver's input rules need from the window system.
class pwSaverHost {
public:
  virtual ~pwSaverHost() = default;

  virtual std::uint32_t TickCount() = 0;
  virtual pwCursorPoint CursorPosition() = 0;
  virtual void NudgeCursor() = 0;
  virtual bool PrimaryButtonDown() = 0;
  virtual void ShowCursor(bool show) = 0;
  // "ScreenSaveUsePassword" of the desktop settings, false when unreadable.
  virtual bool PasswordWanted() = 0;
  virtual void BeforeScreenShot() = 0;
  // Captures, asks for a file, writes it and reports a failure.
  virtual void TakeScreenShot() = 0;
  virtual void EnableOwner(bool enable) = 0;
  virtual void PostClose() = 0;
};

// The rules deciding when input ends the saver, with its grace period, the
// password check and the hand-over to the screen shot. The window feeds it
// messages; everything it does to the system goes through the host and the
// current platform.
class pwSaverInput {
public:
  pwSaverInput(pwSaverHost &host, pwWindowHandle window, bool preview, bool noPassword);

  void SetWindow(pwWindowHandle window) { window_ = window; }
  void SetScreenShotKey(std::int32_t key) { screenShotKey_ = key; }

  void OnKeyDown(std::int32_t key);
  void OnButtonDown();
  void OnMouseMove();

  void TryHideCursor();
  void EndSaver(bool takeShot);
  bool VerifyPassword();
  // Tells the system whether a saver runs; while one does, the Windows 95
  // family keeps the task-switch keys away from the desktop.
  void ReportSaverRunning(bool running);
  // Undoes the cursor hiding and the system state when the window goes away.
  void Restore();

  bool Preview() const { return preview_; }
  bool CursorHidden() const { return cursorHidden_; }
  bool ShotInProgress() const { return shotInProgress_; }
  bool PasswordAccepted() const { return passwordAccepted_; }
  std::int32_t ScreenShotKey() const { return screenShotKey_; }

private:
  bool GraceOver();

  pwSaverHost &host_;     // not owned
  pwWindowHandle window_; // not owned
  bool preview_;
  bool noPassword_;
  bool hideAttempted_ = false;
  bool cursorHidden_ = false;
  std::uint32_t startTime_;
  bool mouseAnchored_ = false;
  pwCursorPoint anchor_;
  bool passwordDialogOpen_ = false;
  bool passwordAccepted_ = false;
  bool reportedRunning_ = false;
  std::int32_t screenShotKey_ = kNoScreenShotKey;
  bool shotInProgress_ = false;
};
