#include "vorlunda/editschm/drawing.h"

#include "vorlunda/editschm/limitcheck.h"

namespace {

vCheckResult<vDrawingField> CheckScaling(const vDrawingValues &values) {
  return CheckPair<vDrawingField, double>(
      {vDrawingField::MinScaling, kMinScalingLimits, values.minScaling,
       FieldSubject(kMinScalingLimits.label)},
      {vDrawingField::MaxScaling, kMaxScalingLimits, values.maxScaling,
       FieldSubject(kMaxScalingLimits.label)});
}

} // namespace

vCheckResult<vDrawingField> CheckDrawing(const vDrawingValues &values) {
  vCheckResult<vDrawingField> density =
      CheckBounds(vDrawingField::PointDensity, kPointDensityLimits, values.pointDensity);
  if (!density.Passed() || values.templated)
    return density;
  vCheckResult<vDrawingField> scaling = CheckScaling(values);
  if (!scaling.Passed())
    return scaling;
  return CheckBounds(vDrawingField::Centring, kCentringLimits, values.centring);
}
