#include "foundation/dynassoc.h"

#include "foundation/string.h"

// Null is the tables' default name, so it must compare safely: it equals only
// itself.
int CompareEnumNames(const char *a, const char *b) { return CompareNamesNoCase(a, b); }
