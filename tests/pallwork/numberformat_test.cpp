#include "pallwork/numberformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace {

TEST(NumberFormat, TrimsZerosKeepsOneDigitAndPadsToDecimals) {
  struct {
    double value;
    int decimals;
    const char *expected;
  } const kCases[] = {
      {2.0, 0, "2.0"},
      {2.0, 1, "2.0"},
      {2.0, 3, "2.000"},
      {1.5, 0, "1.5"},
      {1.5, 3, "1.500"},
      {1.25, 1, "1.25"}, // decimals pad, never cut
      {0.0, 0, "0.0"},
      {-2.0, 2, "-2.00"},
      {-0.25, 1, "-0.25"},
      {4 * 0.1, 1, "0.4"},        // 0.40000000000000002
      {0.1 + 0.2, 1, "0.3"},      // 0.30000000000000004
      {0.1234567, 0, "0.123457"}, // six decimals, rounded
      {0.0000004, 0, "0.0"},
      {100.0, 0, "100.0"}, // zeros before the point stay
      {1e20, 2, "100000000000000000000.00"},
  };
  for (const auto &c : kCases)
    EXPECT_STREQ(FormatDecimal(c.value, c.decimals).CStr(), c.expected)
        << c.value << " with " << c.decimals << " decimals";
}

TEST(NumberFormat, LargestDoubleIsWrittenWhole) {
  const String text = FormatDecimal(1.7976931348623157e308, 0);
  EXPECT_EQ(text.Length(), 309 + 2);
  EXPECT_EQ(text.Find(0, ".0", true), 309);
}

// What a field shows is what it gives, whatever its length; what it cannot
// give fails the range check that follows instead of turning into 0.
TEST(NumberParse, FieldsGiveWhatTheyShow) {
  const std::string zeros(32, '0');
  EXPECT_EQ(ParseDecimalField((zeros + "1.5").c_str()), 1.5);
  EXPECT_EQ(ParseDecimalField("-0.25"), -0.25);
  EXPECT_EQ(ParseDecimalField("7."), 7.0);
  for (const char *unreadable : {"", "-", ".", "1.2.3", "1e"})
    EXPECT_TRUE(std::isnan(ParseDecimalField(unreadable))) << unreadable;

  constexpr std::int32_t kMost = 2147483647;
  const struct {
    const char *text;
    std::int32_t value;
  } kIntegers[] = {
      {"5", 5},
      {"-7", -7},
      {"2147483647", kMost},
      {"2147483648", kMost},
      {"4294967301", kMost}, // not 5, as a wrapped 32-bit read gives
      {"99999999999999999999", kMost},
      {"-99999999999999999999", -kMost - 1},
      {"", 0},
      {"-", 0},
  };
  for (const auto &c : kIntegers)
    EXPECT_EQ(ParseIntegerField(c.text), c.value) << c.text;
  EXPECT_EQ(ParseIntegerField((std::string(29, '0') + "5").c_str()), 5);
}

} // namespace
