#include "pallwork/saverinput.h"

#include "pallwork/platform.h"

#include <cstdlib>

pwSaverInput::pwSaverInput(pwSaverHost &host, pwWindowHandle window, bool preview, bool noPassword)
    : host_(host), window_(window), preview_(preview), noPassword_(noPassword),
      startTime_(host.TickCount()) {}

// Unsigned differences keep the grace period right across the tick wrap.
bool pwSaverInput::GraceOver() { return host_.TickCount() - startTime_ > kGraceMs; }

void pwSaverInput::OnKeyDown(std::int32_t key) {
  if (screenShotKey_ >= 0 && !shotInProgress_ && key == screenShotKey_) {
    EndSaver(true);
    return;
  }
  if (!preview_ && GraceOver())
    EndSaver(false);
}

void pwSaverInput::OnButtonDown() {
  if (!preview_ && GraceOver())
    EndSaver(false);
}

void pwSaverInput::OnMouseMove() {
  if (preview_ || !GraceOver())
    return;
  const pwCursorPoint now = host_.CursorPosition();
  // The first movement only sets the anchor, so a nudged mouse does not end the saver.
  if (!mouseAnchored_) {
    anchor_ = now;
    mouseAnchored_ = true;
    return;
  }
  const std::int64_t distance =
      std::llabs(std::int64_t{now.x} - anchor_.x) + std::llabs(std::int64_t{now.y} - anchor_.y);
  if (distance > kMoveThreshold)
    EndSaver(false);
}

void pwSaverInput::TryHideCursor() {
  if (preview_ || hideAttempted_ || host_.PrimaryButtonDown())
    return;
  host_.NudgeCursor();
  hideAttempted_ = true;
  host_.ShowCursor(false);
  cursorHidden_ = true;
}

void pwSaverInput::EndSaver(bool takeShot) {
  if (shotInProgress_ || passwordDialogOpen_)
    return;
  if (!preview_ && !passwordAccepted_ && !VerifyPassword())
    return;
  if (takeShot && !preview_) {
    // The task-switch keys stay away while the file dialog is up.
    ReportSaverRunning(true);
    host_.EnableOwner(false);
    shotInProgress_ = true;
    host_.BeforeScreenShot();
    if (cursorHidden_) {
      host_.ShowCursor(true);
      cursorHidden_ = false;
    }
    host_.TakeScreenShot();
    host_.EnableOwner(true);
    ReportSaverRunning(false);
  }
  host_.PostClose();
}

bool pwSaverInput::VerifyPassword() {
  pwPlatform &platform = CurrentPlatform();
  if (noPassword_ || preview_ || !platform.IsWindows95Family() || !host_.PasswordWanted()) {
    passwordAccepted_ = true;
    return true;
  }
  const bool wasHidden = cursorHidden_;
  if (wasHidden) {
    host_.ShowCursor(true);
    cursorHidden_ = false;
  }
  passwordDialogOpen_ = true;
  passwordAccepted_ = platform.VerifySaverPassword(window_);
  passwordDialogOpen_ = false;
  if (!passwordAccepted_) {
    // A wrong password gives the user a fresh grace period to settle the mouse.
    mouseAnchored_ = false;
    startTime_ = host_.TickCount();
    if (wasHidden) {
      hideAttempted_ = false;
      TryHideCursor();
    }
  }
  return passwordAccepted_;
}

void pwSaverInput::ReportSaverRunning(bool running) {
  if (preview_ || running == reportedRunning_)
    return;
  pwPlatform &platform = CurrentPlatform();
  if (!platform.IsWindows95Family())
    return;
  platform.SetScreenSaverRunning(running);
  reportedRunning_ = running;
}

void pwSaverInput::Restore() {
  ReportSaverRunning(false);
  if (!preview_ && cursorHidden_) {
    host_.ShowCursor(true);
    cursorHidden_ = false;
  }
}
