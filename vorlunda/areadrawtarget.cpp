#include "vorlunda/areadrawtarget.h"

#include <algorithm>

vAreaDrawTarget::vAreaDrawTarget(vDrawTarget &whole, const ifsPixelRect &area, bool holdsInfoLine)
    : whole_(whole), area_(area), holdsInfoLine_(holdsInfoLine) {}

// Clipped to the area: a rectangle asked for beyond it (an information line
// taller than a very low monitor) must not reach a neighbour or the desktop
// between monitors.
ifsPixelRect vAreaDrawTarget::Whole(const ifsPixelRect &rect) const {
  return {std::max(rect.left + area_.left, area_.left), std::max(rect.top + area_.top, area_.top),
          std::min(rect.right + area_.left, area_.right),
          std::min(rect.bottom + area_.top, area_.bottom)};
}

void vAreaDrawTarget::ClearRectToBlack(const ifsPixelRect &rect) {
  const ifsPixelRect inside = Whole(rect);
  if (!inside.IsEmpty())
    whole_.ClearRectToBlack(inside);
}

void vAreaDrawTarget::DrawInfoLine(const ifsPixelRect &rect, const char *text) {
  const ifsPixelRect inside = Whole(rect);
  if (!inside.IsEmpty())
    whole_.DrawInfoLine(inside, text);
}
