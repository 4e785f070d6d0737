#pragma once

#include "vorlunda/config.h"
#include "vorlunda/xsaver/options.h"

// Draws the configuration's groups on the X display the options name until
// the saver is asked to end; returns the program's exit status. The random
// generator is seeded already.
int RunOnDisplay(const vXSaverOptions &options, const vConfigMgr &config);
