#pragma once

#include "pallwork/regbackend.h"

#include <memory>

// A registry for one test to fill and throw away, the default backend while
// it lives. Natively it is held in memory; on Windows it is a key of the test
// process's own under the current user, emptied when created and removed with
// everything below it when destroyed. One at a time per process: on Windows
// all share that key.
class ScratchRegistry {
public:
  ScratchRegistry();
  ~ScratchRegistry();
  ScratchRegistry(const ScratchRegistry &) = delete;
  ScratchRegistry &operator=(const ScratchRegistry &) = delete;

  pwRegistryBackend &Backend();
  // Creates the key if need be and lets this user only read it from then on,
  // as its permissions may on Windows; the key is freed again on destruction.
  void MakeKeyReadOnly(const char *path);
  // Where it lives under the current user, for checking with other tools;
  // empty where there is no system registry.
  const char *Root() const;

private:
  struct Store; // this platform's registry
  std::unique_ptr<Store> store_;
};
