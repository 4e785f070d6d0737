#pragma once

#include "vorlunda/editschm/checkresult.h"

enum class vDrawingField { PointDensity, MinScaling, MaxScaling, Centring };

// What the Drawing sheet shows that has limits, as plain values.
struct vDrawingValues {
  bool templated = false;
  double pointDensity = 0.0;
  double minScaling = 0.0;
  double maxScaling = 0.0;
  double centring = 0.0;
};

// Every check of the sheet in its order; the first failure wins. Only the
// point density belongs to a templated scheme. A value that is written to
// the scheme text as 0.000000 counts as 0, so the scheme can be read back.
vCheckResult<vDrawingField> CheckDrawing(const vDrawingValues &values);
