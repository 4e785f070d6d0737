#include "vorlunda/xsaver/x11/xwindowtarget.h"

namespace {

// The core fixed-width font every X server carries.
constexpr const char *kInfoFont = "fixed";
constexpr int kInfoBlue = 255;

bool Overlap(const ifsPixelRect &a, const ifsPixelRect &b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

vXWindowTarget::vXWindowTarget(Display *display, Window window, const XWindowAttributes &attributes,
                               bool allowSharedMemory, Error &problem)
    : display_(display), window_(window), width_(attributes.width), height_(attributes.height),
      // Only true-colour visuals get a picture, and their white is every bit of the masks.
      white_(attributes.visual->red_mask | attributes.visual->green_mask |
             attributes.visual->blue_mask) {
  problem = surface_.Create(display, window, attributes.visual, attributes.depth, width_, height_,
                            allowSharedMemory);
  surface_.SetAfterPut(AfterPut, this);
}

vXWindowTarget::~vXWindowTarget() {
  surface_.Destroy();
  if (textGc_ != nullptr)
    XFreeGC(display_, textGc_);
  if (font_ != nullptr)
    XFreeFont(display_, font_);
}

int vXWindowTarget::InfoFontHeight() {
  if (!surface_.IsCreated())
    return 0;
  if (font_ == nullptr) {
    font_ = XLoadQueryFont(display_, kInfoFont);
    if (font_ == nullptr)
      return 0;
    XGCValues values = {};
    values.font = font_->fid;
    values.foreground = white_;
    textGc_ = XCreateGC(display_, window_, GCFont | GCForeground, &values);
  }
  return font_->ascent + font_->descent;
}

void vXWindowTarget::ClearToBlack() {
  infoText_.clear();
  surface_.Clear();
  surface_.Present();
}

void vXWindowTarget::ClearRectToBlack(const ifsPixelRect &rect) {
  if (Overlap(rect, infoRect_))
    infoText_.clear();
  surface_.ClearRect(rect);
  surface_.Present();
}

void vXWindowTarget::DrawInfoLine(const ifsPixelRect &rect, const char *text) {
  if (!surface_.IsCreated())
    return;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      surface_.WriteRgb(x, y, 0, 0, kInfoBlue);
  infoRect_ = rect;
  infoText_ = text;
  surface_.Present();
}

void vXWindowTarget::AfterPut(void *context, const ifsPixelRect &area) {
  auto *target = static_cast<vXWindowTarget *>(context);
  if (!target->infoText_.empty() && Overlap(area, target->infoRect_))
    target->DrawInfoText();
}

void vXWindowTarget::DrawInfoText() {
  if (font_ == nullptr || textGc_ == nullptr)
    return;
  const int height = font_->ascent + font_->descent;
  const int baseline =
      infoRect_.top + (infoRect_.bottom - infoRect_.top - height) / 2 + font_->ascent;
  XRectangle clip = {static_cast<short>(infoRect_.left), static_cast<short>(infoRect_.top),
                     static_cast<unsigned short>(infoRect_.right - infoRect_.left),
                     static_cast<unsigned short>(infoRect_.bottom - infoRect_.top)};
  XSetClipRectangles(display_, textGc_, 0, 0, &clip, 1, Unsorted);
  XDrawString(display_, window_, textGc_, infoRect_.left, baseline, infoText_.c_str(),
              static_cast<int>(infoText_.size()));
}
