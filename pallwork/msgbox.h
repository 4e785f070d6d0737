#pragma once

#include "foundation/error.h"
#include "pallwork/windowhandle.h"

#include <cstdint>

constexpr unsigned int kErrorBoxNoIcon = 0;
constexpr unsigned int kErrorBoxStopIcon = 0x10;        // MB_ICONHAND
constexpr unsigned int kErrorBoxExclamationIcon = 0x30; // MB_ICONEXCLAMATION
constexpr unsigned int kErrorBoxInformationIcon = 0x40; // MB_ICONASTERISK

// The icon (and sound) for an error of this severity; no icon for success,
// which is never shown.
unsigned int ErrorBoxIcon(std::int32_t severity);

// Shows the error's message in a modal box owned by the window. Successful
// results show nothing.
void ShowErrorBox(pwWindowHandle owner, const char *caption, const Error &error);
