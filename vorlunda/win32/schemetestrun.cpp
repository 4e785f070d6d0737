#include "vorlunda/win32/schemetestrun.h"

#include "vorlunda/win32/saver.h"

void RunSchemeTest(HWND owner, const vConfigMgr &general, const vNameSchemePair &pair) {
  vConfigMgr config;
  config.CopyGeneral(general);
  vScheme scheme = pair.scheme;
  scheme.enabled = true;
  config.SetScheme(pair.name, scheme);

  // The dialog stays out of reach while the saver covers it, and gets the
  // keyboard back afterwards: once the saver has gone nothing else would
  // hand it back, the system having nowhere enabled to put the activation.
  const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
  if (ownerWasEnabled)
    EnableWindow(owner, FALSE);
  vVorlundaSaver *saver = new vVorlundaSaver(nullptr, &config, owner, true);
  saver->Run();
  delete saver;
  if (ownerWasEnabled) {
    EnableWindow(owner, TRUE);
    SetForegroundWindow(owner);
    SetActiveWindow(owner);
  }
}
