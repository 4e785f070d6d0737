#pragma once

#include "vorlunda/config.h"

// Fills `config` with the schemes the renderer draws from: the stored ones
// where there is a store and `defaults` is not asked for, else the built-in
// ones.
void LoadRenderConfiguration(bool defaults, vConfigMgr &config);
