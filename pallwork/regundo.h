#pragma once

#include "foundation/dynarray.h"
#include "foundation/error.h"
#include "pallwork/regmgr.h"

#include <cstdint>

// Changes to one key that can be taken back. Each value is copied as it stood
// before its first change here; a value that cannot be copied is not changed.
// RollBack puts every changed value back, the newest change first.
//
// A write of what the value already holds is left out. The program reads text
// in the system's code page, so a value holding characters beyond it reads
// with '?' in their place; written back it would lose them, although nobody
// changed it.
class pwRegistryUndo {
public:
  explicit pwRegistryUndo(pwRegistryMgr &key) : key_(key) {}
  pwRegistryUndo(const pwRegistryUndo &) = delete;
  pwRegistryUndo &operator=(const pwRegistryUndo &) = delete;

  Error WriteString(const char *name, const char *text);
  Error WriteDword(const char *name, std::uint32_t value);
  Error DeleteValue(const char *name);
  // As far as the registry lets it: a key that refused a change may refuse
  // its undoing as well, and then the first error is what the caller reports.
  void RollBack();

private:
  // Copies the value unless it already holds `type` and `data`; `unchanged`
  // tells which.
  Error Remember(const char *name, std::uint32_t type, const unsigned char *data,
                 std::uint32_t size, bool &unchanged);
  bool IsRemembered(const char *name) const;

  pwRegistryMgr &key_; // not owned
  DynArray<pwRegValueCopy> saved_;
};
