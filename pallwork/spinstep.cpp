#include "pallwork/spinstep.h"

#include <cmath>

namespace {

// A value this many steps off a multiple still counts as the multiple.
constexpr double kStepTolerance = 0.001;

// Below the minimum wins over above the maximum, so a range given the wrong
// way round still gives one answer.
template <typename Number> Number Clamp(Number value, Number minimum, Number maximum) {
  if (value < minimum)
    return minimum;
  if (value > maximum)
    return maximum;
  return value;
}

// q is the value divided by the step, truncated toward zero. A value that is
// not a multiple lies between q and the next multiple away from zero, so only
// toward zero does q itself answer.
template <typename Number> Number NextMultiple(Number q, bool isMultiple, bool up, bool negative) {
  const bool towardZero = up ? negative : !negative;
  if (!isMultiple && towardZero)
    return q;
  return up ? q + 1 : q - 1;
}

} // namespace

std::int32_t StepInteger(std::int32_t value, std::int32_t step, bool up, std::int32_t minimum,
                         std::int32_t maximum) {
  // In 64 bits, so stepping beyond the ends of the type cannot overflow.
  const std::int64_t wide = value;
  const std::int64_t q = wide / step;
  const bool isMultiple = wide % step == 0;
  const std::int64_t next = NextMultiple(q, isMultiple, up, wide < 0) * step;
  return static_cast<std::int32_t>(Clamp<std::int64_t>(next, minimum, maximum));
}

double StepDouble(double value, double step, bool up, double minimum, double maximum) {
  const double tolerance = kStepTolerance * step;
  const bool negative = value < 0.0;
  const double q =
      negative ? -std::floor((-value + tolerance) / step) : std::floor((value + tolerance) / step);
  const bool isMultiple = !(std::fabs(value - q * step) > tolerance);
  const double next = NextMultiple(q, isMultiple, up, negative) * step;
  return Clamp(next, minimum, maximum);
}
