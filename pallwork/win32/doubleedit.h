#pragma once

#include "pallwork/editfilter.h"
#include "pallwork/win32/editline.h"

#include <cstdint>

// A decimal field: digits, one point, and a leading minus when negatives are
// allowed. The arrows step to the next multiple of the step within a small
// tolerance; values show at least `decimals` digits after the point.
class pwDoubleEdit : public pwEditLine {
public:
  using pwEditLine::pwEditLine;

  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  bool IsCharAllowed(char character, bool isFirst) override;

  // Not a number unless the whole text is one number.
  double GetValue() const;
  void SetValue(double value);
  void SetRange(double minimum, double maximum, double step, std::int32_t decimals);

private:
  double minimum_ = 0.0;
  double maximum_ = 0.0;
  double step_ = 1.0;
  std::int32_t decimals_ = 0;
  pwDecimalCharRule charRule_; // remembers the point between characters
};
