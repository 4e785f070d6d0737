#include "vorlunda/lenientnumber.h"

#include "foundation/ascii.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Big enough to saturate any exponent that could still matter, small enough
// that adding a digit position never overflows.
constexpr std::int64_t kExponentLimit = 1000000000;

const char *SkipWhiteSpace(const char *p) {
  while (IsAsciiWhiteSpace(*p))
    ++p;
  return p;
}

// Consumes an optional sign and reports whether it was a minus.
bool TakeSign(const char *&p) {
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+')
    ++p;
  return negative;
}

const char *SkipDigits(const char *p) {
  while (IsAsciiDigit(*p))
    ++p;
  return p;
}

// The extent of a decimal floating-point number, sign already taken.
struct DecimalText {
  const char *begin;
  const char *integerEnd; // integer digits are [begin, integerEnd)
  const char *fractionBegin;
  const char *fractionEnd; // fraction digits are [fractionBegin, fractionEnd)
  const char *end;         // after the exponent, if there is one
  std::int64_t exponent;   // saturated at kExponentLimit
};

std::int64_t ReadExponentDigits(const char *p, const char *end) {
  std::int64_t value = 0;
  for (; p != end; ++p)
    value = std::min(value * 10 + (*p - '0'), kExponentLimit);
  return value;
}

// Takes the exponent only when digits follow the 'e': "1e" and "1e+" read as 1.
void ScanExponent(DecimalText &number) {
  const char *p = number.end;
  if (*p != 'e' && *p != 'E')
    return;
  ++p;
  const bool negative = TakeSign(p);
  const char *digitsEnd = SkipDigits(p);
  if (digitsEnd == p)
    return;
  const std::int64_t magnitude = ReadExponentDigits(p, digitsEnd);
  number.exponent = negative ? -magnitude : magnitude;
  number.end = digitsEnd;
}

bool ScanDecimal(const char *p, DecimalText &number) {
  number.begin = p;
  number.integerEnd = SkipDigits(p);
  number.fractionBegin = number.fractionEnd = number.integerEnd;
  if (*number.integerEnd == '.') {
    number.fractionBegin = number.integerEnd + 1;
    number.fractionEnd = SkipDigits(number.fractionBegin);
  }
  if (number.integerEnd == number.begin && number.fractionEnd == number.fractionBegin)
    return false;
  number.end = number.fractionEnd;
  number.exponent = 0;
  ScanExponent(number);
  return true;
}

// Decimal exponent of the leading significant digit; only its sign is used,
// to tell an overflow from an underflow.
std::int64_t LeadingDigitExponent(const DecimalText &number) {
  for (const char *p = number.begin; p != number.integerEnd; ++p)
    if (*p != '0')
      return number.exponent + (number.integerEnd - p - 1);
  for (const char *p = number.fractionBegin; p != number.fractionEnd; ++p)
    if (*p != '0')
      return number.exponent - (p - number.fractionBegin + 1);
  return -1; // all zeros: cannot be out of range, treat as an underflow
}

double ConvertDecimal(const DecimalText &number) {
  double value = 0.0;
  const std::from_chars_result result =
      std::from_chars(number.begin, number.end, value, std::chars_format::general);
  if (result.ec != std::errc::result_out_of_range)
    return value;
  return LeadingDigitExponent(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace

std::int32_t ReadLenientInt(const char *text) {
  constexpr std::int64_t kLimit = static_cast<std::int64_t>(INT32_MAX) + 1;
  const char *p = SkipWhiteSpace(text);
  const bool negative = TakeSign(p);
  std::int64_t magnitude = 0;
  for (; IsAsciiDigit(*p); ++p)
    magnitude = std::min(magnitude * 10 + (*p - '0'), kLimit);
  if (negative)
    return static_cast<std::int32_t>(-magnitude);
  return static_cast<std::int32_t>(std::min<std::int64_t>(magnitude, INT32_MAX));
}

double ReadLenientDouble(const char *text) {
  const char *p = SkipWhiteSpace(text);
  const bool negative = TakeSign(p);
  DecimalText number;
  if (!ScanDecimal(p, number))
    return 0.0;
  const double magnitude = ConvertDecimal(number);
  return negative ? -magnitude : magnitude;
}
