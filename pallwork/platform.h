#pragma once

#include "pallwork/monitorlayout.h"
#include "pallwork/windowhandle.h"

#include <vector>

// The handful of system queries and services the saver's start-up and its
// password flow depend on, behind one interface so their logic can be driven
// by a fake outside Windows.
class pwPlatform {
public:
  virtual ~pwPlatform() = default;

  virtual bool IsWindow(pwWindowHandle window) = 0;
  // The desktop itself is a window, but no host for a preview: drawn into,
  // the preview would cover the screen with nothing to end it.
  virtual pwWindowHandle DesktopWindow() { return nullptr; }
  virtual pwWindowHandle ForegroundWindow() = 0;
  virtual bool IsWindows95Family() = 0;

  // The system's own password dialogs; missing services change nothing, and
  // a password that cannot be checked counts as accepted.
  virtual void ChangePassword(pwWindowHandle parent) = 0;
  virtual bool VerifySaverPassword(pwWindowHandle window) = 0;

  // Tells the system a full-screen saver runs, which on the Windows 95 family
  // keeps the task-switch keys away from other programs.
  virtual void SetScreenSaverRunning(bool running) = 0;

  // A modal message box with an OK button, preceded by the icon's sound.
  virtual void ShowMessageBox(pwWindowHandle owner, const char *text, const char *caption,
                              unsigned int icon) = 0;

  // The desktop's monitors in the system's order; none when unknown.
  virtual std::vector<pwMonitor> Monitors() { return {}; }
};

// The Win32 implementation on Windows; elsewhere one with no windows at all.
pwPlatform &CurrentPlatform();
void SetCurrentPlatform(pwPlatform *platform); // null restores the built-in one

// The built-in platform of this build, whatever is current.
pwPlatform &BuiltInPlatform();
