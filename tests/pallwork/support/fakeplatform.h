#pragma once

#include "pallwork/platform.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

// Windows are whatever numbers the test declares; every service call is
// recorded instead of shown.
class FakePlatform final : public pwPlatform {
public:
  struct MessageBoxCall {
    pwWindowHandle owner;
    std::string text;
    std::string caption;
    unsigned int icon;
  };

  static pwWindowHandle Handle(std::intptr_t number) {
    return reinterpret_cast<pwWindowHandle>(number);
  }

  void AddWindow(std::intptr_t number) { windows.insert(Handle(number)); }

  bool IsWindow(pwWindowHandle window) override {
    ++isWindowCalls;
    return windows.count(window) != 0;
  }
  pwWindowHandle DesktopWindow() override { return desktop; }
  pwWindowHandle ForegroundWindow() override { return foreground; }
  bool IsWindows95Family() override { return windows95; }
  void ChangePassword(pwWindowHandle parent) override { passwordChanges.push_back(parent); }
  bool VerifySaverPassword(pwWindowHandle) override { return passwordAccepted; }
  void SetScreenSaverRunning(bool running) override { saverRunning = running; }
  void ShowMessageBox(pwWindowHandle owner, const char *text, const char *caption,
                      unsigned int icon) override {
    messageBoxes.push_back(MessageBoxCall{owner, text, caption, icon});
  }
  std::vector<pwMonitor> Monitors() override { return monitors; }

  std::set<pwWindowHandle> windows;
  pwWindowHandle foreground = nullptr;
  pwWindowHandle desktop = nullptr;
  bool windows95 = false;
  bool passwordAccepted = true;
  bool saverRunning = false;
  int isWindowCalls = 0;
  std::vector<pwWindowHandle> passwordChanges;
  std::vector<MessageBoxCall> messageBoxes;
  std::vector<pwMonitor> monitors;
};

// Installs a fake as the current platform for one scope.
class ScopedFakePlatform {
public:
  ScopedFakePlatform() { SetCurrentPlatform(&fake_); }
  ~ScopedFakePlatform() { SetCurrentPlatform(nullptr); }
  ScopedFakePlatform(const ScopedFakePlatform &) = delete;
  ScopedFakePlatform &operator=(const ScopedFakePlatform &) = delete;

  FakePlatform &operator*() { return fake_; }
  FakePlatform *operator->() { return &fake_; }

private:
  FakePlatform fake_;
};
