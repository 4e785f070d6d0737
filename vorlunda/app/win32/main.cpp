#include "pallwork/saverapp.h"

#include <windows.h>

// The instance handles go unused: windows fetch the module handle themselves.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int showCommand) {
  pwScreenSaverApp *app = new pwScreenSaverApp(commandLine, showCommand);
  const int exitCode = app->ExitCode();
  delete app;
  return exitCode;
}
