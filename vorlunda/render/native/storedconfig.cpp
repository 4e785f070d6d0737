#include "vorlunda/render/storedconfig.h"

// There is no registry here: the stored configuration is the built-in one.
void LoadRenderConfiguration(bool, vConfigMgr &config) { config.RestoreDefaults(); }
