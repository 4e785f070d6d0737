#pragma once

#include "vorlunda/scheme.h"

// The built-in schemes: the fully random presets and the templated defaults.

constexpr int kPresetCount = 9;

// New schemes start from the first preset; the last two arrived with syntax
// version 12 and are added to configurations written before it.
constexpr int kNewSchemePreset = 0;
constexpr int kUpgradePresets[] = {7, 8};

// Sets every field from the preset row except templateName, which is left as
// it is, and returns the preset's name. The scheme is enabled.
const char *FillPresetScheme(int row, vScheme &scheme);

constexpr int kTemplatedDefaultCount = 4;

// The templated defaults in the order they are created; each is named after
// its template.
const char *TemplatedDefaultName(int index);
vScheme TemplatedDefault(int index);

// A templated scheme's text stores only its header and template name. The
// other fields get fixed values so its state is always defined: those of the
// first built-in scheme, except the option fields, which take the values the
// templated defaults are built with. A templated default therefore survives a
// round trip through its text unchanged.
void SetUnstoredTemplateFields(vScheme &scheme);
