#include "imgfile/pngfile.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

namespace {

// libpng reports failures by a long jump back here, so this frame holds
// nothing that needs a destructor.
bool Encode(std::FILE *file, std::int32_t width, std::int32_t height, PngRowSource &rows,
            std::uint8_t *row) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr)
    return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  // Pictures are mostly black: the fastest level packs them nearly as well.
  png_set_compression_level(png, 1);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (std::int32_t y = 0; y < height; ++y) {
    rows.Fill(y, row);
    png_write_row(png, row);
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

} // namespace

Error WritePngFile(const char *path, std::int32_t width, std::int32_t height, PngRowSource &rows) {
  std::FILE *file = std::fopen(path, "wb");
  if (file == nullptr)
    return MakeError(String("cannot create ") + path);
  // A byte buffer of a size known up front, which DynArray (grown by Add)
  // does not give; std::vector is kept for that.
  std::vector<std::uint8_t> row(3 * static_cast<std::size_t>(width > 0 ? width : 1));
  const bool encoded = Encode(file, width, height, rows, row.data());
  const bool closed = std::fclose(file) == 0;
  if (encoded && closed)
    return Error();
  std::remove(path);
  return MakeError(String("cannot write ") + path);
}
