#include "tests/win32/app/support/programpath.h"

#include <cstdlib>

// Wine takes Unix paths only through its Z: drive.
std::string ProgramPath() {
  const char *const path = std::getenv("VORLUNDA_SCR");
  std::string windowsPath = path != nullptr ? path : "";
  if (!windowsPath.empty() && windowsPath[0] == '/') {
    for (char &c : windowsPath)
      c = c == '/' ? '\\' : c;
    windowsPath = "Z:" + windowsPath;
  }
  return windowsPath;
}
