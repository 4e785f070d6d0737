#pragma once

#include "pallwork/regbackend.h"

#include <memory>

// A registry for one test to fill and throw away. Natively it lives in
// memory; on Windows it is a key of the test process's own under the current
// user, emptied when created and removed with everything below it when the
// backend is destroyed. One at a time per process: all share that key.
std::unique_ptr<pwRegistryBackend> CreateScratchRegistryBackend();
