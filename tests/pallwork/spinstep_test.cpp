#include "pallwork/spinstep.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr bool kUp = true;
constexpr bool kDown = false;

struct IntegerCase {
  std::int32_t value, step;
  bool up;
  std::int32_t minimum, maximum, expected;
};

TEST(SpinStep, IntegerGoesToTheNextMultipleStrictlyBeyond) {
  const IntegerCase kCases[] = {
      {7, 5, kUp, -100, 100, 10},
      {7, 5, kDown, -100, 100, 5},
      {-7, 5, kUp, -100, 100, -5},
      {-7, 5, kDown, -100, 100, -10},
      {10, 5, kDown, -100, 100, 5},
      {10, 5, kUp, -100, 100, 15},
      {-10, 5, kUp, -100, 100, -5},
      {0, 5, kUp, -100, 100, 5},
      {0, 5, kDown, -100, 100, -5},
      {3, 1, kUp, -100, 100, 4},
      {-3, 5, kUp, -100, 100, 0},
      {3, 5, kDown, -100, 100, 0},
      // Clamped at both ends; below the minimum wins.
      {0, 5, kDown, 0, 20, 0},
      {20, 5, kUp, 0, 20, 20},
      {18, 5, kUp, 0, 20, 20},
      {-50, 5, kUp, 0, 20, 0},
      {50, 5, kDown, 0, 20, 20},
      {0, 5, kUp, 10, 0, 10},
      // Near the ends of the type nothing wraps round.
      {INT32_MAX, 1, kUp, INT32_MIN, INT32_MAX, INT32_MAX},
      {INT32_MIN, 1, kDown, INT32_MIN, INT32_MAX, INT32_MIN},
      {INT32_MAX - 2, 1000, kUp, INT32_MIN, INT32_MAX, INT32_MAX},
  };
  for (const IntegerCase &c : kCases)
    EXPECT_EQ(StepInteger(c.value, c.step, c.up, c.minimum, c.maximum), c.expected)
        << c.value << (c.up ? " up" : " down") << " by " << c.step << " in [" << c.minimum << ", "
        << c.maximum << "]";
}

struct DoubleCase {
  double value, step;
  bool up;
  double minimum, maximum, expected;
};

TEST(SpinStep, DoubleCountsNearMultiplesAsMultiples) {
  const DoubleCase kCases[] = {
      {0.3, 0.1, kUp, -10, 10, 0.4},
      {0.3, 0.1, kDown, -10, 10, 0.2},
      {0.29999, 0.1, kUp, -10, 10, 0.4},
      {0.29999, 0.1, kDown, -10, 10, 0.2},
      {0.30001, 0.1, kUp, -10, 10, 0.4},
      {0.30001, 0.1, kDown, -10, 10, 0.2},
      {0.35, 0.1, kUp, -10, 10, 0.4},
      {0.35, 0.1, kDown, -10, 10, 0.3},
      {-0.35, 0.1, kUp, -10, 10, -0.3},
      {-0.35, 0.1, kDown, -10, 10, -0.4},
      {-0.29999, 0.1, kUp, -10, 10, -0.2},
      {-0.3, 0.1, kDown, -10, 10, -0.4},
      {0.0, 0.1, kUp, -10, 10, 0.1},
      {0.0, 0.1, kDown, -10, 10, -0.1},
      // Beyond the tolerance a value is between multiples.
      {0.3005, 0.1, kDown, -10, 10, 0.3},
      {0.2995, 0.1, kUp, -10, 10, 0.3},
      {2.0, 0.5, kUp, 0, 2, 2.0},
      {0.0, 0.5, kDown, 0, 2, 0.0},
      {7.0, 5.0, kUp, -100, 100, 10.0},
      {-7.0, 5.0, kDown, -100, 100, -10.0},
  };
  for (const DoubleCase &c : kCases)
    EXPECT_NEAR(StepDouble(c.value, c.step, c.up, c.minimum, c.maximum), c.expected, 1e-9)
        << c.value << (c.up ? " up" : " down") << " by " << c.step;
}

// Repeated stepping must not drift off the multiples through rounding.
TEST(SpinStep, DoubleWalkStaysOnTheGrid) {
  double value = 0.0;
  for (int i = 1; i <= 100; ++i) {
    value = StepDouble(value, 0.1, kUp, -100, 100);
    ASSERT_NEAR(value, i * 0.1, 1e-9) << "step " << i;
  }
  for (int i = 99; i >= -100; --i) {
    value = StepDouble(value, 0.1, kDown, -100, 100);
    ASSERT_NEAR(value, i * 0.1, 1e-9) << "step " << i;
  }
}

} // namespace
