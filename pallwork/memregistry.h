#pragma once

#include "pallwork/regbackend.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A registry held in memory with the Win32 registry's rules where callers
// see them: key and value names without regard to letter case, keys created
// with their missing parents, values enumerated in the order first written,
// and the same result codes. Handles stay valid until closed; a closed or
// unknown handle gives ERROR_INVALID_HANDLE.
class pwMemoryRegistry final : public pwRegistryBackend {
public:
  pwMemoryRegistry();
  ~pwMemoryRegistry() override;
  pwMemoryRegistry(const pwMemoryRegistry &) = delete;
  pwMemoryRegistry &operator=(const pwMemoryRegistry &) = delete;

  long CreateKey(const char *path, pwRegKey *key) override;
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
  int OpenKeyCount() const;
  // Forgets every key and value; handles still open become invalid.
  void Clear();

private:
  struct Value {
    std::string name;
    std::uint32_t type;
    std::vector<unsigned char> data;
  };
  struct Key {
    std::vector<Value> values;                           // in the order first written
    std::map<std::string, std::unique_ptr<Key>> subKeys; // by folded name
  };

  Key *OpenKey(pwRegKey key) const;
  Key *FindKey(const char *path) const;
  Value *FindValue(Key &key, const char *name) const;

  std::unique_ptr<Key> root_;
  std::map<Key *, int> openHandles_; // key → times opened and not yet closed
};
