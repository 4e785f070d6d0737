#include "pallwork/platform.h"

namespace {

// Builds without Windows have no windows, no password services and no one to
// show a message box to; the saver's logic still runs against this.
class pwHeadlessPlatform final : public pwPlatform {
public:
  bool IsWindow(pwWindowHandle) override { return false; }
  pwWindowHandle ForegroundWindow() override { return nullptr; }
  bool IsWindows95Family() override { return false; }
  void ChangePassword(pwWindowHandle) override {}
  bool VerifySaverPassword(pwWindowHandle) override { return true; }
  void SetScreenSaverRunning(bool) override {}
  void ShowMessageBox(pwWindowHandle, const char *, const char *, unsigned int) override {}
};

} // namespace

pwPlatform &BuiltInPlatform() {
  static pwHeadlessPlatform platform;
  return platform;
}
