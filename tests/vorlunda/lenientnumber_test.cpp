#include "vorlunda/lenientnumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

TEST(LenientInt, ReadsTheLeadingNumberAndIgnoresTheRest) {
  const struct {
    const char *text;
    std::int32_t expected;
  } cases[] = {
      {"42", 42},
      {"  \t\n42", 42},
      {"+7", 7},
      {"-13", -13},
      {"12abc", 12},
      {"12.9", 12},
      {"1e3", 1},
      {"", 0},
      {"abc", 0},
      {"-", 0},
      {"+-3", 0},
      {"- 3", 0},
      {"0x1F", 0},
      {"7,8", 7},
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"2147483648", INT32_MAX},
      {"-2147483649", INT32_MIN},
      {"99999999999999999999999999999999", INT32_MAX},
      {"-99999999999999999999999999999999", INT32_MIN},
      {"4294967308", INT32_MAX}, // 12 modulo 2^32: must not wrap into range
  };
  for (const auto &c : cases)
    EXPECT_EQ(ReadLenientInt(c.text), c.expected) << '"' << c.text << '"';
}

TEST(LenientDouble, ReadsTheLongestDecimalNumber) {
  const struct {
    const char *text;
    double expected;
  } cases[] = {
      {"0.400000", 0.4},
      {" 1.35", 1.35},
      {"+2.5", 2.5},
      {"-.5", -0.5},
      {"5.", 5.0},
      {".25x", 0.25},
      {"1e3", 1000.0},
      {"1E-2", 0.01},
      {"2.5e+1", 25.0},
      {"1e", 1.0},
      {"1e+", 1.0},
      {"1e-x", 1.0},
      {"1.5.5", 1.5},
      {"3,4", 3.0},
      {"1,5", 1.0}, // no decimal comma, whatever the locale
      {"", 0.0},
      {".", 0.0},
      {"-", 0.0},
      {"e5", 0.0},
      {"nan", 0.0},
      {"inf", 0.0},
      {"-infinity", 0.0},
      {"0x1p3", 0.0},
      {"1e-400", 0.0},
      {"0.000000000000000000000000000000000000000000000000000000000000001e-300", 0.0},
  };
  for (const auto &c : cases)
    EXPECT_EQ(ReadLenientDouble(c.text), c.expected) << '"' << c.text << '"';
}

TEST(LenientDouble, OutOfRangeKeepsItsSignAndDirection) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(ReadLenientDouble("1e400"), inf);
  EXPECT_EQ(ReadLenientDouble("-1e400"), -inf);
  EXPECT_EQ(ReadLenientDouble("1e99999999999999999999999"), inf);
  EXPECT_EQ(ReadLenientDouble("1e-99999999999999999999999"), 0.0);
  EXPECT_TRUE(std::signbit(ReadLenientDouble("-1e-400")));
  // A long mantissa with a negative exponent can still overflow, and a long
  // fraction with a positive one underflow.
  EXPECT_EQ(ReadLenientDouble(("1" + std::string(400, '0') + "e-10").c_str()), inf);
  EXPECT_EQ(ReadLenientDouble(("0." + std::string(400, '0') + "1e10").c_str()), 0.0);
}

TEST(LenientDouble, IsNeverNaNAndReadsLongTextsExactly) {
  EXPECT_FALSE(std::isnan(ReadLenientDouble("NaN")));
  EXPECT_TRUE(std::signbit(ReadLenientDouble("-0")));
  // Correct rounding does not depend on the number of digits given.
  const std::string longForm = "0." + std::string(5, '4') + std::string(2000, '0') + "1";
  EXPECT_EQ(ReadLenientDouble(longForm.c_str()), 0.44444);
  EXPECT_EQ(ReadLenientDouble((std::string(3000, '0') + "1.5").c_str()), 1.5);
}

} // namespace
