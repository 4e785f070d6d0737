#pragma once

#include <cstdint>

// The geometry of a check list's items, measured from the height of the
// dialog font's text. Each item has a square check box near its left edge,
// then its text.
struct pwCheckListLayout {
  std::int32_t itemHeight;
  std::int32_t checkBoxSize; // even, so the cross meets the corners
  std::int32_t textOffset;   // from the item's left edge
};

constexpr std::int32_t kCheckBoxLeft = 5;
constexpr std::int32_t kCheckBoxTop = 2;

pwCheckListLayout MeasureCheckList(std::int32_t textHeight);

// Whether a click at x (client pixels) lands on an item's check box; the
// box's own column and a pixel either side count.
bool IsOnCheckBox(std::int32_t x, std::int32_t checkBoxSize);

// The item under y (client pixels) of a list scrolled to topIndex; may lie
// beyond the last item.
std::int32_t ItemIndexAt(std::int32_t y, std::int32_t topIndex, std::int32_t itemHeight);

struct pwPoint {
  std::int32_t x;
  std::int32_t y;
};

// The check box as one line through up to kCheckBoxPoints points, starting at
// the item's corner (left, top): the closed square, and for a checked item
// both diagonals after it, forming a cross. Returns the number of points.
constexpr int kCheckBoxPoints = 8;
int CheckBoxOutline(std::int32_t left, std::int32_t top, std::int32_t checkBoxSize, bool checked,
                    pwPoint (&points)[kCheckBoxPoints]);
