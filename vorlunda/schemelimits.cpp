#include "vorlunda/schemelimits.h"

#include "vorlunda/storedvalue.h"

bool PassesLow(const vIntLimits &limits, std::int32_t value) {
  switch (limits.lowBound) {
  case vLowBound::From:
    return value >= limits.low;
  case vLowBound::Above:
    return value > limits.low;
  case vLowBound::Minimum:
    break;
  }
  return true;
}

bool PassesLow(const vDecimalLimits &limits, double value) {
  switch (limits.lowBound) {
  case vLowBound::From:
    return value >= limits.low;
  case vLowBound::Above:
    return value > limits.low && StoredDouble(value) > limits.low;
  case vLowBound::Minimum:
    break;
  }
  return true;
}
