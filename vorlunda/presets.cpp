#include "vorlunda/presets.h"

#include <cassert>

namespace {

struct RuleRange {
  bool enabled;
  std::int32_t min;
  std::int32_t max;
};

struct PresetRow {
  const char *name;
  std::int32_t selectionProbability;
  double pointDensity;
  std::int32_t clearDelay;
  ifsColourSystem colourSystem;
  RuleRange rules[kRuleSystemCount];
  bool contractiveRules;
  bool useFixedPoints;
  bool filterEnabled;
  std::int32_t maxDiscards;
  double minDimension;
  double minScaling;
  double maxScaling;
  std::int32_t minPerGroup;
  std::int32_t maxPerGroup;
  double centring;
  std::int32_t minBrightness;
};

using CS = ifsColourSystem;

// clang-format off
// name, selection probability, point density, clear delay, colour system;
// rule systems (enabled, min, max); contractive, fixed points, filter, max
// discards, min dimension; scaling min and max, per group min and max,
// centring, min brightness.
const PresetRow kPresets[kPresetCount] = {
    {"Solid", 40, 0.2, 5, CS::Solid,
     {{true, 2, 6}, {true, 2, 16}, {true, 2, 16}, {true, 2, 6}, {true, 2, 12}, {true, 3, 12}},
     false, false, false, 10, 1.0,   0.5, 2.0, 3, 12, 0.8, 128},
    {"Shaded", 40, 0.3, 5, CS::Shaded,
     {{true, 2, 6}, {true, 2, 16}, {true, 2, 16}, {true, 2, 6}, {true, 2, 12}, {true, 3, 12}},
     false, false, false, 10, 1.0,   0.5, 1.6, 3, 10, 0.8, 128},
    {"Intensity", 40, 0.6, 5, CS::Intensity,
     {{true, 2, 6}, {true, 2, 16}, {true, 2, 16}, {true, 2, 6}, {true, 2, 12}, {true, 3, 12}},
     false, false, false, 10, 1.0,   0.5, 1.5, 3, 9, 0.7, 512},
    {"Spectrum", 10, 0.7, 5, CS::Spectrum,
     {{true, 2, 6}, {true, 3, 16}, {true, 3, 16}, {true, 3, 6}, {true, 3, 12}, {true, 3, 12}},
     false, false, false, 10, 1.0,   0.9, 0.9, 1, 1, 0.0, 160},
    {"Graffiti", 10, 0.1, 5, CS::Solid,
     {{true, 10, 20}, {false, 2, 2}, {false, 2, 2}, {false, 2, 2}, {false, 2, 2}, {false, 2, 2}},
     false, false, false, 10, 1.0,   0.15, 0.4, 100, 200, 1.0, 128},
    {"Crystal", 20, 0.3, 5, CS::Shaded,
     {{false, 2, 6}, {false, 2, 16}, {true, 6, 20}, {false, 2, 6}, {true, 5, 16}, {false, 3, 12}},
     false, false, false, 10, 1.0,   0.4, 0.7, 6, 12, 0.9, 128},
    {"Mixture", 50, 0.3, 5, CS::Shaded,
     {{false, 2, 6}, {false, 2, 16}, {false, 2, 16}, {false, 2, 6}, {false, 2, 12}, {true, 3, 12}},
     false, false, false, 10, 1.0,   0.5, 1.6, 5, 10, 0.8, 128},
    {"Contractions 2", 75, 0.3, 5, CS::Shaded,
     {{true, 2, 2}, {false, 2, 16}, {false, 2, 16}, {false, 2, 6}, {false, 2, 12}, {false, 3, 12}},
     true, true, true, 30, 1.35,     0.9, 0.9, 1, 1, 0.0, 128},
    {"Contractions 2&3", 75, 0.3, 5, CS::Shaded,
     {{true, 2, 3}, {false, 2, 16}, {false, 2, 16}, {false, 2, 6}, {false, 2, 12}, {false, 3, 12}},
     true, true, true, 30, 1.35,     0.9, 0.9, 1, 1, 0.0, 128},
};
// clang-format on

struct TemplatedRow {
  const char *name;
  std::int32_t selectionProbability;
  double pointDensity;
  std::int32_t clearDelay;
};

const TemplatedRow kTemplatedDefaults[kTemplatedDefaultCount] = {
    {"Ferns", 20, 0.4, 2},
    {"Autumn", 15, 2.0, 2},
    {"Vorlunda", 1, 0.25, 2},
    {"Gasket", 10, 0.5, 2},
};

void FillRuleSystems(const PresetRow &row, vScheme &scheme) {
  for (int i = 0; i < kRuleSystemCount; ++i) {
    scheme.ruleSystemEnabled[i] = row.rules[i].enabled;
    scheme.ruleLimits[i].min = row.rules[i].min;
    scheme.ruleLimits[i].max = row.rules[i].max;
  }
}

// The fields only a fully random scheme stores, apart from the option block.
void FillDrawingFields(const PresetRow &row, vScheme &scheme) {
  scheme.colourSystem = row.colourSystem;
  FillRuleSystems(row, scheme);
  scheme.minScaling = row.minScaling;
  scheme.maxScaling = row.maxScaling;
  scheme.minPerGroup = row.minPerGroup;
  scheme.maxPerGroup = row.maxPerGroup;
  scheme.centring = row.centring;
  scheme.minBrightness = row.minBrightness;
}

} // namespace

void SetUnstoredTemplateFields(vScheme &scheme) {
  FillDrawingFields(kPresets[0], scheme);
  scheme.contractiveRules = false;
  scheme.useFixedPoints = true;
  scheme.maxDiscards = 1;
  scheme.filterEnabled = false;
  scheme.minDimension = 0.0;
}

const char *FillPresetScheme(int row, vScheme &scheme) {
  assert(row >= 0 && row < kPresetCount);
  const PresetRow &preset = kPresets[row];
  scheme.enabled = true;
  scheme.selectionProbability = preset.selectionProbability;
  scheme.pointDensity = preset.pointDensity;
  scheme.clearDelay = preset.clearDelay;
  scheme.type = vSchemeType::FullRandom;
  FillDrawingFields(preset, scheme);
  scheme.contractiveRules = preset.contractiveRules;
  scheme.useFixedPoints = preset.useFixedPoints;
  scheme.maxDiscards = preset.maxDiscards;
  scheme.filterEnabled = preset.filterEnabled;
  scheme.minDimension = preset.minDimension;
  scheme.syntaxVersion = scheme.RequiredVersion();
  return preset.name;
}

const char *TemplatedDefaultName(int index) {
  assert(index >= 0 && index < kTemplatedDefaultCount);
  return kTemplatedDefaults[index].name;
}

vScheme TemplatedDefault(int index) {
  assert(index >= 0 && index < kTemplatedDefaultCount);
  const TemplatedRow &row = kTemplatedDefaults[index];
  vScheme scheme;
  scheme.syntaxVersion = kOldestSchemeSyntax;
  scheme.enabled = true;
  scheme.selectionProbability = row.selectionProbability;
  scheme.pointDensity = row.pointDensity;
  scheme.clearDelay = row.clearDelay;
  scheme.type = vSchemeType::Experimental;
  SetUnstoredTemplateFields(scheme);
  scheme.templateName = row.name;
  return scheme;
}
