#include "tests/support/scratchregistry.h"

#include "pallwork/memregistry.h"

struct ScratchRegistry::Store {
  pwMemoryRegistry registry;
};

ScratchRegistry::ScratchRegistry() : store_(new Store) {
  SetDefaultRegistryBackend(&store_->registry);
}

ScratchRegistry::~ScratchRegistry() { SetDefaultRegistryBackend(nullptr); }

pwRegistryBackend &ScratchRegistry::Backend() { return store_->registry; }

const char *ScratchRegistry::Root() const { return ""; }

void ScratchRegistry::MakeKeyReadOnly(const char *path) { store_->registry.SetKeyReadOnly(path); }
