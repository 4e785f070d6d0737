#pragma once

#include "pallwork/editfilter.h"
#include "pallwork/win32/editline.h"

#include <cstdint>

// A text field that accepts the characters of the allowed classes only.
class pwStrEdit : public pwEditLine {
public:
  pwStrEdit(pwDialog *dialog, int controlId, bool autoDelete,
            std::uint32_t allowedClasses = kCharAnything)
      : pwEditLine(dialog, controlId, autoDelete), allowedClasses_(allowedClasses) {}

  bool IsCharAllowed(char character, bool isFirst) override;

  void SetAllowedClasses(std::uint32_t mask) { allowedClasses_ = mask; }
  std::uint32_t AllowedClasses() const { return allowedClasses_; }

private:
  std::uint32_t allowedClasses_;
};
