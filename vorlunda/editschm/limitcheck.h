#pragma once

#include "foundation/string.h"
#include "vorlunda/editschm/checkresult.h"
#include "vorlunda/schemelimits.h"

#include <cstdint>

// How a message names a field, 'Centring', or a field of one row of a grid,
// 'Minimum rules' for 'Linear'.
String FieldSubject(const char *label);
String FieldSubject(const char *label, const String &row);

// The message of a value outside its limits: the subject, then what the
// value must be, as in "It must be 10 or less.".
String InvalidValueMessage(const String &subject, const String &requirement);

// What the low bound, the high bound or the pair's minimum require.
String LowRequirement(const char *wording, double bound, std::int32_t decimals);
String HighRequirement(double bound, std::int32_t decimals);
String NotBelowRequirement(const char *minimumLabel);

template <typename T> String LowRequirement(const vFieldLimits<T> &limits) {
  return LowRequirement(limits.lowWording, limits.low, limits.textDecimals);
}
template <typename T> String HighRequirement(const vFieldLimits<T> &limits) {
  return HighRequirement(limits.high, limits.textDecimals);
}

// The failure of one bound of a field, raised on the field; the subject names
// the field in the message. None when the value passes.
template <typename Field, typename T>
vCheckResult<Field> CheckLow(Field field, const vFieldLimits<T> &limits, T value,
                             const String &subject) {
  if (PassesLow(limits, value))
    return {};
  return CheckFailure(field, InvalidValueMessage(subject, LowRequirement(limits)));
}
template <typename Field, typename T>
vCheckResult<Field> CheckHigh(Field field, const vFieldLimits<T> &limits, T value,
                              const String &subject) {
  if (PassesHigh(limits, value))
    return {};
  return CheckFailure(field, InvalidValueMessage(subject, HighRequirement(limits)));
}
// Both bounds, the low one first, of a field named by its own label.
template <typename Field, typename T>
vCheckResult<Field> CheckBounds(Field field, const vFieldLimits<T> &limits, T value) {
  const String subject = FieldSubject(limits.label);
  vCheckResult<Field> low = CheckLow(field, limits, value, subject);
  if (!low.Passed())
    return low;
  return CheckHigh(field, limits, value, subject);
}

// One typed value of a pair, with what a message calls it.
template <typename Field, typename T> struct vPairValue {
  Field field;
  const vFieldLimits<T> &limits;
  T value;
  String subject;
};

// A minimum and a maximum: the minimum's low bound, the maximum not below
// the minimum, then the maximum's high bound. The minimum's high bound
// follows from the other two.
template <typename Field, typename T>
vCheckResult<Field> CheckPair(const vPairValue<Field, T> &min, const vPairValue<Field, T> &max) {
  vCheckResult<Field> low = CheckLow(min.field, min.limits, min.value, min.subject);
  if (!low.Passed())
    return low;
  // Written so that a value that is not a number fails.
  if (!(max.value >= min.value))
    return CheckFailure(max.field,
                        InvalidValueMessage(max.subject, NotBelowRequirement(min.limits.label)));
  return CheckHigh(max.field, max.limits, max.value, max.subject);
}
