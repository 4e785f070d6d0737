#include "vorlunda/xsaver/x11/monitors.h"

#include <X11/extensions/Xinerama.h>
#include <X11/extensions/Xrandr.h>

namespace {

// Xinerama lists the heads without naming a primary; its first is the one
// the desktop treats as primary.
std::vector<pwMonitor> XineramaHeads(Display *display) {
  std::vector<pwMonitor> monitors;
  int events = 0, errors = 0;
  if (!XineramaQueryExtension(display, &events, &errors) || !XineramaIsActive(display))
    return monitors;
  int count = 0;
  XineramaScreenInfo *heads = XineramaQueryScreens(display, &count);
  for (int i = 0; i < count; ++i) {
    pwMonitor monitor;
    monitor.area = {heads[i].x_org, heads[i].y_org, heads[i].x_org + heads[i].width,
                    heads[i].y_org + heads[i].height};
    monitor.primary = i == 0;
    monitors.push_back(monitor);
  }
  if (heads != nullptr)
    XFree(heads);
  return monitors;
}

std::vector<pwMonitor> RandrMonitors(Display *display, int screen) {
  std::vector<pwMonitor> monitors;
  int events = 0, errors = 0, major = 0, minor = 0;
  if (!XRRQueryExtension(display, &events, &errors) || !XRRQueryVersion(display, &major, &minor) ||
      major * 100 + minor < 105)
    return monitors;
  int count = 0;
  XRRMonitorInfo *list = XRRGetMonitors(display, RootWindow(display, screen), True, &count);
  for (int i = 0; i < count; ++i) {
    pwMonitor monitor;
    monitor.area = {list[i].x, list[i].y, list[i].x + list[i].width, list[i].y + list[i].height};
    monitor.primary = list[i].primary != 0;
    monitors.push_back(monitor);
  }
  if (list != nullptr)
    XRRFreeMonitors(list);
  return monitors;
}

} // namespace

std::vector<pwMonitor> QueryMonitors(Display *display, int screen) {
  std::vector<pwMonitor> monitors = XineramaHeads(display);
  if (monitors.empty())
    monitors = RandrMonitors(display, screen);
  return monitors;
}
