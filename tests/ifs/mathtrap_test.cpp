#include "ifs/mathtrap.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

#if defined(_WIN32)
#include <float.h>
#endif

namespace {

// Some drivers and libraries unmask floating-point exceptions behind the
// program's back; this does the same for the length of a scope.
class UnmaskedFloatExceptions {
public:
  UnmaskedFloatExceptions() {
#if defined(_WIN32)
    _clearfp();
    saved_ = _controlfp(0, 0);
    _controlfp(saved_ & ~(_EM_ZERODIVIDE | _EM_INVALID | _EM_OVERFLOW), _MCW_EM);
#else
    std::feclearexcept(FE_ALL_EXCEPT);
    feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
#endif
  }
  ~UnmaskedFloatExceptions() {
#if defined(_WIN32)
    _clearfp();
    _controlfp(saved_, _MCW_EM);
#else
    fedisableexcept(FE_ALL_EXCEPT);
    std::feclearexcept(FE_ALL_EXCEPT);
#endif
  }

private:
  unsigned int saved_ = 0;
};

TEST(MathTrap, FaultsGoOnWithTheMaskedResult) {
  InstallMathTrap();
  const double inf = std::numeric_limits<double>::infinity();
  volatile double zero = 0.0, one = 1.0, huge = 1e300, minusOne = -1.0;
  for (int round = 0; round < 2; ++round) { // the trap stays installed
    UnmaskedFloatExceptions unmasked;
    EXPECT_EQ(inf, one / zero);
    EXPECT_TRUE(std::isnan(zero / zero));
    EXPECT_EQ(inf, huge * huge);
  }
  EXPECT_TRUE(std::isnan(std::log(minusOne)));
  EXPECT_EQ(-inf, std::log(zero));
  EXPECT_TRUE(std::isnan(std::acos(2.0 * one)));
}

} // namespace
