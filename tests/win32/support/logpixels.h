#pragma once

#include <windows.h>

// The desktop's resolution setting (HKCU\Control Panel\Desktop LogPixels),
// which Wine reads when a program starts; put back however the test ends.
class LogPixelsSetting {
public:
  LogPixelsSetting();
  ~LogPixelsSetting();
  LogPixelsSetting(const LogPixelsSetting &) = delete;
  LogPixelsSetting &operator=(const LogPixelsSetting &) = delete;

  bool Set(DWORD dpi);

private:
  HKEY key_ = nullptr;
  DWORD saved_ = 0;
  bool hadValue_ = false;
};
