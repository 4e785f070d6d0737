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
#if defined(_WIN32)
  unsigned int saved_ = 0;
#endif
};

TEST(MathTrap, FloatingFaultsYieldTheMaskedResult) {
  InstallMathTrap();
  volatile double zero = 0.0, one = 1.0, huge = 1e300;
  double quotient, invalid, overflow;
  {
    UnmaskedFloatExceptions unmasked;
    quotient = one / zero;
    invalid = zero / zero;
    overflow = huge * huge;
  }
  EXPECT_EQ(std::numeric_limits<double>::infinity(), quotient);
  EXPECT_TRUE(std::isnan(invalid));
  EXPECT_EQ(std::numeric_limits<double>::infinity(), overflow);
}

TEST(MathTrap, FaultsAfterTheFirstAreSwallowedToo) {
  InstallMathTrap();
  volatile double zero = 0.0;
  for (int i = 0; i < 3; ++i) {
    UnmaskedFloatExceptions unmasked;
    volatile double value = -1.0 / zero;
    EXPECT_EQ(-std::numeric_limits<double>::infinity(), value);
  }
}

TEST(MathTrap, LibraryErrorsGoOnWithTheLibraryResult) {
  InstallMathTrap();
  volatile double minusOne = -1.0, zero = 0.0, two = 2.0;
  EXPECT_TRUE(std::isnan(std::log(minusOne)));
  EXPECT_EQ(-std::numeric_limits<double>::infinity(), std::log(zero));
  EXPECT_TRUE(std::isnan(std::sqrt(minusOne)));
  EXPECT_TRUE(std::isnan(std::acos(two)));
}

} // namespace
