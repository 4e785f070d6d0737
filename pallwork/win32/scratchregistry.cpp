#include "pallwork/scratchregistry.h"

#include "pallwork/win32/win32registry.h"

#include <windows.h>

namespace {

constexpr char kTestRootParent[] = "Software\\VorlundaTest";

// The process's test root, delegating every call; removed when destroyed.
class ScratchWin32Registry final : public pwRegistryBackend {
public:
  ScratchWin32Registry() : registry_(UniqueTestRegistryRoot()) {
    (void)registry_.DeleteRootTree(); // left over by an earlier process with the same id
  }
  ~ScratchWin32Registry() override {
    (void)registry_.DeleteRootTree();
    // Only succeeds once no other test process has a root there.
    RegDeleteKeyA(HKEY_CURRENT_USER, kTestRootParent);
  }
  ScratchWin32Registry(const ScratchWin32Registry &) = delete;
  ScratchWin32Registry &operator=(const ScratchWin32Registry &) = delete;

  long CreateKey(const char *path, pwRegKey *key) override {
    return registry_.CreateKey(path, key);
  }
  long CloseKey(pwRegKey key) override { return registry_.CloseKey(key); }
  long QueryValue(pwRegKey key, const char *name, std::uint32_t *type, unsigned char *data,
                  std::uint32_t *size) override {
    return registry_.QueryValue(key, name, type, data, size);
  }
  long SetValue(pwRegKey key, const char *name, std::uint32_t type, const unsigned char *data,
                std::uint32_t size) override {
    return registry_.SetValue(key, name, type, data, size);
  }
  long DeleteValue(pwRegKey key, const char *name) override {
    return registry_.DeleteValue(key, name);
  }
  long QueryLongestValueName(pwRegKey key, std::uint32_t *length) override {
    return registry_.QueryLongestValueName(key, length);
  }
  long EnumValue(pwRegKey key, std::uint32_t index, char *name, std::uint32_t *nameSize,
                 std::uint32_t *type) override {
    return registry_.EnumValue(key, index, name, nameSize, type);
  }

private:
  pwWin32Registry registry_;
};

} // namespace

std::unique_ptr<pwRegistryBackend> CreateScratchRegistryBackend() {
  return std::make_unique<ScratchWin32Registry>();
}
