#include "pallwork/memregistry.h"

// Without Windows there is no registry to keep settings in; they live as long
// as the process, which is what tests and the renderer need.
pwRegistryBackend &BuiltInRegistryBackend() {
  static pwMemoryRegistry registry;
  return registry;
}
