#include "tests/imgfile/support/imagemagick.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char *kImageMagick = "/usr/bin/convert";

} // namespace

bool ImageMagickAvailable() { return std::filesystem::exists(kImageMagick); }

bool DecodeWithImageMagick(const std::filesystem::path &file, std::vector<std::uint8_t> &rgb) {
  const std::string command =
      std::string(kImageMagick) + " '" + file.string() + "' -depth 8 rgb:- 2>/dev/null";
  FILE *pipe = popen(command.c_str(), "r");
  if (pipe == nullptr)
    return false;
  std::uint8_t chunk[4096];
  for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
    rgb.insert(rgb.end(), chunk, chunk + got);
  return pclose(pipe) == 0;
}
