#include "tests/win32/support/windowshot.h"

#include "foundation/win32/scopedwin.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr WORD kBitmapMagic = 0x4D42; // "BM"
constexpr int kBitsPerPixel = 24;

bool CaptureScreen(const RECT &area, std::vector<unsigned char> &bits, BITMAPINFOHEADER &info) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  const WindowDC screen(nullptr);
  const MemoryDC memory(screen.Get());
  const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
  if (!memory || !bitmap)
    return false;
  bool ok = false;
  {
    // GetDIBits wants the bitmap out of the device context again.
    const SelectedObject selected(memory.Get(), bitmap.Get());
    ok = BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY) !=
         FALSE;
  }
  info = {};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height; // bottom row first, as the file wants it
  info.biPlanes = 1;
  info.biBitCount = kBitsPerPixel;
  info.biCompression = BI_RGB;
  const int rowSize = (width * 3 + 3) & ~3;
  bits.assign(static_cast<size_t>(rowSize) * static_cast<size_t>(height), 0);
  return ok && GetDIBits(memory.Get(), bitmap.Get(), 0, static_cast<UINT>(height), bits.data(),
                         reinterpret_cast<BITMAPINFO *>(&info), DIB_RGB_COLORS) == height;
}

} // namespace

bool SaveWindowShot(HWND window, const std::string &path) {
  RECT area = {};
  if (!GetWindowRect(window, &area))
    return false;
  std::vector<unsigned char> bits;
  BITMAPINFOHEADER info;
  if (!CaptureScreen(area, bits, info))
    return false;
  BITMAPFILEHEADER header = {};
  header.bfType = kBitmapMagic;
  header.bfOffBits = sizeof(header) + sizeof(info);
  header.bfSize = static_cast<DWORD>(header.bfOffBits + bits.size());
  FILE *file = std::fopen(path.c_str(), "wb");
  if (file == nullptr)
    return false;
  bool ok = std::fwrite(&header, sizeof(header), 1, file) == 1 &&
            std::fwrite(&info, sizeof(info), 1, file) == 1 &&
            std::fwrite(bits.data(), bits.size(), 1, file) == 1;
  ok = std::fclose(file) == 0 && ok;
  return ok;
}

std::string TestTmpPath(const std::string &name) {
  const char *folder = std::getenv("VORLUNDA_TEST_TMP");
  if (folder == nullptr || *folder == '\0')
    return name;
  return std::string(folder) + "\\" + name;
}
