#pragma once

#include "foundation/string.h"
#include "pallwork/regbackend.h"

// The current user's registry. With a root, every path is taken below that
// key instead, so tests can work on a tree of their own.
class pwWin32Registry final : public pwRegistryBackend {
public:
  pwWin32Registry() = default;
  explicit pwWin32Registry(const char *root);

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

  const char *Root() const { return root_.CStr(); }
  // Removes the root key with everything below it; ERROR_FILE_NOT_FOUND when
  // it is already gone. Without a root there is nothing to remove.
  long DeleteRootTree();

private:
  String FullPath(const char *path) const;

  String root_;
};
