#include "pallwork/scratchregistry.h"

#include "pallwork/memregistry.h"

std::unique_ptr<pwRegistryBackend> CreateScratchRegistryBackend() {
  return std::make_unique<pwMemoryRegistry>();
}
