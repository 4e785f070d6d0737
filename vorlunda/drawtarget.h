#pragma once

#include "ifs/surface.h"

// What the factory needs from the window it draws into. A saver window and a
// memory picture both provide it, so both run the same drawing loop.
class vDrawTarget {
public:
  vDrawTarget() = default;
  vDrawTarget(const vDrawTarget &) = delete;
  vDrawTarget &operator=(const vDrawTarget &) = delete;
  virtual ~vDrawTarget() = default;

  // Null when there is nothing to draw on: the factory then only counts.
  virtual ifsSurface *Surface() = 0;
  virtual bool IsPreview() const = 0;
  // Whether the information line may be drawn here at all.
  virtual bool ShowsInfoLine() const { return !IsPreview(); }
  // The size of the drawing area and where it lies on the surface.
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
  virtual int AreaLeft() const { return 0; }
  virtual int AreaTop() const { return 0; }
  // Height of the information line's text, 0 when no font can be had.
  virtual int InfoFontHeight() = 0;
  // Sets up the 256-colour palette when the display needs one and returns
  // the cube's first index, or -1 when it does not. Targets that share a
  // surface share its palette, so a second call returns the first's index.
  virtual int CreatePalette() = 0;
  // Makes the palette current again before a group is drawn.
  virtual void RealizePalette() = 0;
  virtual void ClearToBlack() = 0;
  // Clears part of the surface only, leaving the rest as it is.
  virtual void ClearRectToBlack(const ifsPixelRect &rect) = 0;
  virtual void DrawInfoLine(const ifsPixelRect &rect, const char *text) = 0;
  // Shows everything drawn so far; called when a fractal is finished.
  virtual void Present() = 0;
};
