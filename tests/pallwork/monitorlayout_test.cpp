#include "pallwork/monitorlayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Areas = std::vector<pwScreenRect>;

const pwScreenRect kScreen = {0, 0, 1920, 1080};

TEST(MonitorLayout, EachMonitorGetsItsAreaInWindowCoordinates) {
  const struct {
    const char *what;
    std::vector<pwMonitor> monitors;
    pwScreenRect window;
    Areas areas;
  } kCases[] = {
      {"one monitor: the screen as it always was",
       {{{0, 0, 1920, 1080}, true}},
       {0, 0, 1920, 1080},
       {{0, 0, 1920, 1080}}},
      {"none known: the screen", {}, kScreen, {{0, 0, 1920, 1080}}},
      {"second monitor to the left, lower and smaller",
       {{{0, 0, 2560, 1440}, true}, {{-1280, 400, 0, 1424}, false}},
       {-1280, 0, 2560, 1440},
       {{1280, 0, 3840, 1440}, {0, 400, 1280, 1424}}},
      {"primary listed last comes first",
       {{{1920, 0, 3840, 1200}, false}, {{0, 0, 1920, 1080}, true}},
       {0, 0, 3840, 1200},
       {{0, 0, 1920, 1080}, {1920, 0, 3840, 1200}}},
      {"stacked above, portrait",
       {{{0, 0, 1920, 1080}, true}, {{400, -1920, 1480, 0}, false}},
       {0, -1920, 1920, 1080},
       {{0, 1920, 1920, 3000}, {400, 0, 1480, 1920}}},
      {"mirrored and empty monitors add no areas",
       {{{0, 0, 1920, 1080}, true}, {{0, 0, 1920, 1080}, false}, {{1920, 0, 1920, 1080}, false}},
       {0, 0, 1920, 1080},
       {{0, 0, 1920, 1080}}},
      {"three in a row, none marked primary",
       {{{0, 0, 100, 50}, false}, {{100, 0, 200, 80}, false}, {{200, 0, 260, 50}, false}},
       {0, 0, 260, 80},
       {{0, 0, 100, 50}, {100, 0, 200, 80}, {200, 0, 260, 50}}},
  };
  for (const auto &c : kCases) {
    const pwMonitorLayout layout = LayOutMonitors(c.monitors, kScreen);
    EXPECT_EQ(layout.window, c.window) << c.what;
    EXPECT_EQ(layout.areas, c.areas) << c.what;
    for (const pwScreenRect &area : layout.areas) {
      EXPECT_GE(area.left, 0) << c.what;
      EXPECT_GE(area.top, 0) << c.what;
      EXPECT_LE(area.right, layout.window.Width()) << c.what;
      EXPECT_LE(area.bottom, layout.window.Height()) << c.what;
    }
  }
}

} // namespace
