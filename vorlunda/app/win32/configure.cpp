#include "pallwork/saverapp.h"

#include "ifs/mathtrap.h"
#include "pallwork/helproute.h"
#include "vorlunda/helptopics.h"
#include "vorlunda/settings/win32/settings.h"

void pwScreenSaverApp::Configure(pwWindowHandle parent) {
  InstallMathTrap();
  pwSetHelpPages(&HelpPageOf);
  vSettingsDlg *dialog = new vSettingsDlg(static_cast<HWND>(parent));
  dialog->Execute();
  delete dialog;
}
