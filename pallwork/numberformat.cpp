#include "pallwork/numberformat.h"

#include <cstdio>
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
