#pragma once

#include "ifs/memsurface.h"
#include "vorlunda/drawtarget.h"

#include <memory>

// A window made of memory, for the renderer and the tests. The information
// line is a blue bar: text is left to the real window's font.
class vMemoryDrawTarget : public vDrawTarget {
public:
  // Indexed8 stands for a 256-colour palette display.
  vMemoryDrawTarget(int width, int height, ifsPixelFormat format = ifsPixelFormat::Rgb32);
  // As another display had it: its pixels per inch and, at 8 bits, the
  // system colours below the palette's cube.
  vMemoryDrawTarget(int width, int height, ifsPixelFormat format, int pixelsPerInchX,
                    int pixelsPerInchY, int reservedColours);
  // No surface: nothing is drawn, as for a window without a device context.
  vMemoryDrawTarget();

  ifsSurface *Surface() override { return surface_.get(); }
  bool IsPreview() const override { return preview_; }
  int ClientWidth() const override { return width_; }
  int ClientHeight() const override { return height_; }
  int InfoFontHeight() override;
  int CreatePalette() override;
  void RealizePalette() override {}
  void ClearToBlack() override;
  void ClearRectToBlack(const ifsPixelRect &rect) override;
  void DrawInfoLine(const ifsPixelRect &rect, const char *text) override;
  void Present() override {}

  void SetPreview(bool preview) { preview_ = preview; }
  int InfoLinesDrawn() const { return infoLinesDrawn_; }

private:
  std::unique_ptr<ifsMemorySurface> surface_;
  int width_ = 0;
  int height_ = 0;
  bool preview_ = false;
  int infoLinesDrawn_ = 0;
  int reservedColours_;
};
