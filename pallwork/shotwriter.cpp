#include "pallwork/shotwriter.h"

#include <algorithm>
#include <vector>

namespace {

constexpr char kCopyFailed[] = "Unable to copy the image from the screen";

} // namespace

std::int32_t ShotRowStride(std::int32_t width, bool indexed) {
  const std::int32_t bytes = indexed ? width : 3 * width;
  return (bytes + 3) / 4 * 4;
}

Error WriteScreenShot(ImageFileBase &file, std::int32_t width, std::int32_t height,
                      const std::uint8_t *palette, pwScanLineSource &source) {
  const bool indexed = palette != nullptr;
  Error result = file.Initialize(width, height, false, indexed ? 8 : 24, false, palette);
  const std::int32_t chunk = indexed ? kShotChunkRows8 : kShotChunkRows24;
  const std::int32_t stride = ShotRowStride(width, indexed);
  // A byte buffer of a size known up front and zeroed, which DynArray (grown
  // by Add) does not give; std::vector is kept for that.
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(stride) * chunk);
  for (std::int32_t row = 0; row < height && !result.Failed(); ++row) {
    const std::int32_t slot = row % chunk;
    if (slot == 0) {
      const std::int32_t wanted = std::min(chunk, height - row);
      if (source.Fetch(row, wanted, buffer.data()) < wanted) {
        result = MakeError(kCopyFailed);
        break;
      }
    }
    const std::uint8_t *line = buffer.data() + static_cast<std::size_t>(slot) * stride;
    result = indexed ? file.WriteRow8(line) : file.WriteRow24(line);
  }
  // Complete fails only after an earlier failure, which is already the result.
  (void)file.Complete();
  return result;
}
