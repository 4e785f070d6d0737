#include "pallwork/checklistlayout.h"

#include <gtest/gtest.h>

namespace {

TEST(CheckListLayout, MeasuresFromTheTextHeight) {
  struct {
    int textHeight, itemHeight, boxSize, textOffset;
  } const kCases[] = {
      {13, 15, 10, 20}, // 8-point "MS Shell Dlg" at 96 DPI
      {16, 18, 14, 24}, // the same at 120 DPI
      {14, 16, 12, 22},
      {3, 5, 0, 10},
  };
  for (const auto &c : kCases) {
    const pwCheckListLayout layout = MeasureCheckList(c.textHeight);
    EXPECT_EQ(layout.itemHeight, c.itemHeight) << c.textHeight;
    EXPECT_EQ(layout.checkBoxSize, c.boxSize) << c.textHeight;
    EXPECT_EQ(layout.textOffset, c.textOffset) << c.textHeight;
  }
}

TEST(CheckListLayout, HitsTheBoxBetweenItsSlackEdges) {
  const int size = 10;
  const struct {
    int x;
    bool hit;
  } kCases[] = {{0, false}, {3, false}, {4, true}, {5, true}, {15, true}, {16, false}, {40, false}};
  for (const auto &c : kCases)
    EXPECT_EQ(IsOnCheckBox(c.x, size), c.hit) << "x " << c.x;
}

TEST(CheckListLayout, ItemUnderAPointCountsFromTheTopIndex) {
  EXPECT_EQ(ItemIndexAt(0, 0, 15), 0);
  EXPECT_EQ(ItemIndexAt(14, 0, 15), 0);
  EXPECT_EQ(ItemIndexAt(15, 0, 15), 1);
  EXPECT_EQ(ItemIndexAt(44, 3, 15), 5);
  EXPECT_EQ(ItemIndexAt(44, 3, 0), 3); // not measured yet: no division by zero
}

TEST(CheckListLayout, BoxIsAClosedSquareAndTheCrossFollowsIt) {
  pwPoint points[kCheckBoxPoints] = {};
  ASSERT_EQ(CheckBoxOutline(10, 20, 8, false, points), 5);
  const pwPoint square[] = {{15, 22}, {23, 22}, {23, 30}, {15, 30}, {15, 22}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(points[i].x, square[i].x) << i;
    EXPECT_EQ(points[i].y, square[i].y) << i;
  }
  ASSERT_EQ(CheckBoxOutline(10, 20, 8, true, points), 8);
  // Top-left to bottom-right, up to top-right, down to bottom-left.
  const pwPoint cross[] = {{23, 30}, {23, 22}, {15, 30}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(points[5 + i].x, cross[i].x) << i;
    EXPECT_EQ(points[5 + i].y, cross[i].y) << i;
  }
}

} // namespace
