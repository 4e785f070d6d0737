#pragma once

#include <windows.h>

// Runs the disabled test `test` of this very program in a child process (one
// that must start afresh, say to read a new desktop resolution) and returns
// its exit code; a child still running after the time is ended with code 1.
DWORD RunDisabledTestInChild(const char *test, DWORD timeoutMs);
