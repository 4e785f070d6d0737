#pragma once

#include "ifs/surface.h"

#include <windows.h>

// A window's drawing area without a picture of its own: every batch of
// points is set straight onto the window. The fallback for a drawing area
// too large for a backing store; what the window loses on a repaint is not
// brought back.
class ifsDirectSurface : public ifsSurface {
public:
  ifsDirectSurface() = default;
  ~ifsDirectSurface() override = default;

  // width × height pixels of the window's client area from its top-left
  // corner. With a palette on a palette display, pixels are palette indexes.
  void Create(HWND window, int width, int height, HPALETTE palette = nullptr);
  void Destroy();
  bool IsCreated() const { return window_ != nullptr; }

  void EndBatch() override { Present(); }
  // Sets the points written since the last call onto the window.
  void Present();

protected:
  void FlushPlots() override { Present(); }

private:
  void DrawPlots();

  // Every drawing step's points fit, so a step costs one device context.
  static constexpr int kPlotCapacity = 256;

  HWND window_ = nullptr;      // not owned
  HPALETTE palette_ = nullptr; // not owned
  ifsPlot plots_[kPlotCapacity] = {};
};
