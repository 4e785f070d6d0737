#pragma once

#include "foundation/dynarray.h"
#include "foundation/error.h"
#include "foundation/string.h"
#include "pallwork/regbackend.h"

#include <cstdint>

// How a key is opened: for changing it (created when missing), or for
// reading only (a missing key reads as an empty one and is not created).
enum class pwRegAccess { ReadWrite, ReadOnly };

// A value as it stood before a change, so the change can be taken back.
struct pwRegValueCopy {
  String name;
  bool existed = false;
  std::uint32_t type = 0;
  DynArray<unsigned char> data;
};

// Typed access to the values of one key under the current user's hive. Every
// failure comes back as an Error with a fixed message naming the value.
class pwRegistryMgr {
public:
  explicit pwRegistryMgr(const char *subKey, pwRegAccess access = pwRegAccess::ReadWrite);
  pwRegistryMgr(const char *subKey, pwRegistryBackend &backend,
                pwRegAccess access = pwRegAccess::ReadWrite);
  ~pwRegistryMgr();
  pwRegistryMgr(const pwRegistryMgr &) = delete;
  pwRegistryMgr &operator=(const pwRegistryMgr &) = delete;

  bool IsOpen() const { return key_ != nullptr; }

  Error ReadString(const char *name, String &value);
  Error WriteString(const char *name, const char *text);
  Error ReadDword(const char *name, std::uint32_t &value);
  Error WriteDword(const char *name, std::uint32_t value);
  Error DeleteValue(const char *name);
  // Index 0 must come first: it measures the longest value name.
  Error EnumValue(std::uint32_t index, bool &found, String &name, std::uint32_t *type = nullptr);
  // Whatever the value holds, of any type, or that it does not exist.
  Error CopyValue(const char *name, pwRegValueCopy &copy);
  // Puts a copied value back as it was, deleting it if it did not exist.
  Error RestoreValue(const pwRegValueCopy &copy);

private:
  pwRegistryBackend &backend_; // not owned
  pwRegKey key_ = nullptr;
  bool missing_ = false; // opened for reading and not there
  std::uint32_t longestValueName_ = 0;
};
