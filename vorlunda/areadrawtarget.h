#pragma once

#include "vorlunda/drawtarget.h"

// One monitor's part of a target that spans several: a factory drawing here
// fits its fractals to this area alone and clears only this area, so its
// groups neither straddle a bezel nor wipe another monitor's picture. The
// fractal keeps its points inside the area it is fitted to; everything else
// drawn here is clipped to the area.
class vAreaDrawTarget : public vDrawTarget {
public:
  // `area` in the whole target's coordinates, inside it. Only one area of
  // a target should hold the information line.
  vAreaDrawTarget(vDrawTarget &whole, const ifsPixelRect &area, bool holdsInfoLine);

  ifsSurface *Surface() override { return whole_.Surface(); }
  bool IsPreview() const override { return whole_.IsPreview(); }
  bool ShowsInfoLine() const override { return holdsInfoLine_ && whole_.ShowsInfoLine(); }
  int ClientWidth() const override { return area_.right - area_.left; }
  int ClientHeight() const override { return area_.bottom - area_.top; }
  int AreaLeft() const override { return whole_.AreaLeft() + area_.left; }
  int AreaTop() const override { return whole_.AreaTop() + area_.top; }
  int InfoFontHeight() override { return whole_.InfoFontHeight(); }
  int CreatePalette() override { return whole_.CreatePalette(); }
  void RealizePalette() override { whole_.RealizePalette(); }
  void ClearToBlack() override { whole_.ClearRectToBlack(area_); }
  void ClearRectToBlack(const ifsPixelRect &rect) override;
  void DrawInfoLine(const ifsPixelRect &rect, const char *text) override;
  void Present() override { whole_.Present(); }

private:
  ifsPixelRect Whole(const ifsPixelRect &rect) const;

  vDrawTarget &whole_; // not owned
  ifsPixelRect area_;
  bool holdsInfoLine_;
};
