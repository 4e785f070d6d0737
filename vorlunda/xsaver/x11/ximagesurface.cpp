#include "vorlunda/xsaver/x11/ximagesurface.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdlib>
#include <ctime>

namespace {

// About one frame of a 60 Hz display.
constexpr std::uint32_t kFrameMs = 16;
constexpr std::uint32_t kBatchesPerClockRead = 8;
constexpr int kMillimetresPerInch100 = 2540; // 25.4 mm, in hundredths
constexpr int kDefaultPixelsPerInch = 96;

// X reports a failed shared-memory attach as an error event, not a result.
bool attachFailed = false;
int NoteAttachFailure(Display *, XErrorEvent *) {
  attachFailed = true;
  return 0;
}

int PixelsPerInch(int pixels, int millimetres) {
  if (pixels <= 0 || millimetres <= 0)
    return kDefaultPixelsPerInch;
  return (pixels * kMillimetresPerInch100 / millimetres + 50) / 100;
}

// The lowest set bit's position and the number of bits of a channel mask.
void MaskShape(unsigned long mask, int &shift, int &bits) {
  shift = 0;
  bits = 0;
  while (mask != 0 && (mask & 1) == 0) {
    mask >>= 1;
    ++shift;
  }
  while ((mask & 1) != 0) {
    mask >>= 1;
    ++bits;
  }
}

unsigned long Channel(std::uint32_t value, unsigned long mask) {
  int shift = 0, bits = 0;
  MaskShape(mask, shift, bits);
  if (bits == 0)
    return 0;
  const unsigned long scaled = bits >= 8 ? value << (bits - 8) : value >> (8 - bits);
  return (scaled << shift) & mask;
}

} // namespace

std::uint32_t SteadyTicks() {
  timespec now = {};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                                    static_cast<std::uint64_t>(now.tv_nsec) / 1000000u);
}

vXImageSurface::~vXImageSurface() { Destroy(); }

Error vXImageSurface::Create(Display *display, Window window, Visual *visual, int depth, int width,
                             int height, bool allowSharedMemory) {
  Destroy();
  if (visual->c_class != TrueColor && visual->c_class != DirectColor)
    return MakeError("the window's visual is not a true-colour one");
  display_ = display;
  window_ = window;
  const bool made = (allowSharedMemory && CreateSharedImage(visual, depth, width, height)) ||
                    CreatePlainImage(visual, depth, width, height);
  if (!made) {
    Destroy();
    return MakeError("no memory for the picture");
  }
  gc_ = XCreateGC(display_, window_, 0, nullptr);
  std::uint32_t *pixels = reinterpret_cast<std::uint32_t *>(image_->data);
  if (!PixelsMatchImage()) {
    own_.reset(new (std::nothrow) std::uint32_t[static_cast<std::size_t>(width) * height]);
    if (!own_) {
      Destroy();
      return MakeError("no memory for the picture");
    }
    pixels = own_.get();
  }
  Attach(reinterpret_cast<std::uint8_t *>(pixels), own_ ? 4 * width : image_->bytes_per_line, width,
         height, ifsPixelFormat::Rgb32);
  const int screen = DefaultScreen(display_);
  SetPixelsPerInch(
      PixelsPerInch(DisplayWidth(display_, screen), DisplayWidthMM(display_, screen)),
      PixelsPerInch(DisplayHeight(display_, screen), DisplayHeightMM(display_, screen)));
  Clear();
  ClearDirty();
  lastPut_ = SteadyTicks();
  return Error();
}

bool vXImageSurface::CreateSharedImage(Visual *visual, int depth, int width, int height) {
  if (!XShmQueryExtension(display_))
    return false;
  image_ = XShmCreateImage(display_, visual, static_cast<unsigned>(depth), ZPixmap, nullptr,
                           &segment_, static_cast<unsigned>(width), static_cast<unsigned>(height));
  if (image_ == nullptr)
    return false;
  segment_.shmid = shmget(IPC_PRIVATE, static_cast<std::size_t>(image_->bytes_per_line) * height,
                          IPC_CREAT | 0600);
  if (segment_.shmid < 0) {
    XDestroyImage(image_);
    image_ = nullptr;
    return false;
  }
  segment_.shmaddr = image_->data = static_cast<char *>(shmat(segment_.shmid, nullptr, 0));
  segment_.readOnly = False;
  attachFailed = false;
  XSync(display_, False);
  XErrorHandler previous = XSetErrorHandler(NoteAttachFailure);
  const bool attached = segment_.shmaddr != reinterpret_cast<char *>(-1) &&
                        XShmAttach(display_, &segment_) && (XSync(display_, False), !attachFailed);
  XSetErrorHandler(previous);
  // Marked for removal now, so the segment goes with the last process using it.
  shmctl(segment_.shmid, IPC_RMID, nullptr);
  if (!attached) {
    if (segment_.shmaddr != reinterpret_cast<char *>(-1))
      shmdt(segment_.shmaddr);
    image_->data = nullptr;
    XDestroyImage(image_);
    image_ = nullptr;
    segment_ = {};
    return false;
  }
  shared_ = true;
  return true;
}

bool vXImageSurface::CreatePlainImage(Visual *visual, int depth, int width, int height) {
  image_ = XCreateImage(display_, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                        static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
  if (image_ == nullptr)
    return false;
  // XDestroyImage frees the pixels with free().
  image_->data = static_cast<char *>(
      std::calloc(static_cast<std::size_t>(image_->bytes_per_line) * height, 1));
  if (image_->data == nullptr) {
    XDestroyImage(image_);
    image_ = nullptr;
    return false;
  }
  return true;
}

// 0x00RRGGBB words in the machine's byte order, as the surface writes them.
bool vXImageSurface::PixelsMatchImage() const {
  const std::uint32_t probe = 1;
  const bool littleEndian = *reinterpret_cast<const unsigned char *>(&probe) == 1;
  return image_->bits_per_pixel == 32 && image_->red_mask == 0xff0000 &&
         image_->green_mask == 0xff00 && image_->blue_mask == 0xff &&
         image_->byte_order == (littleEndian ? LSBFirst : MSBFirst);
}

void vXImageSurface::Destroy() {
  Detach();
  if (image_ != nullptr) {
    if (shared_) {
      XShmDetach(display_, &segment_);
      XSync(display_, False);
      shmdt(segment_.shmaddr);
      image_->data = nullptr;
    }
    XDestroyImage(image_);
    image_ = nullptr;
  }
  if (gc_ != nullptr)
    XFreeGC(display_, gc_);
  gc_ = nullptr;
  own_.reset();
  shared_ = false;
  segment_ = {};
}

// A batch takes a few microseconds, so the clock is read every few batches
// only: a frame is thousands of them.
void vXImageSurface::EndBatch() {
  if (++batches_ % kBatchesPerClockRead == 0 && SteadyTicks() - lastPut_ >= kFrameMs)
    Present();
}

void vXImageSurface::Present() {
  lastPut_ = SteadyTicks();
  const ifsPixelRect dirty = Dirty();
  if (!IsCreated() || dirty.IsEmpty())
    return;
  ClearDirty();
  if (own_)
    Convert(dirty);
  Put(dirty);
}

void vXImageSurface::Repaint(const ifsPixelRect &area) {
  if (!IsCreated())
    return;
  ifsPixelRect clipped = {area.left < 0 ? 0 : area.left, area.top < 0 ? 0 : area.top,
                          area.right > Width() ? Width() : area.right,
                          area.bottom > Height() ? Height() : area.bottom};
  if (!clipped.IsEmpty())
    Put(clipped);
}

void vXImageSurface::Convert(const ifsPixelRect &area) {
  for (int y = area.top; y < area.bottom; ++y) {
    const std::uint32_t *row = own_.get() + static_cast<std::size_t>(y) * Width();
    for (int x = area.left; x < area.right; ++x) {
      const std::uint32_t rgb = row[x];
      XPutPixel(image_, x, y,
                Channel(rgb >> 16 & 0xff, image_->red_mask) |
                    Channel(rgb >> 8 & 0xff, image_->green_mask) |
                    Channel(rgb & 0xff, image_->blue_mask));
    }
  }
}

void vXImageSurface::Put(const ifsPixelRect &area) {
  const unsigned width = static_cast<unsigned>(area.right - area.left);
  const unsigned height = static_cast<unsigned>(area.bottom - area.top);
  if (shared_)
    XShmPutImage(display_, window_, gc_, image_, area.left, area.top, area.left, area.top, width,
                 height, False);
  else
    XPutImage(display_, window_, gc_, image_, area.left, area.top, area.left, area.top, width,
              height);
  if (afterPut_ != nullptr)
    afterPut_(afterPutContext_, area);
  XFlush(display_);
}
