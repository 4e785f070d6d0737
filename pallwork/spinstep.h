#pragma once

#include <cstdint>

// The spin arrows of a numeric field move its value to the nearest multiple
// of the step strictly above (up) or below (down) it, then into the range.

std::int32_t StepInteger(std::int32_t value, std::int32_t step, bool up, std::int32_t minimum,
                         std::int32_t maximum);

// As StepInteger, except that a value within a thousandth of a step of a
// multiple counts as that multiple, so 0.29999 steps up to 0.4, not 0.3.
double StepDouble(double value, double step, bool up, double minimum, double maximum);
