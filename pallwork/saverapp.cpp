#include "pallwork/saverapp.h"

#include "pallwork/platform.h"
#include "pallwork/saverdispatch.h"

pwScreenSaverApp::pwScreenSaverApp(const char *commandLine, int showCommand) : pwArgs(commandLine) {
  const pwSaverDecision decision = DecideSaverMode(*this, CurrentPlatform());
  switch (decision.action) {
  case pwSaverAction::RunSaver:
    exitCode_ = RunSaver(showCommand, decision.parent);
    break;
  case pwSaverAction::Configure:
    Configure(decision.parent);
    break;
  case pwSaverAction::ChangePassword:
    ChangePassword(decision.parent);
    break;
  case pwSaverAction::Nothing:
    break;
  }
}

void pwScreenSaverApp::ChangePassword(pwWindowHandle parent) {
  CurrentPlatform().ChangePassword(parent);
}
