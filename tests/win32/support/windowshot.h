#pragma once

#include <windows.h>

#include <string>

// Writes what the screen shows of a window, frame included, as a 24-bit BMP.
// False when the capture or the file failed.
bool SaveWindowShot(HWND window, const std::string &path);

// A path under the build's test-tmp folder (or the current folder without one).
std::string TestTmpPath(const std::string &name);
