#pragma once

#include "foundation/string.h"

// Names for schemes the user adds, chosen so that none of the existing
// schemes has them already (letter case disregarded).

// What the new name must not collide with; the configuration answers for its
// schemes.
class vTakenNames {
public:
  virtual bool IsTaken(const String &name) const = 0;

protected:
  ~vTakenNames() = default;
};

// "New scheme 1", "New scheme 2", ...: the first that is free.
String NewSchemeName(const vTakenNames &taken);

// "Copy of S", or for a name that already is a copy the next free number
// after it: copying "Copy of Ferns" or "Copy 3 of Ferns" gives "Copy 2 of
// Ferns" and "Copy 4 of Ferns" (or higher, when those are taken).
String CopySchemeName(const String &source, const vTakenNames &taken);
