#include "tests/ifs/support/floatexceptions.h"

#include <cfenv>

UnmaskedFloatExceptions::UnmaskedFloatExceptions() {
  std::feclearexcept(FE_ALL_EXCEPT);
  feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
}

UnmaskedFloatExceptions::~UnmaskedFloatExceptions() {
  fedisableexcept(FE_ALL_EXCEPT);
  std::feclearexcept(FE_ALL_EXCEPT);
}
