#pragma once

#include "foundation/string.h"

#include <cstdint>

// A decimal field's text for a value: fixed notation without trailing zeros
// but always with a digit after the point (2 shows as 2.0, 1.5 as 1.5), then
// padded with zeros to at least `decimals` digits after the point.
String FormatDecimal(double value, std::int32_t decimals);
