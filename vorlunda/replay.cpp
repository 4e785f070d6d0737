#include "vorlunda/replay.h"

#include "vorlunda/areadrawtarget.h"
#include "vorlunda/config.h"
#include "vorlunda/factory.h"

#include <cmath>

namespace {

// Scales one edge position, so neighbouring areas keep sharing their edge.
std::int32_t ScaleEdge(std::int32_t edge, std::int32_t to, std::int32_t from) {
  return static_cast<std::int32_t>(static_cast<std::int64_t>(edge) * to / from);
}

void ReplayArea(const vAreaRecord &area, const vPictureRecord &record, vMemoryDrawTarget &whole) {
  const int width = whole.ClientWidth(), height = whole.ClientHeight();
  const ifsPixelRect rect = {ScaleEdge(area.left, width, record.width),
                             ScaleEdge(area.top, height, record.height),
                             ScaleEdge(area.left + area.width, width, record.width),
                             ScaleEdge(area.top + area.drawnHeight, height, record.height)};
  if (rect.right <= rect.left || rect.bottom <= rect.top)
    return;
  vScheme scheme;
  if (scheme.FromText(area.schemeText).Failed())
    return;
  scheme.enabled = true;
  vConfigMgr config;
  config.SetScheme(area.schemeName, scheme);
  // The area never holds the information line: fractals get the rows they had.
  vAreaDrawTarget target(whole, rect, false);
  vFactory factory(&target, &config);
  const double recordedPixels = static_cast<double>(area.width) * area.drawnHeight;
  const double pixels =
      static_cast<double>(rect.right - rect.left) * static_cast<double>(rect.bottom - rect.top);
  factory.Redraw(area.fractals, recordedPixels > 0 ? pixels / recordedPixels : 1.0);
}

} // namespace

std::unique_ptr<vMemoryDrawTarget> Replay(const vPictureRecord &record, int width, int height) {
  if (width <= 0 || height <= 0) {
    width = record.width;
    height = record.height;
  }
  const bool indexed = record.depth == 8;
  auto picture = std::make_unique<vMemoryDrawTarget>(
      width, height, indexed ? ifsPixelFormat::Indexed8 : ifsPixelFormat::Rgb32,
      record.pixelsPerInchX, record.pixelsPerInchY, indexed ? record.paletteBase : 0);
  if (indexed)
    picture->CreatePalette();
  picture->ClearToBlack();
  for (const vAreaRecord &area : record.areas)
    ReplayArea(area, record, *picture);
  return picture;
}
