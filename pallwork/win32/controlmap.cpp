#include "pallwork/win32/controlmap.h"

pwControlMap &pwControlWindowMap() {
  static pwControlMap map(kControlWindowBuckets, HashHandle<HWND>);
  return map;
}
