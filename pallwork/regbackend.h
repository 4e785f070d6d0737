#pragma once

#include <cstdint>

// The few registry calls the registry manager makes, with the Win32 result
// codes, so the manager's logic runs on the real registry and on an
// in-memory one alike. Key paths are relative to the current user's hive.
using pwRegKey = void *;

constexpr long kRegSuccess = 0;
constexpr long kRegFileNotFound = 2;
constexpr long kRegPathNotFound = 3;
constexpr long kRegAccessDenied = 5;
constexpr long kRegInvalidHandle = 6;
constexpr long kRegInvalidParameter = 87;
constexpr long kRegMoreData = 234;
constexpr long kRegNoMoreItems = 259;

constexpr std::uint32_t kRegTypeString = 1; // REG_SZ
constexpr std::uint32_t kRegTypeDword = 4;  // REG_DWORD

class pwRegistryBackend {
public:
  virtual ~pwRegistryBackend() = default;

  virtual long CreateKey(const char *path, pwRegKey *key) = 0;
  // Opens an existing key for reading only, so a key the user may read but
  // not change is still read, and reading never creates a key. A backend
  // without access rights may simply open it as CreateKey does.
  virtual long OpenKeyForReading(const char *path, pwRegKey *key) { return CreateKey(path, key); }
  virtual long CloseKey(pwRegKey key) = 0;
  // As RegQueryValueExA: data may be null for a size query; type may be null.
  virtual long QueryValue(pwRegKey key, const char *name, std::uint32_t *type, unsigned char *data,
                          std::uint32_t *size) = 0;
  virtual long SetValue(pwRegKey key, const char *name, std::uint32_t type,
                        const unsigned char *data, std::uint32_t size) = 0;
  virtual long DeleteValue(pwRegKey key, const char *name) = 0;
  virtual long QueryLongestValueName(pwRegKey key, std::uint32_t *length) = 0;
  // As RegEnumValueA: nameSize in characters, in (buffer size) and out (length).
  virtual long EnumValue(pwRegKey key, std::uint32_t index, char *name, std::uint32_t *nameSize,
                         std::uint32_t *type) = 0;
};

// The backend a manager uses when none is given: the real registry on
// Windows, a process-wide in-memory registry elsewhere. Tests may replace it.
pwRegistryBackend &DefaultRegistryBackend();
void SetDefaultRegistryBackend(pwRegistryBackend *backend); // null restores the built-in one

// The built-in backend of this build, whatever is the default.
pwRegistryBackend &BuiltInRegistryBackend();
