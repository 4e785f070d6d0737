#include "ifs/mathtrap.h"

#include "tests/ifs/support/floatexceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

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
