#include "vorlunda/editschm/drawing.h"

#include "vorlunda/storedvalue.h"

namespace {

constexpr double kMaxPointDensity = 10.0;
constexpr double kMaxScaling = 10.0;
constexpr double kMaxCentring = 10.0;

constexpr const char *kDensityNotPositive =
    "'Point density' contains an invalid value.\nIt must be more than 0.";
constexpr const char *kDensityTooLarge =
    "'Point density' contains an invalid value.\nIt must be 10 or less.";
constexpr const char *kMinScalingNotPositive =
    "'Minimum IFS scaling' contains an invalid value.\nIt must be at more than 0.";
constexpr const char *kMaxScalingBelowMin =
    "'Maximum IFS scaling' contains an invalid value.\nIt must be at least as large as "
    "'Minimum IFS scaling'.";
constexpr const char *kMaxScalingTooLarge =
    "'Maximum IFS scaling' contains an invalid value.\nIt must be 10 or less.";
constexpr const char *kCentringNegative =
    "'Centring' contains an invalid value.\nIt must be 0 or more.";
constexpr const char *kCentringTooLarge =
    "'Centring' contains an invalid value.\nIt must be 10 or less.";

vCheckResult<vDrawingField> Fail(vDrawingField field, const char *message) {
  return CheckFailure(field, String(message));
}

// The comparisons are written so that a value that is not a number fails.
vCheckResult<vDrawingField> CheckScaling(const vDrawingValues &values) {
  if (!StoresAsPositive(values.minScaling))
    return Fail(vDrawingField::MinScaling, kMinScalingNotPositive);
  if (!(values.maxScaling >= values.minScaling))
    return Fail(vDrawingField::MaxScaling, kMaxScalingBelowMin);
  if (!(values.maxScaling <= kMaxScaling))
    return Fail(vDrawingField::MaxScaling, kMaxScalingTooLarge);
  return {};
}

vCheckResult<vDrawingField> CheckCentring(const vDrawingValues &values) {
  if (!(values.centring >= 0.0))
    return Fail(vDrawingField::Centring, kCentringNegative);
  if (!(values.centring <= kMaxCentring))
    return Fail(vDrawingField::Centring, kCentringTooLarge);
  return {};
}

} // namespace

vCheckResult<vDrawingField> CheckDrawing(const vDrawingValues &values) {
  if (!StoresAsPositive(values.pointDensity))
    return Fail(vDrawingField::PointDensity, kDensityNotPositive);
  if (!(values.pointDensity <= kMaxPointDensity))
    return Fail(vDrawingField::PointDensity, kDensityTooLarge);
  if (values.templated)
    return {};
  vCheckResult<vDrawingField> scaling = CheckScaling(values);
  if (!scaling.Passed())
    return scaling;
  return CheckCentring(values);
}
