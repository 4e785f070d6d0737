#pragma once

#include <cstdint>
#include <vector>

// Pixels [left, right) × [top, bottom).
struct pwScreenRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
};

bool operator==(const pwScreenRect &a, const pwScreenRect &b);
inline bool operator!=(const pwScreenRect &a, const pwScreenRect &b) { return !(a == b); }

// One monitor of the desktop, in screen coordinates (the primary monitor's
// top-left corner is the origin; others may lie at negative coordinates).
struct pwMonitor {
  pwScreenRect area;
  bool primary = false;
};

// Where the full-screen saver puts its window, and where each monitor's
// drawing goes inside it.
struct pwMonitorLayout {
  // Screen coordinates: the smallest rectangle holding every monitor, which
  // is the system's virtual screen.
  pwScreenRect window;
  // Client coordinates of the window, one a monitor, the primary first and
  // the others in the order the system listed them.
  std::vector<pwScreenRect> areas;
};

// The layout of the given monitors. Empty monitors are ignored, and a
// monitor showing the same pixels as an earlier one (a mirrored display)
// gets no area of its own. Without any monitor, `screen` is the one.
pwMonitorLayout LayOutMonitors(const std::vector<pwMonitor> &monitors, const pwScreenRect &screen);
