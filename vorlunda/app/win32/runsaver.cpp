#include "pallwork/saverapp.h"

#include "ifs/mathtrap.h"
#include "vorlunda/win32/saver.h"

#include <windows.h>

std::int32_t pwScreenSaverApp::RunSaver(int, pwWindowHandle parent) {
  InstallMathTrap();
  vVorlundaSaver *saver = new vVorlundaSaver(static_cast<HWND>(parent), nullptr, nullptr, false);
  saver->Run();
  delete saver;
  return 0;
}
