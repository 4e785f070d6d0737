#include "pallwork/tablayout.h"

#include <algorithm>

namespace {

// With never-shrink a smaller need keeps the current size on that axis.
std::int32_t Grow(std::int32_t needed, std::int32_t current, bool neverShrink, std::int32_t &size) {
  std::int32_t growth = needed - current;
  size = needed;
  if (neverShrink && growth < 0) {
    growth = 0;
    size = current;
  }
  return growth;
}

} // namespace

pwTabSize LargestSheet(const pwTabSize *sheets, std::int32_t count) {
  pwTabSize largest;
  for (std::int32_t i = 0; i < count; ++i) {
    largest.width = std::max(largest.width, sheets[i].width);
    largest.height = std::max(largest.height, sheets[i].height);
  }
  return largest;
}

pwTabLayout PlanTabLayout(pwTabSize needed, pwTabSize current, std::uint32_t flags) {
  const bool neverShrink = (flags & kTabLayoutNeverShrink) != 0;
  pwTabLayout layout;
  layout.growth.width = Grow(needed.width, current.width, neverShrink, layout.tabControl.width);
  layout.growth.height = Grow(needed.height, current.height, neverShrink, layout.tabControl.height);
  // Integer division truncates toward zero, so a shrinking dialog moves its
  // controls left by the smaller half too.
  if ((flags & kTabLayoutMoveRight) != 0)
    layout.moveX = layout.growth.width;
  else if ((flags & kTabLayoutMoveHalfRight) != 0)
    layout.moveX = layout.growth.width / 2;
  if ((flags & kTabLayoutMoveDown) != 0)
    layout.moveY = layout.growth.height;
  return layout;
}

std::int32_t NextTab(std::int32_t current, std::int32_t count) {
  return count > 0 ? (current + 1) % count : -1;
}

// count is added first so the first tab wraps to the last.
std::int32_t PreviousTab(std::int32_t current, std::int32_t count) {
  return count > 0 ? (count + current - 1) % count : -1;
}

pwSheetFocus DecideSheetFocus(bool focusInOldSheet, bool newSheetHasTabStop) {
  if (!focusInOldSheet)
    return pwSheetFocus::Stay;
  return newSheetHasTabStop ? pwSheetFocus::FirstTabStop : pwSheetFocus::TabControl;
}

std::uint32_t TabbedDialogHelpContext(bool onTabControl, std::uint32_t selectedSheetContext,
                                      std::uint32_t dialogContext) {
  return onTabControl && selectedSheetContext != 0 ? selectedSheetContext : dialogContext;
}
