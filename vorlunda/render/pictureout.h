#pragma once

#include "foundation/error.h"
#include "ifs/surface.h"

// Writes the surface to `path`: a PNG file when the name ends in ".png" (in
// any letter case), else a BMP file. A file left half written is removed.
[[nodiscard]] Error WritePicture(const ifsSurface &surface, const char *path);
