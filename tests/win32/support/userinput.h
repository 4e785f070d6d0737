#pragma once

// Input as a person gives it: real key strokes and mouse clicks through the
// system's input queue, and the clipboard.

#include <windows.h>

// A key stroke through the system's input queue, as a person would type it,
// with Ctrl and Shift held around it when asked.
void PressKey(WORD virtualKey, bool control = false, bool shift = false);

// Types the characters with real key strokes, Shift where the layout wants it.
void TypeText(const char *text);
// Puts the text on the clipboard as CF_TEXT.
bool PutOnClipboard(HWND owner, const char *text);
// Puts the text on the clipboard as CF_UNICODETEXT, as another program may.
bool PutOnClipboard(HWND owner, const wchar_t *text);

// Real mouse input at a point on the screen.
void MoveMouseTo(POINT screen);
void ClickAt(POINT screen);
void DoubleClickAt(POINT screen);
POINT ScreenPointOf(HWND window, int clientX, int clientY);
