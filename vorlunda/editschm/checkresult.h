#pragma once

#include "foundation/error.h"

// The outcome of checking one sheet's values: the first failure, and the
// field it is about, so the dialog can put the focus there. Field is the
// sheet's own enumeration of its checked fields.
template <typename Field> struct vCheckResult {
  Error error;
  Field field{};

  bool Passed() const { return error.Succeeded(); }
};

// The failure of one check, raised by the sheet module that owns the message.
template <typename Field> vCheckResult<Field> CheckFailure(Field field, const String &message) {
  return vCheckResult<Field>{Error(kSeverityError, message), field};
}
