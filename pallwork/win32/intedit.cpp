#include "pallwork/win32/intedit.h"

#include "pallwork/editfilter.h"
#include "pallwork/numberformat.h"
#include "pallwork/spinstep.h"

bool pwIntEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  if (message != WM_VSCROLL)
    return pwEditLine::HandleMessage(message, wParam, lParam, result);
  result = 0;
  if (IsWindowEnabled(window_))
    SetFocus(window_);
  const int code = LOWORD(wParam);
  if ((code != SB_LINEUP && code != SB_LINEDOWN) || step_ == 0)
    return true;
  const std::int32_t current = GetValue();
  const std::int32_t next = StepInteger(current, step_, code == SB_LINEUP, minimum_, maximum_);
  if (next != current)
    SetValue(next);
  return true;
}

bool pwIntEdit::IsCharAllowed(char character, bool isFirst) {
  return IsIntegerCharAllowed(character, isFirst, minimum_);
}

// The text itself, not GetDlgItemInt, which reads a number it cannot hold,
// or more digits than it expects, as a failure.
std::int32_t pwIntEdit::GetValue() const { return ParseIntegerField(Text()); }

void pwIntEdit::SetValue(std::int32_t value) {
  SetDlgItemInt(GetParent(window_), ControlId(), static_cast<UINT>(value), TRUE);
}

void pwIntEdit::SetRange(std::int32_t minimum, std::int32_t maximum, std::int32_t step) {
  minimum_ = minimum;
  maximum_ = maximum;
  step_ = step;
}
