#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// ImageMagick on the build host, a decoder written by others to check the
// files against. Programs under Wine cannot reach it.
bool ImageMagickAvailable();

// Raw red, green, blue bytes, top row first, as ImageMagick decodes the file.
bool DecodeWithImageMagick(const std::filesystem::path &file, std::vector<std::uint8_t> &rgb);
