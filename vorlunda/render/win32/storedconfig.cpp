#include "vorlunda/render/storedconfig.h"

void LoadRenderConfiguration(bool defaults, vConfigMgr &config) {
  if (!defaults && config.Load().Succeeded())
    return;
  config.Clear();
  config.RestoreDefaults();
}
