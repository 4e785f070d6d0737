#pragma once

#include <windows.h>

// Facts of the display a fractal is drawn on, independent of any fractal.

// True on a device with a 256-entry hardware palette.
bool UsesPalette(HDC dc);

// The device's reserved system colours (returned through `reserved`)
// followed by the 6 × 6 × 6 colour cube, red varying slowest. The caller owns
// the palette and sets the fractal's palette base to *reserved.
HPALETTE CreateCubePalette(HDC dc, int *reserved);

// Physical width / height of width × height pixels of the window's device.
double AspectRatio(HWND window, int width, int height);
