#include "tests/win32/support/logpixels.h"

namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kLogPixels[] = "LogPixels";

} // namespace

LogPixelsSetting::LogPixelsSetting() {
  RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                  &key_, nullptr);
  DWORD size = sizeof(saved_);
  DWORD type = 0;
  hadValue_ = RegQueryValueExA(key_, kLogPixels, nullptr, &type, reinterpret_cast<BYTE *>(&saved_),
                               &size) == ERROR_SUCCESS &&
              type == REG_DWORD;
}

LogPixelsSetting::~LogPixelsSetting() {
  if (hadValue_)
    Set(saved_);
  else
    RegDeleteValueA(key_, kLogPixels);
  RegCloseKey(key_);
}

bool LogPixelsSetting::Set(DWORD dpi) {
  return RegSetValueExA(key_, kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&dpi),
                        sizeof(dpi)) == ERROR_SUCCESS;
}
