#include "pallwork/regbackend.h"

namespace {

pwRegistryBackend *substitute = nullptr; // not owned

} // namespace

pwRegistryBackend &DefaultRegistryBackend() {
  return substitute != nullptr ? *substitute : BuiltInRegistryBackend();
}

void SetDefaultRegistryBackend(pwRegistryBackend *backend) { substitute = backend; }
