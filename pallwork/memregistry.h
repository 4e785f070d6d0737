#pragma once

#include "pallwork/regbackend.h"

#include "foundation/dynarray.h"
#include "foundation/string.h"

#include <cstdint>

// A registry held in memory with the Win32 registry's rules where callers
// see them: key and value names without regard to letter case, keys created
// with their missing parents, values enumerated in the order first written,
// and the same result codes. Handles stay valid until closed; a closed or
// unknown handle gives ERROR_INVALID_HANDLE. A key can be made read-only, as
// its permissions may make it for the user on Windows.
class pwMemoryRegistry final : public pwRegistryBackend {
public:
  pwMemoryRegistry();
  ~pwMemoryRegistry() override;
  pwMemoryRegistry(const pwMemoryRegistry &) = delete;
  pwMemoryRegistry &operator=(const pwMemoryRegistry &) = delete;

  long CreateKey(const char *path, pwRegKey *key) override;
  long OpenKeyForReading(const char *path, pwRegKey *key) override;
  long CloseKey(pwRegKey key) override;
  long QueryValue(pwRegKey key, const char *name, std::uint32_t *type, unsigned char *data,
                  std::uint32_t *size) override;
  long SetValue(pwRegKey key, const char *name, std::uint32_t type, const unsigned char *data,
                std::uint32_t size) override;
  long DeleteValue(pwRegKey key, const char *name) override;
  long QueryLongestValueName(pwRegKey key, std::uint32_t *length) override;
  long EnumValue(pwRegKey key, std::uint32_t index, char *name, std::uint32_t *nameSize,
                 std::uint32_t *type) override;

  bool HasKey(const char *path) const;
  // Creates the key if need be; from then on opening it for writing, creating
  // keys below it and changing its values are refused with access denied.
  void SetKeyReadOnly(const char *path);
  int OpenKeyCount() const;
  // Forgets every key and value; handles still open become invalid.
  void Clear();

private:
  struct Value {
    String name;
    std::uint32_t type = 0;
    DynArray<unsigned char> data;
  };
  // Owns its values and sub-keys; names are compared without regard to case.
  struct Key {
    Key() = default;
    explicit Key(const String &keyName) : name(keyName) {}
    ~Key();
    Key(const Key &) = delete;
    Key &operator=(const Key &) = delete;

    String name;
    bool readOnly = false;
    DynArray<Value *> values; // in the order first written
    DynArray<Key *> subKeys;
  };
  struct OpenHandle {
    Key *key = nullptr;
    int count = 0; // times opened and not yet closed
  };

  std::int32_t HandleIndex(pwRegKey key) const;
  Key *OpenKey(pwRegKey key) const;
  void AddHandle(Key *key);
  Key *FindKey(const char *path) const;
  static Key *FindSubKey(const Key &key, const String &name);
  static std::int32_t ValueIndex(const Key &key, const char *name);

  Key *root_; // owned
  DynArray<OpenHandle> openHandles_;
};
