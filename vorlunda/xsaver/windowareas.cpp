#include "vorlunda/xsaver/windowareas.h"

#include <algorithm>

std::vector<ifsPixelRect> WindowAreas(const std::vector<pwMonitor> &monitors,
                                      const pwScreenRect &window) {
  std::vector<pwMonitor> inside;
  for (const pwMonitor &monitor : monitors) {
    pwMonitor part = monitor;
    part.area.left = std::max(monitor.area.left, window.left) - window.left;
    part.area.top = std::max(monitor.area.top, window.top) - window.top;
    part.area.right = std::min(monitor.area.right, window.right) - window.left;
    part.area.bottom = std::min(monitor.area.bottom, window.bottom) - window.top;
    if (!part.area.IsEmpty())
      inside.push_back(part);
  }
  std::vector<ifsPixelRect> areas;
  if (inside.empty())
    return areas;
  const pwScreenRect whole = {0, 0, window.Width(), window.Height()};
  // The layout's areas are relative to the box round the monitors.
  const pwMonitorLayout layout = LayOutMonitors(inside, whole);
  for (const pwScreenRect &area : layout.areas)
    areas.push_back({area.left + layout.window.left, area.top + layout.window.top,
                     area.right + layout.window.left, area.bottom + layout.window.top});
  return areas;
}
