#include "pallwork/monitorlayout.h"

#include <algorithm>

namespace {

pwScreenRect Union(const pwScreenRect &a, const pwScreenRect &b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

pwScreenRect Relative(const pwScreenRect &rect, const pwScreenRect &origin) {
  return {rect.left - origin.left, rect.top - origin.top, rect.right - origin.left,
          rect.bottom - origin.top};
}

// The monitors to draw on: the primary first, each distinct area once.
std::vector<pwScreenRect> DistinctAreas(const std::vector<pwMonitor> &monitors) {
  std::vector<pwMonitor> ordered;
  for (const pwMonitor &monitor : monitors)
    if (!monitor.area.IsEmpty())
      ordered.push_back(monitor);
  std::stable_partition(ordered.begin(), ordered.end(),
                        [](const pwMonitor &monitor) { return monitor.primary; });
  std::vector<pwScreenRect> areas;
  for (const pwMonitor &monitor : ordered)
    if (std::find(areas.begin(), areas.end(), monitor.area) == areas.end())
      areas.push_back(monitor.area);
  return areas;
}

} // namespace

bool operator==(const pwScreenRect &a, const pwScreenRect &b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

pwMonitorLayout LayOutMonitors(const std::vector<pwMonitor> &monitors, const pwScreenRect &screen) {
  std::vector<pwScreenRect> areas = DistinctAreas(monitors);
  if (areas.empty())
    areas.push_back(screen);
  pwMonitorLayout layout;
  layout.window = areas.front();
  for (const pwScreenRect &area : areas)
    layout.window = Union(layout.window, area);
  for (const pwScreenRect &area : areas)
    layout.areas.push_back(Relative(area, layout.window));
  return layout;
}
