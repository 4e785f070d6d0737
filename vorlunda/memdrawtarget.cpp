#include "vorlunda/memdrawtarget.h"

namespace {

// The system fixed-pitch font of a common display is 16 pixels high.
constexpr int kMemoryFontHeight = 16;
// Colours the system keeps at the low end of a 256-colour palette.
constexpr int kReservedSystemColours = 10;
constexpr int kInfoBlue = 255;

} // namespace

vMemoryDrawTarget::vMemoryDrawTarget(int width, int height, ifsPixelFormat format)
    : surface_(std::make_unique<ifsMemorySurface>(width, height, format)), width_(width),
      height_(height), reservedColours_(kReservedSystemColours) {}

vMemoryDrawTarget::vMemoryDrawTarget(int width, int height, ifsPixelFormat format,
                                     int pixelsPerInchX, int pixelsPerInchY, int reservedColours)
    : surface_(std::make_unique<ifsMemorySurface>(width, height, format, pixelsPerInchX,
                                                  pixelsPerInchY)),
      width_(width), height_(height), reservedColours_(reservedColours) {}

vMemoryDrawTarget::vMemoryDrawTarget() : reservedColours_(kReservedSystemColours) {}

int vMemoryDrawTarget::InfoFontHeight() { return surface_ ? kMemoryFontHeight : 0; }

int vMemoryDrawTarget::CreatePalette() {
  if (!surface_ || !surface_->UsesPalette())
    return -1;
  surface_->SetCubePalette(reservedColours_);
  return reservedColours_;
}

void vMemoryDrawTarget::ClearToBlack() {
  if (surface_)
    surface_->Clear();
}

void vMemoryDrawTarget::ClearRectToBlack(const ifsPixelRect &rect) {
  if (surface_)
    surface_->ClearRect(rect);
}

void vMemoryDrawTarget::DrawInfoLine(const ifsPixelRect &rect, const char *) {
  ++infoLinesDrawn_;
  if (!surface_)
    return;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      surface_->WriteRgb(x, y, 0, 0, kInfoBlue);
}
