#pragma once

#include "vorlunda/config.h"

#include <windows.h>

// Runs the saver full screen on one scheme, as the settings dialogs' Test
// buttons do: the general settings come from `general`, the only scheme is a
// copy of `pair` switched on, the password check is off, and `owner` is
// disabled meanwhile. Returns when the saver has ended.
void RunSchemeTest(HWND owner, const vConfigMgr &general, const vNameSchemePair &pair);
