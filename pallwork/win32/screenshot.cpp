#include "pallwork/win32/saverwin.h"

#include "foundation/win32/scopedwin.h"
#include "imgfile/bmp.h"
#include "pallwork/msgbox.h"
#include "pallwork/shotwriter.h"
#include "pallwork/win32/filereq.h"
#include "pallwork/win32/hourglass.h"

#include <fstream>
#include <vector>

namespace {

constexpr char kShotCaption[] = "Screen shot";
constexpr char kNoScreen[] = "Unable to copy the screen";
constexpr char kNoResources[] = "Unable to copy the screen -- insufficient resources";
constexpr char kShotFileName[] = "*.BMP";
constexpr char kShotFilter[] = "Bitmap Files\0*.BMP\0All Files\0*.*\0";
constexpr char kShotExtension[] = "BMP";
constexpr DWORD kShotDialogFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
constexpr int kPaletteSize = 256;

// The header of the captured image: bottom-up, 8 bits with a palette.
struct ShotInfo {
  BITMAPINFOHEADER header;
  RGBQUAD colours[kPaletteSize];
};

ShotInfo MakeShotInfo(int width, int height, bool indexed) {
  ShotInfo info = {};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biPlanes = 1;
  info.header.biBitCount = indexed ? 8 : 24;
  info.header.biCompression = BI_RGB;
  return info;
}

std::vector<std::uint8_t> PaletteTable(HPALETTE palette) {
  PALETTEENTRY entries[kPaletteSize] = {};
  GetPaletteEntries(palette, 0, kPaletteSize, entries);
  std::vector<std::uint8_t> table(kShotPaletteBytes, 0);
  for (int i = 0; i < kPaletteSize; ++i) {
    table[3 * i] = entries[i].peRed;
    table[3 * i + 1] = entries[i].peGreen;
    table[3 * i + 2] = entries[i].peBlue;
  }
  return table;
}

class BitmapLines final : public pwScanLineSource {
public:
  BitmapLines(HDC dc, HBITMAP bitmap, ShotInfo &info, bool indexed)
      : dc_(dc), bitmap_(bitmap), info_(info), usage_(indexed ? DIB_PAL_COLORS : DIB_RGB_COLORS) {}

  std::int32_t Fetch(std::int32_t first, std::int32_t count, std::uint8_t *buffer) override {
    return GetDIBits(dc_, bitmap_, static_cast<UINT>(first), static_cast<UINT>(count), buffer,
                     reinterpret_cast<BITMAPINFO *>(&info_), usage_);
  }

private:
  HDC dc_;         // not owned
  HBITMAP bitmap_; // not owned
  ShotInfo &info_;
  UINT usage_;
};

// The dialog gets a starting folder only when it is one the dialog can take:
// longer texts overflow its buffers (Wine's dialog then brings the saver
// down with the picture), and a missing folder would only be refused.
const char *UsableStartingFolder(const String &folder) {
  if (folder.Length() == 0 || folder.Length() >= MAX_PATH)
    return nullptr;
  const DWORD attributes = GetFileAttributesA(folder.CStr());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
    return nullptr;
  return folder.CStr();
}

} // namespace

void pwScreenSaverWindow::TakeScreenShot() {
  const Error result = CaptureAndSave();
  if (result.Failed())
    MessageBoxA(window_, result.Message().CStr(), kShotCaption, MB_OK);
}

Error pwScreenSaverWindow::CaptureAndSave() {
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  RECT client = {};
  GetClientRect(window_, &client);
  const HPALETTE palette = GetPalette();
  Error result = Capture(palette, client.right, client.bottom);
  if (shotDc_ && shotBitmap_) {
    String path;
    const bool named = AskFileName(path);
    pwHourglass hourglass;
    UpdateWindow(window_);
    if (named && path.Length() > 0) {
      result = WriteShot(path, palette, client.right, client.bottom);
      if (result.Succeeded())
        AfterScreenShot(path);
    }
  }
  shotDc_.Reset();
  shotBitmap_.Reset();
  return result;
}

Error pwScreenSaverWindow::Capture(HPALETTE palette, int width, int height) {
  WindowDC windowDc(window_);
  if (windowDc.Get() == nullptr)
    return MakeError(kNoScreen);
  ShotInfo info = MakeShotInfo(width, height, palette != nullptr);
  shotDc_.Reset(CreateCompatibleDC(windowDc.Get()));
  shotBitmap_.Reset(CreateDIBitmap(windowDc.Get(), &info.header, 0, nullptr, nullptr, 0));
  if (!shotDc_ || !shotBitmap_)
    return MakeError(kNoResources);
  pwHourglass hourglass;
  if (palette != nullptr) {
    // Stays selected until the file is written, so GetDIBits maps through it.
    SelectPalette(shotDc_.Get(), palette, FALSE);
    RealizePalette(shotDc_.Get());
  }
  const SelectedObject selected(shotDc_.Get(), shotBitmap_.Get());
  BitBlt(shotDc_.Get(), 0, 0, width, height, windowDc.Get(), 0, 0, SRCCOPY);
  return Error();
}

bool pwScreenSaverWindow::AskFileName(String &path) {
  pwFileRequester requester(String(kShotFileName), kShotFilter, kShotExtension,
                            UsableStartingFolder(shotDirectory_));
  return requester.Run(false, window_, path, kShotDialogFlags);
}

Error pwScreenSaverWindow::WriteShot(const String &path, HPALETTE palette, int width, int height) {
  std::ofstream stream(path.CStr(), std::ios::binary | std::ios::trunc);
  BmpFile file(stream);
  const bool indexed = palette != nullptr;
  std::vector<std::uint8_t> table;
  if (indexed)
    table = PaletteTable(palette);
  ShotInfo info = MakeShotInfo(width, height, indexed);
  BitmapLines lines(shotDc_.Get(), shotBitmap_.Get(), info, indexed);
  const Error result =
      WriteScreenShot(file, width, height, indexed ? table.data() : nullptr, lines);
  if (indexed)
    SelectPalette(shotDc_.Get(), static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
  return result;
}
