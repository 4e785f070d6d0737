#include "vorlunda/render/pictureout.h"

#include "foundation/string.h"
#include "imgfile/bmp.h"
#include "imgfile/pngfile.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

constexpr const char *kPngEnding = ".png";

bool NamesPng(const char *path) {
  const std::size_t length = std::strlen(path);
  const std::size_t ending = std::strlen(kPngEnding);
  return length > ending &&
         String(path + length - ending).CompareNoCase(kPngEnding, static_cast<int>(ending) + 1) ==
             0;
}

// A surface pixel as red, green, blue, through the palette on 8 bits.
class SurfaceRows final : public PngRowSource {
public:
  explicit SurfaceRows(const ifsSurface &surface) : surface_(surface) {}
  void Fill(std::int32_t y, std::uint8_t *rgb) override {
    const bool indexed = surface_.Format() == ifsPixelFormat::Indexed8;
    for (int x = 0; x < surface_.Width(); ++x) {
      std::uint8_t *pixel = rgb + 3 * x;
      if (indexed) {
        const std::uint32_t entry = surface_.Palette()[surface_.Row(y)[x]]; // 0x00RRGGBB
        pixel[0] = static_cast<std::uint8_t>(entry >> 16);
        pixel[1] = static_cast<std::uint8_t>(entry >> 8);
        pixel[2] = static_cast<std::uint8_t>(entry);
      } else {
        const std::uint32_t colour = surface_.ReadColour(x, y); // 0x00BBGGRR
        pixel[0] = static_cast<std::uint8_t>(colour);
        pixel[1] = static_cast<std::uint8_t>(colour >> 8);
        pixel[2] = static_cast<std::uint8_t>(colour >> 16);
      }
    }
  }

private:
  const ifsSurface &surface_;
};

Error WriteRows(const ifsSurface &surface, BmpFile &file) {
  // A byte buffer of a size known up front and zeroed, which DynArray (grown
  // by Add) does not give; std::vector is kept for that.
  std::vector<std::uint8_t> row(3 * static_cast<std::size_t>(surface.Width()));
  for (int y = 0; y < surface.Height(); ++y) {
    Error result;
    if (surface.Format() == ifsPixelFormat::Indexed8) {
      result = file.WriteRow8(surface.Row(y));
    } else {
      for (int x = 0; x < surface.Width(); ++x) {
        const std::uint32_t colour = surface.ReadColour(x, y); // 0x00BBGGRR
        row[3 * x] = static_cast<std::uint8_t>(colour >> 16);
        row[3 * x + 1] = static_cast<std::uint8_t>(colour >> 8);
        row[3 * x + 2] = static_cast<std::uint8_t>(colour);
      }
      result = file.WriteRow24(row.data());
    }
    if (result.Failed())
      return result;
  }
  return file.Complete();
}

Error WriteBmp(const ifsSurface &surface, const char *path) {
  std::ofstream stream(path, std::ios::binary | std::ios::trunc);
  if (!stream)
    return MakeError(String("cannot create ") + path);
  std::uint8_t palette[3 * kPaletteEntries];
  for (int i = 0; i < kPaletteEntries; ++i) {
    const std::uint32_t entry = surface.Palette()[i]; // 0x00RRGGBB
    palette[3 * i] = static_cast<std::uint8_t>(entry >> 16);
    palette[3 * i + 1] = static_cast<std::uint8_t>(entry >> 8);
    palette[3 * i + 2] = static_cast<std::uint8_t>(entry);
  }
  const bool indexed = surface.Format() == ifsPixelFormat::Indexed8;
  BmpFile file(stream);
  const Error started = file.Initialize(surface.Width(), surface.Height(), true, indexed ? 8 : 24,
                                        false, indexed ? palette : nullptr);
  if (started.Failed())
    return started;
  return WriteRows(surface, file);
}

} // namespace

Error WritePicture(const ifsSurface &surface, const char *path) {
  if (NamesPng(path)) {
    SurfaceRows rows(surface);
    return WritePngFile(path, surface.Width(), surface.Height(), rows);
  }
  const Error written = WriteBmp(surface, path);
  if (written.Failed())
    std::remove(path);
  return written;
}
