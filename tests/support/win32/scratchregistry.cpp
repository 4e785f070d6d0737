#include "tests/support/scratchregistry.h"

#include "pallwork/win32/win32registry.h"
#include "tests/support/win32/testregistryroot.h"

#include <windows.h>

struct ScratchRegistry::Store {
  Store() : registry(UniqueTestRegistryRoot()) {}
  pwWin32Registry registry;
};

ScratchRegistry::ScratchRegistry() : store_(new Store) {
  (void)store_->registry.DeleteRootTree(); // left over by an earlier process with the same id
  SetDefaultRegistryBackend(&store_->registry);
}

ScratchRegistry::~ScratchRegistry() {
  SetDefaultRegistryBackend(nullptr);
  (void)store_->registry.DeleteRootTree();
  // Only succeeds once no other test process has a root there.
  RegDeleteKeyA(HKEY_CURRENT_USER, kTestRegistryParent);
}

pwRegistryBackend &ScratchRegistry::Backend() { return store_->registry; }

const char *ScratchRegistry::Root() const { return store_->registry.Root(); }
