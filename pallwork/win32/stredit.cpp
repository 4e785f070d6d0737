#include "pallwork/win32/stredit.h"

bool pwStrEdit::IsCharAllowed(char character, bool) {
  return IsClassCharAllowed(character, allowedClasses_);
}
