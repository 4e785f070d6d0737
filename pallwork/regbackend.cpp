#include "pallwork/regbackend.h"

#if defined(_WIN32)
#include "pallwork/win32/win32registry.h"
#else
#include "pallwork/memregistry.h"
#endif

namespace {

pwRegistryBackend *substitute = nullptr; // not owned

pwRegistryBackend &BuiltInRegistryBackend() {
#if defined(_WIN32)
  static pwWin32Registry registry;
#else
  static pwMemoryRegistry registry;
#endif
  return registry;
}

} // namespace

pwRegistryBackend &DefaultRegistryBackend() {
  return substitute != nullptr ? *substitute : BuiltInRegistryBackend();
}

void SetDefaultRegistryBackend(pwRegistryBackend *backend) { substitute = backend; }
