#pragma once

#include "foundation/string.h"

#include <cstdint>

// A decimal field's text for a value: fixed notation without trailing zeros
// but always with a digit after the point (2 shows as 2.0, 1.5 as 1.5), then
// padded with zeros to at least `decimals` digits after the point.
String FormatDecimal(double value, std::int32_t decimals);

// A decimal field's value: its whole text must be one number, however many
// digits it has; anything else is not a number, which every range check of
// the dialogs refuses with the field's own message.
double ParseDecimalField(const char *text);

// An integer field's value: an optional minus and digits, leading zeros and
// all. Beyond the 32-bit range it stops at the nearer end, so the field's
// range check fails instead of the value wrapping. Empty or any other text
// reads as 0.
std::int32_t ParseIntegerField(const char *text);
