#include "tests/imgfile/support/imagemagick.h"

// It lives on the build host, outside Wine.
bool ImageMagickAvailable() { return false; }

bool DecodeWithImageMagick(const std::filesystem::path &, std::vector<std::uint8_t> &) {
  return false;
}
