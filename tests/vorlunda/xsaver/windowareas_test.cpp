#include "vorlunda/xsaver/windowareas.h"

#include <gtest/gtest.h>

namespace {

std::string Areas(const std::vector<ifsPixelRect> &areas) {
  std::string text;
  for (const ifsPixelRect &a : areas)
    text += "(" + std::to_string(a.left) + "," + std::to_string(a.top) + "," +
            std::to_string(a.right) + "," + std::to_string(a.bottom) + ")";
  return text;
}

pwMonitor Monitor(int left, int top, int right, int bottom, bool primary = false) {
  pwMonitor monitor;
  monitor.area = {left, top, right, bottom};
  monitor.primary = primary;
  return monitor;
}

} // namespace

TEST(WindowAreas, EachMonitorGetsItsPartOfTheWindowPrimaryFirst) {
  const std::vector<pwMonitor> heads = {Monitor(0, 0, 800, 600), Monitor(800, 0, 1440, 480, true)};
  // The root window of a two-head screen.
  EXPECT_EQ(Areas(WindowAreas(heads, {0, 0, 1440, 600})), "(800,0,1440,480)(0,0,800,600)");
  // A daemon's window over the second head alone.
  EXPECT_EQ(Areas(WindowAreas(heads, {800, 0, 1440, 480})), "(0,0,640,480)");
  // A window of its own across the bezel.
  EXPECT_EQ(Areas(WindowAreas(heads, {700, 100, 900, 300})), "(100,0,200,200)(0,0,100,200)");
  // Off every monitor, or without any known: drawn as one.
  EXPECT_EQ(Areas(WindowAreas(heads, {0, 700, 100, 800})), "");
  EXPECT_EQ(Areas(WindowAreas({}, {0, 0, 1440, 600})), "");
  // A mirrored head draws once.
  EXPECT_EQ(
      Areas(WindowAreas({Monitor(0, 0, 800, 600), Monitor(0, 0, 800, 600)}, {0, 0, 800, 600})),
      "(0,0,800,600)");
}
