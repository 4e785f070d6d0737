#include "tests/ifs/support/floatexceptions.h"

#include <float.h>

UnmaskedFloatExceptions::UnmaskedFloatExceptions() {
  _clearfp();
  saved_ = _controlfp(0, 0);
  _controlfp(saved_ & ~(_EM_ZERODIVIDE | _EM_INVALID | _EM_OVERFLOW), _MCW_EM);
}

UnmaskedFloatExceptions::~UnmaskedFloatExceptions() {
  _clearfp();
  _controlfp(saved_, _MCW_EM);
}
