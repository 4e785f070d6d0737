#pragma once

#include "vorlunda/editschm/checkresult.h"

#include <cstdint>

enum class vFilterField { MaxDiscards, MinDimension };

// What the Filter sheet shows that has limits, as plain values.
struct vFilterValues {
  bool templated = false;
  std::int32_t maxDiscards = 1;
  double minDimension = 0.0;
};

// Both checks in order; the first failure wins. A templated scheme has no
// filter of its own and always passes.
vCheckResult<vFilterField> CheckFilter(const vFilterValues &values);
