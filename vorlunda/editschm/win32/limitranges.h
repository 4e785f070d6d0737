#pragma once

#include "pallwork/win32/doubleedit.h"
#include "pallwork/win32/intedit.h"
#include "pallwork/win32/scrollbar.h"
#include "vorlunda/schemelimits.h"

// A control of a sheet moves within its field's limits: the arrows (or the
// scroll bar) stop where the field says, in its steps.
inline void SetRangeOf(pwIntEdit &edit, const vIntLimits &limits) {
  edit.SetRange(limits.arrowLow, limits.high, limits.step);
}

inline void SetRangeOf(pwDoubleEdit &edit, const vDecimalLimits &limits) {
  edit.SetRange(limits.arrowLow, limits.high, limits.step, limits.decimals);
}

inline void SetRangeOf(pwScrollbar &bar, const vIntLimits &limits) {
  bar.SetRange(limits.arrowLow, limits.high, limits.step, limits.page);
}
