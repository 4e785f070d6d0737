#include "tests/support/scratchregistry.h"

#include "pallwork/win32/win32registry.h"
#include "tests/support/win32/testregistryroot.h"

#include <windows.h>

#include <sddl.h>

#include <string>
#include <vector>

namespace {

// Everyone may read the key and change its permissions back, nothing else.
constexpr char kReadOnlyAccess[] = "D:P(A;;0x60019;;;WD)";
constexpr char kFullAccess[] = "D:P(A;;KA;;;WD)";

bool SetKeyAccess(const std::string &path, const char *descriptor) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS)
    return false;
  PSECURITY_DESCRIPTOR security = nullptr;
  bool set = false;
  if (ConvertStringSecurityDescriptorToSecurityDescriptorA(descriptor, SDDL_REVISION_1, &security,
                                                           nullptr)) {
    set = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, security) == ERROR_SUCCESS;
    LocalFree(security);
  }
  RegCloseKey(key);
  return set;
}

} // namespace

struct ScratchRegistry::Store {
  Store() : registry(UniqueTestRegistryRoot()) {}
  pwWin32Registry registry;
  std::vector<std::string> readOnlyKeys;
};

ScratchRegistry::ScratchRegistry() : store_(new Store) {
  (void)store_->registry.DeleteRootTree(); // left over by an earlier process with the same id
  SetDefaultRegistryBackend(&store_->registry);
}

ScratchRegistry::~ScratchRegistry() {
  SetDefaultRegistryBackend(nullptr);
  for (const std::string &path : store_->readOnlyKeys)
    SetKeyAccess(path, kFullAccess);
  (void)store_->registry.DeleteRootTree();
  // Only succeeds once no other test process has a root there.
  RegDeleteKeyA(HKEY_CURRENT_USER, kTestRegistryParent);
}

pwRegistryBackend &ScratchRegistry::Backend() { return store_->registry; }

const char *ScratchRegistry::Root() const { return store_->registry.Root(); }

void ScratchRegistry::MakeKeyReadOnly(const char *path) {
  pwRegKey created = nullptr;
  if (store_->registry.CreateKey(path, &created) == kRegSuccess)
    store_->registry.CloseKey(created);
  const std::string full = std::string(Root()) + "\\" + path;
  if (SetKeyAccess(full, kReadOnlyAccess))
    store_->readOnlyKeys.push_back(full);
}
