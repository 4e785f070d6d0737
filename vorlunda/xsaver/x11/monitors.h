#pragma once

#include "pallwork/monitorlayout.h"

#include <X11/Xlib.h>

#include <vector>

// The monitors of the display's screen in root-window coordinates, the
// primary one marked: Xinerama's heads where Xinerama is active, else
// RandR's monitors; empty when neither says.
std::vector<pwMonitor> QueryMonitors(Display *display, int screen);
