#pragma once

#include <cstdint>

// Lenient readers for the numeric fields of stored scheme texts. Both skip
// leading white space and read the longest leading number, ignoring whatever
// follows; text without a number reads as zero. They never consult the C
// locale: the decimal separator is always a full stop.

// Optional sign and decimal digits. Values beyond the 32-bit range saturate at
// its limits, so a huge digit string fails a range check rather than wrapping
// round into range.
std::int32_t ReadLenientInt(const char *text);

// Optional sign, digits, an optional decimal point with digits, and an
// optional exponent. Only decimal notation counts: "inf" and "nan" are not
// numbers here, so the result is never NaN. Magnitudes beyond the double range
// become infinity, those below it zero, with the sign kept.
double ReadLenientDouble(const char *text);
