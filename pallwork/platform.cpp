#include "pallwork/platform.h"

namespace {

pwPlatform *substitute = nullptr; // not owned

} // namespace

pwPlatform &CurrentPlatform() { return substitute != nullptr ? *substitute : BuiltInPlatform(); }

void SetCurrentPlatform(pwPlatform *platform) { substitute = platform; }
