// Stands in for the edit-scheme dialog until it is built: the editor is
// cancelled at once. Removed when the dialog arrives.
#include "vorlunda/editschm/win32/editscheme.h"

bool EditScheme(HWND, vNameSchemePair &, vConfigMgr &, int) { return false; }
