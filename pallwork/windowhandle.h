#pragma once

// A window handle as portable code sees it: pointer-sized and opaque. Only
// code under win32/ turns it into an HWND.
using pwWindowHandle = void *;
