#include "pallwork/platform.h"

#include <windows.h>

namespace {

constexpr UINT kSpiSetScreenSaverRunning = 97; // SPI_SETSCREENSAVERRUNNING
constexpr char kPasswordProvider[] = "SCRSAVE";

using PwdChangePasswordFn = DWORD(WINAPI *)(LPCSTR provider, HWND parent, DWORD, DWORD);
using VerifyScreenSavePwdFn = BOOL(WINAPI *)(HWND window);

HWND ToHwnd(pwWindowHandle window) { return static_cast<HWND>(window); }

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info)) {
    const RECT &r = info.rcMonitor;
    reinterpret_cast<std::vector<pwMonitor> *>(list)->push_back(
        pwMonitor{{r.left, r.top, r.right, r.bottom}, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
  }
  return TRUE;
}

class ScopedLibrary {
public:
  explicit ScopedLibrary(const char *name) : module_(LoadLibraryA(name)) {}
  ~ScopedLibrary() {
    if (module_ != nullptr)
      FreeLibrary(module_);
  }
  ScopedLibrary(const ScopedLibrary &) = delete;
  ScopedLibrary &operator=(const ScopedLibrary &) = delete;

  // Null when the library or the export is missing.
  template <typename Fn> Fn Export(const char *name) const {
    if (module_ == nullptr)
      return nullptr;
    // Through the generic function type, which converts to any other
    // without a cast-function-type warning.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module_, name)));
  }

private:
  HMODULE module_;
};

class pwWin32Platform final : public pwPlatform {
public:
  bool IsWindow(pwWindowHandle window) override { return ::IsWindow(ToHwnd(window)) != FALSE; }
  pwWindowHandle DesktopWindow() override { return GetDesktopWindow(); }

  pwWindowHandle ForegroundWindow() override { return GetForegroundWindow(); }

  bool IsWindows95Family() override {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExA(&info) != FALSE && info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
  }

  void ChangePassword(pwWindowHandle parent) override {
    const ScopedLibrary mpr("MPR.DLL");
    const auto change = mpr.Export<PwdChangePasswordFn>("PwdChangePasswordA");
    if (change != nullptr)
      change(kPasswordProvider, ToHwnd(parent), 0, 0);
  }

  bool VerifySaverPassword(pwWindowHandle window) override {
    const ScopedLibrary passwordCpl("PASSWORD.CPL");
    const auto verify = passwordCpl.Export<VerifyScreenSavePwdFn>("VerifyScreenSavePwd");
    return verify == nullptr || verify(ToHwnd(window)) != FALSE;
  }

  void SetScreenSaverRunning(bool running) override {
    BOOL previous = FALSE;
    SystemParametersInfoA(kSpiSetScreenSaverRunning, running ? TRUE : FALSE, &previous, 0);
  }

  void ShowMessageBox(pwWindowHandle owner, const char *text, const char *caption,
                      unsigned int icon) override {
    MessageBeep(icon);
    MessageBoxA(ToHwnd(owner), text, caption, MB_OK | icon);
  }

  std::vector<pwMonitor> Monitors() override {
    std::vector<pwMonitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
  }
};

} // namespace

pwPlatform &BuiltInPlatform() {
  static pwWin32Platform platform;
  return platform;
}
