#include "pallwork/win32/helpsystem.h"

namespace {

// RtlGetVersion reports the real version; GetVersionExA is capped at 6.2 for
// programs without a compatibility manifest, which still reads as "Vista or
// later", so it serves as the fallback.
bool VersionFromNtdll(pwSystemVersion &version) {
  using RtlGetVersionFunction = LONG(WINAPI *)(OSVERSIONINFOW *);
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  if (ntdll == nullptr) {
    return false;
  }
  auto rtlGetVersion = reinterpret_cast<RtlGetVersionFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "RtlGetVersion")));
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (rtlGetVersion == nullptr || rtlGetVersion(&info) != 0) {
    return false;
  }
  version = {info.dwMajorVersion, info.dwMinorVersion};
  return true;
}

} // namespace

pwSystemVersion pwHelpSystem::Version() {
  pwSystemVersion version;
  if (VersionFromNtdll(version)) {
    return version;
  }
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (GetVersionExA(&info)) {
    version = {info.dwMajorVersion, info.dwMinorVersion};
  }
  return version;
}

std::string pwHelpSystem::ProgramPath() {
  char path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    return std::string();
  }
  return std::string(path, length);
}

bool pwHelpSystem::CallWinHelp(HWND owner, const char *file, UINT command, ULONG_PTR data) {
  return WinHelpA(owner, file, command, data) != FALSE;
}

pwHelpSystem::HtmlHelpFunction pwHelpSystem::LoadHtmlHelp() {
  if (htmlHelp == nullptr && htmlHelpModule == nullptr) {
    htmlHelpModule = LoadLibraryA("hhctrl.ocx");
    if (htmlHelpModule != nullptr) {
      htmlHelp = reinterpret_cast<HtmlHelpFunction>(
          reinterpret_cast<void (*)()>(GetProcAddress(htmlHelpModule, "HtmlHelpA")));
    }
  }
  return htmlHelp;
}

bool pwHelpSystem::CallHtmlHelp(HWND owner, const char *file, UINT command, DWORD_PTR data) {
  HtmlHelpFunction function = LoadHtmlHelp();
  if (function == nullptr) {
    return false;
  }
  function(owner, file, command, data);
  return true;
}
