#include "pallwork/win32/doubleedit.h"

#include "pallwork/numberformat.h"
#include "pallwork/spinstep.h"

#include <cmath>

bool pwDoubleEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  if (message != WM_VSCROLL)
    return pwEditLine::HandleMessage(message, wParam, lParam, result);
  result = 0;
  if (IsWindowEnabled(window_))
    SetFocus(window_);
  const int code = LOWORD(wParam);
  // A step of 0 has no multiples to go to; the field keeps its value.
  if ((code != SB_LINEUP && code != SB_LINEDOWN) || !(step_ > 0.0))
    return true;
  double current = GetValue();
  // A field that holds no number steps from its lowest value.
  if (std::isnan(current))
    current = minimum_;
  const double next = StepDouble(current, step_, code == SB_LINEUP, minimum_, maximum_);
  if (next != current)
    SetValue(next);
  return true;
}

bool pwDoubleEdit::IsCharAllowed(char character, bool isFirst) {
  return charRule_.IsAllowed(character, isFirst, minimum_);
}

double pwDoubleEdit::GetValue() const { return ParseDecimalField(Text()); }

void pwDoubleEdit::SetValue(double value) {
  SetWindowTextA(window_, FormatDecimal(value, decimals_).CStr());
}

void pwDoubleEdit::SetRange(double minimum, double maximum, double step, std::int32_t decimals) {
  minimum_ = minimum;
  maximum_ = maximum;
  step_ = step;
  decimals_ = decimals;
}
