#pragma once

#include "foundation/hashtable.h"

#include <windows.h>

#include <cstdint>

class pwControl;

// Window handle to control object.
using pwControlMap = HashTable<HWND, pwControl *>;

constexpr std::uint32_t kDialogControlBuckets = 31;
constexpr std::uint32_t kControlWindowBuckets = 127;

// Every subclassed control of the process, so the shared control procedure
// finds its object. Made on first use (before any control attaches) and
// destroyed at exit.
pwControlMap &pwControlWindowMap();
