#include "vorlunda/lenientnumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

TEST(LenientInt, ReadsTheLeadingNumberAndSaturates) {
  const struct {
    const char *text;
    std::int32_t expected;
  } cases[] = {
      {" \t\n+42x", 42},
      {"-13.9", -13},
      {"7,8", 7},
      {"", 0},
      {"- 3", 0},
      {"0x1F", 0},
      {"-2147483648", INT32_MIN},
      {"2147483648", INT32_MAX},
      {"-2147483649", INT32_MIN},
      {"99999999999999999999999999", INT32_MAX},
      {"4294967308", INT32_MAX}, // 12 modulo 2^32: must not wrap into range
  };
  for (const auto &c : cases)
    EXPECT_EQ(ReadLenientInt(c.text), c.expected) << '"' << c.text << '"';
}

TEST(LenientDouble, ReadsOnlyDecimalNotationWithAFullStop) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char *text;
    double expected;
  } cases[] = {
      {" +1.35", 1.35},
      {"-.5", -0.5},
      {"5.", 5.0},
      {"2.5e+1x", 25.0},
      {"1E-2", 0.01},
      {"1e", 1.0},
      {"1e+,", 1.0},
      {"1.5.5", 1.5},
      {"1,5", 1.0},
      {".", 0.0},
      {"-", 0.0},
      {"e5", 0.0},
      {"nan", 0.0},
      {"-inf", 0.0},
      {"0x1p3", 0.0},
      {"1e400", inf},
      {"-1e400", -inf},
      {"1e-400", 0.0},
      {"1e99999999999999999999", inf},
  };
  for (const auto &c : cases)
    EXPECT_EQ(ReadLenientDouble(c.text), c.expected) << '"' << c.text << '"';
  EXPECT_TRUE(std::signbit(ReadLenientDouble("-1e-400")));
}

TEST(LenientDouble, LongDigitStringsRoundCorrectlyAndFindTheirDirection) {
  const double inf = std::numeric_limits<double>::infinity();
  // The exponent alone does not tell an overflow from an underflow.
  EXPECT_EQ(ReadLenientDouble(("1" + std::string(400, '0') + "e-10").c_str()), inf);
  EXPECT_EQ(ReadLenientDouble(("0." + std::string(400, '0') + "1e10").c_str()), 0.0);
  const std::string longForm = "0.44444" + std::string(2000, '0') + "1";
  EXPECT_EQ(ReadLenientDouble(longForm.c_str()), 0.44444);
  EXPECT_EQ(ReadLenientDouble((std::string(3000, '0') + "1.5").c_str()), 1.5);
}

} // namespace
