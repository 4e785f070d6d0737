#pragma once

#include "foundation/dynassoc.h"

#include <cstdint>

// Kind of scheme: fully random fractals within the scheme's limits, or one of
// the hand-built families chosen by a template name.
enum class vSchemeType : std::int32_t {
  FullRandom = 0,
  Experimental = 1,
};

constexpr int kSchemeTypeCount = 2;

using vSchemeTypeNames = DynAssoc<vSchemeType, const char *>;

// Stored names, compared without regard to letter case. An unknown name gives
// vSchemeType(-1), an unknown value a null name.
const vSchemeTypeNames &SchemeTypeNames();
const char *SchemeTypeName(vSchemeType type);
vSchemeType SchemeTypeFromName(const char *name);
