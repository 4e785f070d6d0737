#pragma once

#include "foundation/dynassoc.h"

#include <cstdint>

// How plotted points are coloured.
enum class ifsColourSystem : std::int32_t {
  Solid = 0,
  Shaded = 1,
  Intensity = 2,
  Spectrum = 3,
};

constexpr int kColourSystemCount = 4;

using ifsColourSystemNames = DynAssoc<ifsColourSystem, const char *>;

// Stored names, compared without regard to letter case. An unknown name gives
// ifsColourSystem(-1), an unknown value a null name.
const ifsColourSystemNames &ColourSystemNames();
const char *ColourSystemName(ifsColourSystem system);
ifsColourSystem ColourSystemFromName(const char *name);
