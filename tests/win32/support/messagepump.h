#pragma once

#include <windows.h>

#include <functional>

// Dispatches every waiting message of this thread, through the dialog's
// keyboard interface when a dialog is given.
void PumpWaiting(HWND dialog = nullptr);

// Dispatches this thread's messages (through the dialog's keyboard interface
// when a dialog is given) until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()> &condition, DWORD timeoutMs, HWND dialog = nullptr);
void PumpFor(DWORD milliseconds, HWND dialog = nullptr);

// Brings a top-level window to the front with the keyboard focus.
bool BringToFront(HWND window);
