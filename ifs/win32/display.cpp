#include "ifs/win32/display.h"

#include "foundation/win32/scopedwin.h"
#include "ifs/colour.h"
#include "ifs/surface.h"

#include <vector>

namespace {

constexpr int kPaletteDeviceSize = 256;
constexpr WORD kLogPaletteVersion = 0x300;
// The cube needs 216 of 256 entries, so at most 40 can stay reserved.
constexpr int kMaxReserved = kPaletteDeviceSize - kCubeSize;

} // namespace

bool UsesPalette(HDC dc) {
  return (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0 &&
         GetDeviceCaps(dc, SIZEPALETTE) == kPaletteDeviceSize;
}

HPALETTE CreateCubePalette(HDC dc, int *reserved) {
  int count = GetDeviceCaps(dc, NUMRESERVED);
  if (count < 0)
    count = 0;
  if (count > kMaxReserved)
    count = kMaxReserved;
  if (reserved != nullptr)
    *reserved = count;
  const int entries = count + kCubeSize;
  // A byte buffer of a size known up front and zeroed, which DynArray (grown
  // by Add) does not give; std::vector is kept for that.
  std::vector<BYTE> storage(sizeof(LOGPALETTE) + entries * sizeof(PALETTEENTRY), 0);
  LOGPALETTE *palette = reinterpret_cast<LOGPALETTE *>(storage.data());
  palette->palVersion = kLogPaletteVersion;
  palette->palNumEntries = static_cast<WORD>(entries);
  PALETTEENTRY *entry = palette->palPalEntry;
  if (count > 0)
    GetSystemPaletteEntries(dc, 0, count, entry);
  for (int offset = 0; offset < kCubeSize; ++offset) {
    const ifsRgb rgb = CubeColour(offset);
    entry[count + offset] = {static_cast<BYTE>(rgb.red), static_cast<BYTE>(rgb.green),
                             static_cast<BYTE>(rgb.blue), PC_NOCOLLAPSE};
  }
  return CreatePalette(palette);
}

double AspectRatio(HWND window, int width, int height) {
  WindowDC dc(window);
  if (dc.Get() == nullptr)
    return AspectRatio(0, 0, width, height);
  return AspectRatio(GetDeviceCaps(dc.Get(), LOGPIXELSX), GetDeviceCaps(dc.Get(), LOGPIXELSY),
                     width, height);
}
