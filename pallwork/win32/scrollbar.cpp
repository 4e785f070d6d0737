#include "pallwork/win32/scrollbar.h"

#include "pallwork/scrollstep.h"

void pwScrollbar::OnScroll(UINT, int scrollCode, int position) {
  const pwScrollRange range = {minimum_, maximum_, lineStep_, pageStep_};
  const int current = Position();
  const int target = ScrollTarget(scrollCode, current, position, range);
  if (target != current)
    SetPosition(target, true);
}

void pwScrollbar::SetRange(std::int32_t minimum, std::int32_t maximum, std::int32_t lineStep,
                           std::int32_t pageStep) {
  minimum_ = minimum;
  maximum_ = maximum;
  lineStep_ = lineStep;
  pageStep_ = pageStep;
  SetScrollRange(window_, SB_CTL, minimum, maximum, TRUE);
}

int pwScrollbar::Position() const { return GetScrollPos(window_, SB_CTL); }

void pwScrollbar::SetPosition(int position, bool redraw) {
  SetScrollPos(window_, SB_CTL, position, redraw ? TRUE : FALSE);
}
