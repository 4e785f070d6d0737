#include "vorlunda/editschm/filter.h"

#include "vorlunda/editschm/limitcheck.h"

vCheckResult<vFilterField> CheckFilter(const vFilterValues &values) {
  if (values.templated)
    return {};
  vCheckResult<vFilterField> discards =
      CheckBounds(vFilterField::MaxDiscards, kMaxDiscardsLimits, values.maxDiscards);
  if (!discards.Passed())
    return discards;
  return CheckBounds(vFilterField::MinDimension, kMinDimensionLimits, values.minDimension);
}
