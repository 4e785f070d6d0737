#include "pallwork/saverapp.h"

#include "ifs/mathtrap.h"

// The settings dialog arrives later; until then there is nothing to configure.
void pwScreenSaverApp::Configure(pwWindowHandle) { InstallMathTrap(); }
