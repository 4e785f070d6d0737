#include "vorlunda/win32/windowdrawtarget.h"

#include "foundation/win32/scopedwin.h"
#include "ifs/win32/display.h"

namespace {

const COLORREF kInfoBackground = RGB(0, 0, 255);
const COLORREF kInfoText = RGB(255, 255, 255);

// A device context's font, background mode and colours for one scope.
class SavedTextState {
public:
  explicit SavedTextState(HDC dc)
      : dc_(dc), font_(SelectObject(dc, GetStockObject(SYSTEM_FIXED_FONT))),
        mode_(SetBkMode(dc, OPAQUE)), text_(SetTextColor(dc, kInfoText)),
        background_(SetBkColor(dc, kInfoBackground)) {}
  ~SavedTextState() {
    SetBkColor(dc_, background_);
    SetTextColor(dc_, text_);
    SetBkMode(dc_, mode_);
    SelectObject(dc_, font_);
  }
  SavedTextState(const SavedTextState &) = delete;
  SavedTextState &operator=(const SavedTextState &) = delete;

private:
  HDC dc_; // not owned
  HGDIOBJ font_;
  int mode_;
  COLORREF text_;
  COLORREF background_;
};

void DrawInfoText(HDC dc, const ifsPixelRect &rect, const char *text) {
  RECT area = {rect.left, rect.top, rect.right, rect.bottom};
  const HBRUSH blue = CreateSolidBrush(kInfoBackground);
  FillRect(dc, &area, blue);
  DeleteObject(blue);
  SavedTextState state(dc);
  DrawTextA(dc, text, -1, &area, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
}

} // namespace

vWindowDrawTarget::vWindowDrawTarget(HWND window, bool preview)
    : window_(window), preview_(preview) {
  RECT client = {};
  if (window_ == nullptr || !GetClientRect(window_, &client))
    return;
  width_ = client.right;
  height_ = client.bottom;
  CreateSurface();
}

vWindowDrawTarget::~vWindowDrawTarget() {
  surface_.Destroy();
  direct_.Destroy();
  if (palette_ != nullptr)
    DeleteObject(palette_);
}

void vWindowDrawTarget::CreateSurface() {
  direct_.Destroy();
  if (surface_.Create(window_, width_, height_, palette_).Succeeded())
    return;
  surface_.Destroy();
  direct_.Create(window_, width_, height_, palette_);
}

ifsSurface *vWindowDrawTarget::Surface() {
  if (surface_.IsCreated())
    return &surface_;
  return direct_.IsCreated() ? &direct_ : nullptr;
}

void vWindowDrawTarget::Present() {
  surface_.Present();
  direct_.Present();
}

int vWindowDrawTarget::InfoFontHeight() {
  if (window_ == nullptr)
    return 0;
  WindowDC dc(window_);
  if (dc.Get() == nullptr)
    return 0;
  const HGDIOBJ previous = SelectObject(dc.Get(), GetStockObject(SYSTEM_FIXED_FONT));
  TEXTMETRICA metrics = {};
  const bool measured = GetTextMetricsA(dc.Get(), &metrics) != 0;
  SelectObject(dc.Get(), previous);
  return measured ? metrics.tmHeight : 0;
}

int vWindowDrawTarget::CreatePalette() {
  if (palette_ != nullptr)
    return paletteBase_;
  if (window_ == nullptr)
    return -1;
  WindowDC dc(window_);
  if (dc.Get() == nullptr || !UsesPalette(dc.Get()))
    return -1;
  int reserved = 0;
  palette_ = CreateCubePalette(dc.Get(), &reserved);
  if (palette_ == nullptr)
    return -1;
  // The backing store is remade as an 8-bit picture in the palette's colours.
  CreateSurface();
  paletteBase_ = reserved;
  return reserved;
}

void vWindowDrawTarget::RealizePalette() {
  if (palette_ == nullptr)
    return;
  WindowDC dc(window_);
  if (dc.Get() == nullptr)
    return;
  const HPALETTE previous = SelectPalette(dc.Get(), palette_, FALSE);
  ::RealizePalette(dc.Get());
  SelectPalette(dc.Get(), previous, FALSE);
}

void vWindowDrawTarget::ClearToBlack() {
  surface_.Clear();
  direct_.Clear();
  // Repainted at once with the black background, so the old picture goes
  // before the new group's first points.
  InvalidateRect(window_, nullptr, TRUE);
  UpdateWindow(window_);
  surface_.ClearDirty();
}

// Shown at once: the other monitors' pending points go with it, and nothing
// of theirs is cleared.
void vWindowDrawTarget::ClearRectToBlack(const ifsPixelRect &rect) {
  if (surface_.IsCreated()) {
    surface_.ClearRect(rect);
    surface_.Present();
    return;
  }
  direct_.Present();
  WindowDC dc(window_);
  if (dc.Get() == nullptr)
    return;
  const RECT area = {rect.left, rect.top, rect.right, rect.bottom};
  FillRect(dc.Get(), &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void vWindowDrawTarget::DrawInfoLine(const ifsPixelRect &rect, const char *text) {
  if (!surface_.IsCreated()) {
    WindowDC dc(window_);
    if (direct_.IsCreated() && dc.Get() != nullptr)
      DrawInfoText(dc.Get(), rect, text);
    return;
  }
  if (surface_.MemoryDc() == nullptr)
    return;
  DrawInfoText(surface_.MemoryDc(), rect, text);
  surface_.FinishGdiDrawing(rect);
  surface_.Present();
}
