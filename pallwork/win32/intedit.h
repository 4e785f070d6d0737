#pragma once

#include "pallwork/win32/editline.h"

#include <cstdint>

// An integer field: digits, and a leading minus when negatives are allowed.
// The field's scroll-bar arrows step the value to the next multiple of the
// step, within the range.
class pwIntEdit : public pwEditLine {
public:
  using pwEditLine::pwEditLine;

  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  bool IsCharAllowed(char character, bool isFirst) override;

  // 0 when the text is not a number.
  std::int32_t GetValue() const;
  void SetValue(std::int32_t value);
  void SetRange(std::int32_t minimum, std::int32_t maximum, std::int32_t step);

private:
  std::int32_t minimum_ = 0;
  std::int32_t maximum_ = 0;
  std::int32_t step_ = 1;
};
