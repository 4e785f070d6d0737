#pragma once

#include "vorlunda/config.h"

#include <windows.h>

// Runs the edit-scheme dialog on `pair`: true after OK, when the pair holds
// the new values; false after Cancel, the pair untouched. `position` is the
// pair's place in `config`, so that its own name does not count as taken.
bool EditScheme(HWND parent, vNameSchemePair &pair, vConfigMgr &config, int position);
