#include "pallwork/checklistlayout.h"

namespace {

constexpr std::int32_t kItemPadding = 2;   // item height over the text height
constexpr std::int32_t kBoxShrink = 2;     // box size under the text height
constexpr std::int32_t kTextGap = 10;      // text offset beyond the box size
constexpr std::int32_t kHitSlackLeft = 3;  // x must exceed this
constexpr std::int32_t kHitSlackRight = 6; // x must stay below box size + this
constexpr int kSquarePoints = 5;

} // namespace

pwCheckListLayout MeasureCheckList(std::int32_t textHeight) {
  pwCheckListLayout layout = {};
  layout.itemHeight = textHeight + kItemPadding;
  layout.checkBoxSize = (textHeight - kBoxShrink) & ~std::int32_t{1};
  layout.textOffset = layout.checkBoxSize + kTextGap;
  return layout;
}

bool IsOnCheckBox(std::int32_t x, std::int32_t checkBoxSize) {
  return kHitSlackLeft < x && x < checkBoxSize + kHitSlackRight;
}

std::int32_t ItemIndexAt(std::int32_t y, std::int32_t topIndex, std::int32_t itemHeight) {
  if (itemHeight <= 0)
    return topIndex;
  return topIndex + y / itemHeight;
}

int CheckBoxOutline(std::int32_t left, std::int32_t top, std::int32_t checkBoxSize, bool checked,
                    pwPoint (&points)[kCheckBoxPoints]) {
  const std::int32_t x0 = left + kCheckBoxLeft;
  const std::int32_t y0 = top + kCheckBoxTop;
  const std::int32_t x1 = x0 + checkBoxSize;
  const std::int32_t y1 = y0 + checkBoxSize;
  const pwPoint path[kCheckBoxPoints] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1},
                                         {x0, y0}, {x1, y1}, {x1, y0}, {x0, y1}};
  const int count = checked ? kCheckBoxPoints : kSquarePoints;
  for (int i = 0; i < count; ++i)
    points[i] = path[i];
  return count;
}
