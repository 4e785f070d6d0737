#include "pallwork/tablayout.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct LayoutCase {
  const char *name;
  pwTabSize needed;
  pwTabSize current;
  std::uint32_t flags;
  pwTabSize tabControl;
  pwTabSize growth;
  std::int32_t moveX;
  std::int32_t moveY;
};

// The product's dialogs use 13: never shrink, move right and down.
constexpr LayoutCase kLayoutCases[] = {
    {"grows and pushes right and down", {300, 200}, {250, 150}, 13, {300, 200}, {50, 50}, 50, 50},
    {"never shrinks either axis", {200, 100}, {250, 150}, 13, {250, 150}, {0, 0}, 0, 0},
    {"never shrink per axis", {300, 100}, {250, 150}, 13, {300, 150}, {50, 0}, 50, 0},
    {"shrinks without flag 8", {200, 100}, {250, 150}, 5, {200, 100}, {-50, -50}, -50, -50},
    {"half right, odd growth", {301, 200}, {250, 150}, 2, {301, 200}, {51, 50}, 25, 0},
    {"half right truncates toward zero", {199, 150}, {250, 150}, 2, {199, 150}, {-51, 0}, -25, 0},
    {"full right wins over half", {300, 150}, {250, 150}, 3, {300, 150}, {50, 0}, 50, 0},
    {"down only", {300, 180}, {250, 150}, 4, {300, 180}, {50, 30}, 0, 30},
    {"no flags still grow the dialog", {300, 180}, {250, 150}, 0, {300, 180}, {50, 30}, 0, 0},
};

TEST(TabLayout, SizesAndOffsetsFollowTheFlags) {
  for (const LayoutCase &c : kLayoutCases) {
    SCOPED_TRACE(c.name);
    const pwTabLayout layout = PlanTabLayout(c.needed, c.current, c.flags);
    EXPECT_EQ(layout.tabControl.width, c.tabControl.width);
    EXPECT_EQ(layout.tabControl.height, c.tabControl.height);
    EXPECT_EQ(layout.growth.width, c.growth.width);
    EXPECT_EQ(layout.growth.height, c.growth.height);
    EXPECT_EQ(layout.moveX, c.moveX);
    EXPECT_EQ(layout.moveY, c.moveY);
  }
}

TEST(TabLayout, LargestSheetTakesEachAxisFromAnySheet) {
  const pwTabSize sheets[] = {{120, 40}, {80, 90}, {100, 60}};
  const pwTabSize largest = LargestSheet(sheets, 3);
  EXPECT_EQ(largest.width, 120);
  EXPECT_EQ(largest.height, 90);
  const pwTabSize none = LargestSheet(nullptr, 0);
  EXPECT_EQ(none.width, 0);
  EXPECT_EQ(none.height, 0);
}

TEST(TabLayout, NextAndPreviousWrapAtBothEnds) {
  struct Case {
    std::int32_t current, count, next, previous;
  };
  const Case cases[] = {
      {0, 3, 1, 2}, {2, 3, 0, 1}, {1, 3, 2, 0}, {0, 1, 0, 0}, {-1, 3, 0, 1}, {0, 0, -1, -1},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.current << " of " << c.count);
    EXPECT_EQ(NextTab(c.current, c.count), c.next);
    EXPECT_EQ(PreviousTab(c.current, c.count), c.previous);
  }
}

TEST(TabLayout, FocusFollowsIntoTheNewSheetOnlyFromTheOldOne) {
  EXPECT_EQ(DecideSheetFocus(false, true), pwSheetFocus::Stay);
  EXPECT_EQ(DecideSheetFocus(false, false), pwSheetFocus::Stay);
  EXPECT_EQ(DecideSheetFocus(true, true), pwSheetFocus::FirstTabStop);
  EXPECT_EQ(DecideSheetFocus(true, false), pwSheetFocus::TabControl);
}

} // namespace
