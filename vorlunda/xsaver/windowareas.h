#pragma once

#include "ifs/surface.h"
#include "pallwork/monitorlayout.h"

#include <vector>

// The drawing areas of a window lying at `window` (screen coordinates): the
// part of each monitor inside it, in the window's coordinates, the primary
// monitor's first. Empty when no monitor is known or none meets the window;
// the window is then drawn as one.
std::vector<ifsPixelRect> WindowAreas(const std::vector<pwMonitor> &monitors,
                                      const pwScreenRect &window);
