#pragma once

#include "foundation/dynassoc.h"

#include <cstdint>

// Which formula a rule applies. Mixture is only a choice made when a fractal
// is built; a rule that carries it maps every point to itself.
enum class ifsRuleSystem : std::int32_t {
  Linear = 0,
  Trig = 1,
  TrigSquared = 2,
  LinearTrigCombo = 3,
  SignedSquareRoot = 4,
  Mixture = 5,
};

// Mixture is the last system.
constexpr int kRuleSystemCount = static_cast<int>(ifsRuleSystem::Mixture) + 1;

using ifsRuleSystemNames = DynAssoc<ifsRuleSystem, const char *>;

// Stored names, compared without regard to letter case. An unknown name gives
// ifsRuleSystem(-1), an unknown value a null name.
const ifsRuleSystemNames &RuleSystemNames();
const char *RuleSystemName(ifsRuleSystem system);
ifsRuleSystem RuleSystemFromName(const char *name);
