#pragma once

#include "ifs/colour.h"

#include <cstdint>

// How the lowest value of a field is checked.
enum class vLowBound {
  From,    // the bound itself is allowed
  Above,   // only values above it, also as written to the scheme text
  Minimum, // the maximum of a pair: not below the pair's minimum, whatever `low` says
};

// One field of a scheme that has limits: what the reader accepts, what the
// edit-scheme checks say when a value is outside, and how the sheet's control
// moves. Integer fields use std::int32_t, decimal ones double.
template <typename T> struct vFieldLimits {
  const char *label; // as the messages and the help name the field
  T low;
  T high;
  vLowBound lowBound;
  // The requirement the message states for the low bound, "%s" the bound;
  // null where the dialog does not check it (a scroll bar, or a field that
  // refuses the minus sign).
  const char *lowWording;
  std::int32_t textDecimals; // of the bounds the messages state
  T arrowLow;                // where the arrows (or the scroll bar) stop; they stop at `high` above
  T step;                    // one arrow press, or one scroll line
  T page;                    // one scroll page, for scroll bars
  std::int32_t decimals;     // shown by a decimal field
};

using vIntLimits = vFieldLimits<std::int32_t>;
using vDecimalLimits = vFieldLimits<double>;

// clang-format off
// Each field: its label; its bounds, how the low one is checked and how a
// message words it, with the decimals the message gives the bounds; where
// the arrows stop below, one step, one page and the decimals shown.
constexpr vIntLimits kSelectionProbabilityLimits = {"Selection probability",
    1, 100, vLowBound::From, nullptr, 0,   1, 1, 10, 0};
constexpr vIntLimits kMinPerGroupLimits = {"Minimum IFS's per group",
    1, 1000, vLowBound::From, "at least %s", 0,   1, 1, 0, 0};
constexpr vIntLimits kMaxPerGroupLimits = {"Maximum IFS's per group",
    1, 1000, vLowBound::Minimum, nullptr, 0,   1, 1, 0, 0};
constexpr vIntLimits kClearDelayLimits = {"Delay before clearing screen",
    0, 60, vLowBound::From, nullptr, 0,   0, 1, 0, 0};
constexpr vIntLimits kMinBrightnessLimits = {"Minimum brightness",
    0, kMaxBrightness, vLowBound::From, nullptr, 0,   0, 5, 50, 0};
constexpr vDecimalLimits kPointDensityLimits = {"Point density",
    0.0, 10.0, vLowBound::Above, "more than %s", 0,   0.05, 0.05, 0.0, 2};
constexpr vDecimalLimits kMinScalingLimits = {"Minimum IFS scaling",
    0.0, 10.0, vLowBound::Above, "at more than %s", 0,   0.1, 0.1, 0.0, 1};
constexpr vDecimalLimits kMaxScalingLimits = {"Maximum IFS scaling",
    0.0, 10.0, vLowBound::Minimum, nullptr, 0,   0.1, 0.1, 0.0, 1};
constexpr vDecimalLimits kCentringLimits = {"Centring",
    0.0, 10.0, vLowBound::From, "%s or more", 0,   0.0, 0.1, 0.0, 1};
constexpr vIntLimits kMinRulesLimits = {"Minimum rules",
    2, 100, vLowBound::From, "at least %s", 0,   2, 1, 0, 0};
constexpr vIntLimits kMaxRulesLimits = {"Maximum rules",
    2, 100, vLowBound::Minimum, nullptr, 0,   2, 1, 0, 0};
constexpr vIntLimits kMaxDiscardsLimits = {"Maximum discards",
    1, 1000, vLowBound::From, "%s or more", 0,   1, 1, 0, 0};
constexpr vDecimalLimits kMinDimensionLimits = {"Minimum dimension",
    0.0, 2.0, vLowBound::From, "%s or more", 1,   0.0, 0.05, 0.0, 2};
// clang-format on

// Whether a value passes each bound of its field. A decimal value above its
// bound that is written to the scheme text as the bound counts as the bound,
// so everything accepted can be read back. The maximum of a pair passes its
// low bound here: it is checked against its minimum instead. Written so that
// NaN fails.
bool PassesLow(const vIntLimits &limits, std::int32_t value);
bool PassesLow(const vDecimalLimits &limits, double value);
template <typename T> bool PassesHigh(const vFieldLimits<T> &limits, T value) {
  return value <= limits.high;
}
template <typename T> bool WithinLimits(const vFieldLimits<T> &limits, T value) {
  return PassesLow(limits, value) && PassesHigh(limits, value);
}
