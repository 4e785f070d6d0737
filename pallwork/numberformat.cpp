#include "pallwork/numberformat.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

constexpr char kPoint = '.';

// "%#f" keeps the point even when no digit would follow it; the largest
// double has 309 digits before it.
String FixedText(double value) {
  const int length = std::snprintf(nullptr, 0, "%#f", value);
  std::vector<char> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
  std::snprintf(buffer.data(), buffer.size(), "%#f", value);
  return String(buffer.data());
}

int DigitsAfterPoint(const String &text) {
  const int point = text.Find(0, kPoint, true);
  return point < 0 ? 0 : text.Length() - point - 1;
}

} // namespace

String FormatDecimal(double value, std::int32_t decimals) {
  String text = FixedText(value);
  text.TrimTrailing('0');
  if (text.Length() > 0 && text.CStr()[text.Length() - 1] == kPoint)
    text += '0';
  if (decimals <= 0 || DigitsAfterPoint(text) >= decimals)
    return text;
  if (text.Find(0, kPoint, true) < 0)
    text += kPoint;
  for (int missing = decimals - DigitsAfterPoint(text); missing > 0; --missing)
    text += '0';
  return text;
}

double ParseDecimalField(const char *text) {
  char *end = nullptr;
  const double value = std::strtod(text, &end);
  if (end == text || *end != '\0')
    return std::numeric_limits<double>::quiet_NaN();
  return value;
}

std::int32_t ParseIntegerField(const char *text) {
  const bool negative = *text == '-';
  const char *digit = negative ? text + 1 : text;
  if (*digit == '\0')
    return 0;
  // Counted in 64 bits and held at just past the 32-bit range, which no
  // number of digits can overflow.
  constexpr std::int64_t kPastRange = std::int64_t{1} << 32;
  std::int64_t magnitude = 0;
  for (; *digit != '\0'; ++digit) {
    if (*digit < '0' || *digit > '9')
      return 0;
    magnitude = magnitude * 10 + (*digit - '0');
    if (magnitude > kPastRange)
      magnitude = kPastRange;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min())
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}
