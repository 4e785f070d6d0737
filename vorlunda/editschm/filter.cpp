#include "vorlunda/editschm/filter.h"

namespace {

constexpr std::int32_t kMinDiscards = 1;
constexpr std::int32_t kMaxDiscards = 1000;
constexpr double kMaxDimension = 2.0;

constexpr const char *kDiscardsTooSmall =
    "'Maximum discards' contains an invalid value.\nIt must be 1 or more.";
constexpr const char *kDiscardsTooLarge =
    "'Maximum discards' contains an invalid value.\nIt must be 1000 or less.";
constexpr const char *kDimensionNegative =
    "'Minimum dimension' contains an invalid value.\nIt must be 0.0 or more.";
constexpr const char *kDimensionTooLarge =
    "'Minimum dimension' contains an invalid value.\nIt must be 2.0 or less.";

vCheckResult<vFilterField> Fail(vFilterField field, const char *message) {
  return CheckFailure(field, String(message));
}

} // namespace

vCheckResult<vFilterField> CheckFilter(const vFilterValues &values) {
  if (values.templated)
    return {};
  if (values.maxDiscards < kMinDiscards)
    return Fail(vFilterField::MaxDiscards, kDiscardsTooSmall);
  if (values.maxDiscards > kMaxDiscards)
    return Fail(vFilterField::MaxDiscards, kDiscardsTooLarge);
  // Written so that a value that is not a number fails.
  if (!(values.minDimension >= 0.0))
    return Fail(vFilterField::MinDimension, kDimensionNegative);
  if (!(values.minDimension <= kMaxDimension))
    return Fail(vFilterField::MinDimension, kDimensionTooLarge);
  return {};
}
