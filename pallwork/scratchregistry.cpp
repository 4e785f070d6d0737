#include "pallwork/scratchregistry.h"

// The Windows version is in win32/scratchregistry.cpp.
#if !defined(_WIN32)

#include "pallwork/memregistry.h"

std::unique_ptr<pwRegistryBackend> CreateScratchRegistryBackend() {
  return std::make_unique<pwMemoryRegistry>();
}

#endif
