#include "tests/support/win32/testregistryroot.h"

#include <windows.h>

String UniqueTestRegistryRoot() {
  String root;
  root.Format("%s\\%lu", kTestRegistryParent, static_cast<unsigned long>(GetCurrentProcessId()));
  return root;
}
