#include "vorlunda/areadrawtarget.h"

vAreaDrawTarget::vAreaDrawTarget(vDrawTarget &whole, const ifsPixelRect &area, bool holdsInfoLine)
    : whole_(whole), area_(area), holdsInfoLine_(holdsInfoLine) {}

ifsPixelRect vAreaDrawTarget::Whole(const ifsPixelRect &rect) const {
  return {rect.left + area_.left, rect.top + area_.top, rect.right + area_.left,
          rect.bottom + area_.top};
}
