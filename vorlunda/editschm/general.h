#pragma once

#include "foundation/string.h"
#include "vorlunda/editschm/checkresult.h"

#include <cstdint>

class vConfigMgr;

// A name may have this many characters once leading and trailing spaces are
// removed; the field takes more, so that such spaces do not count.
constexpr int kMaxSchemeNameLength = 64;
constexpr int kSchemeNameFieldLimit = 127;

enum class vGeneralField { Name, MinPerGroup, MaxPerGroup, ClearDelay };

// What the General sheet shows, as plain values.
struct vGeneralValues {
  String name; // as typed, spaces included
  bool templated = false;
  std::int32_t minPerGroup = 1;
  std::int32_t maxPerGroup = 1;
  std::int32_t clearDelay = 0;
};

// The name's leading and trailing spaces removed.
String TrimmedSchemeName(const String &typed);

// The name checks alone. `position` is the edited scheme's place in
// `config`: finding the name there is keeping it, not taking another's.
Error CheckSchemeName(const String &typed, const vConfigMgr &config, std::int32_t position);

// Every check of the sheet in its order; the first failure wins. The group
// sizes of a templated scheme are not its own and are not checked.
vCheckResult<vGeneralField> CheckGeneral(const vGeneralValues &values, const vConfigMgr &config,
                                         std::int32_t position);
