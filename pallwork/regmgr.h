#pragma once

#include "foundation/error.h"
#include "foundation/string.h"
#include "pallwork/regbackend.h"

#include <cstdint>

// Typed access to the values of one key under the current user's hive. The
// key is created when missing; every failure comes back as an Error with a
// fixed message naming the value.
class pwRegistryMgr {
public:
  explicit pwRegistryMgr(const char *subKey);
  pwRegistryMgr(const char *subKey, pwRegistryBackend &backend);
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

private:
  pwRegistryBackend &backend_; // not owned
  pwRegKey key_ = nullptr;
  std::uint32_t longestValueName_ = 0;
};
