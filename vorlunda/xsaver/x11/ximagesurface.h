#pragma once

#include "foundation/error.h"
#include "ifs/surface.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include <cstdint>
#include <memory>

// A window's picture kept in a client-side image that the fractal writes
// directly, put to the window at most once a display frame: through shared
// memory where the server offers it, else through the connection. On the
// usual 24-bit true-colour visuals the image holds the pixels as the
// surface writes them; on any other true-colour visual the surface keeps
// its own 32-bit copy, converted into the image when put.
class vXImageSurface : public ifsSurface {
public:
  vXImageSurface() = default;
  ~vXImageSurface() override;

  // Black, width × height, for `window` of the given visual and depth.
  [[nodiscard]] Error Create(Display *display, Window window, Visual *visual, int depth, int width,
                             int height, bool allowSharedMemory = true);
  void Destroy();
  bool IsCreated() const { return image_ != nullptr; }
  bool SharesMemory() const { return shared_; }

  // Puts once a display frame has passed since the last put.
  void EndBatch() override;
  // Puts every pixel written since the last put.
  void Present();
  // Puts `area` again, as an expose asks.
  void Repaint(const ifsPixelRect &area);

  // Called after each put with the area put, so text drawn over the
  // picture can be drawn again.
  void SetAfterPut(void (*afterPut)(void *context, const ifsPixelRect &area), void *context) {
    afterPut_ = afterPut;
    afterPutContext_ = context;
  }

private:
  bool CreateSharedImage(Visual *visual, int depth, int width, int height);
  bool CreatePlainImage(Visual *visual, int depth, int width, int height);
  bool PixelsMatchImage() const;
  void Convert(const ifsPixelRect &area);
  void Put(const ifsPixelRect &area);

  Display *display_ = nullptr; // not owned
  Window window_ = 0;          // not owned
  GC gc_ = nullptr;
  XImage *image_ = nullptr;
  XShmSegmentInfo segment_ = {};
  bool shared_ = false;
  // Only when the image's pixels are not the surface's own.
  std::unique_ptr<std::uint32_t[]> own_;
  std::uint32_t lastPut_ = 0;
  std::uint32_t batches_ = 0;
  void (*afterPut_)(void *, const ifsPixelRect &) = nullptr;
  void *afterPutContext_ = nullptr;
};

// Milliseconds from a steady clock, wrapping as a tick count does.
std::uint32_t SteadyTicks();
