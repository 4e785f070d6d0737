#include "pallwork/saverapp.h"

#include "ifs/mathtrap.h"
#include "vorlunda/settings/win32/settings.h"

void pwScreenSaverApp::Configure(pwWindowHandle parent) {
  InstallMathTrap();
  vSettingsDlg *dialog = new vSettingsDlg(static_cast<HWND>(parent));
  dialog->Execute();
  delete dialog;
}
