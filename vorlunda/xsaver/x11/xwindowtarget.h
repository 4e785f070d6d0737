#pragma once

#include "vorlunda/drawtarget.h"
#include "vorlunda/xsaver/x11/ximagesurface.h"

#include <X11/Xlib.h>

#include <string>

// An X window as the factory's drawing target. The picture lives in the
// client-side image, so an expose is answered from it; the information
// line's bar is part of the picture and its text is drawn over the bar
// after every put that covers it.
class vXWindowTarget : public vDrawTarget {
public:
  // Without a picture (no memory, an unusable visual) there is no surface
  // and the factory only counts; `problem` then says why.
  vXWindowTarget(Display *display, Window window, const XWindowAttributes &attributes,
                 bool allowSharedMemory, Error &problem);
  ~vXWindowTarget() override;

  ifsSurface *Surface() override { return surface_.IsCreated() ? &surface_ : nullptr; }
  bool IsPreview() const override { return false; }
  int ClientWidth() const override { return width_; }
  int ClientHeight() const override { return height_; }
  int InfoFontHeight() override;
  // True colour only: there is no palette to set up.
  int CreatePalette() override { return -1; }
  void RealizePalette() override {}
  void ClearToBlack() override;
  void ClearRectToBlack(const ifsPixelRect &rect) override;
  void DrawInfoLine(const ifsPixelRect &rect, const char *text) override;
  void Present() override { surface_.Present(); }

  void Repaint(const ifsPixelRect &area) { surface_.Repaint(area); }
  bool SharesMemory() const { return surface_.SharesMemory(); }

private:
  static void AfterPut(void *context, const ifsPixelRect &area);
  void DrawInfoText();

  Display *display_; // not owned
  Window window_;
  int width_;
  int height_;
  unsigned long white_;
  vXImageSurface surface_;
  XFontStruct *font_ = nullptr;
  GC textGc_ = nullptr;
  ifsPixelRect infoRect_;
  std::string infoText_;
};
