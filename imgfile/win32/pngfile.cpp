#include "imgfile/pngfile.h"

#include <windows.h>

#include <wincodec.h>

#include <vector>

namespace {

// Rows handed to the encoder at a time: fewer calls, little memory.
constexpr std::int32_t kChunkRows = 64;

// Releases a COM interface when it goes.
template <typename T> class ComPtr {
public:
  ComPtr() = default;
  ComPtr(const ComPtr &) = delete;
  ComPtr &operator=(const ComPtr &) = delete;
  ~ComPtr() {
    if (p_ != nullptr)
      p_->Release();
  }
  T **Out() { return &p_; }
  T *operator->() const { return p_; }
  T *Get() const { return p_; }

private:
  T *p_ = nullptr;
};

class ComApartment {
public:
  ComApartment() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComApartment(const ComApartment &) = delete;
  ComApartment &operator=(const ComApartment &) = delete;
  ~ComApartment() {
    if (started_)
      CoUninitialize();
  }

private:
  bool started_;
};

std::vector<wchar_t> WidePath(const char *path) {
  const int length = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
  std::vector<wchar_t> wide(length > 0 ? static_cast<std::size_t>(length) : 1, L'\0');
  if (length > 0)
    MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), length);
  return wide;
}

bool WriteFrame(IWICBitmapFrameEncode *frame, std::int32_t width, std::int32_t height,
                PngRowSource &rows) {
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) ||
      FAILED(frame->SetPixelFormat(&format)) || !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR))
    return false;
  const UINT stride = static_cast<UINT>((3 * width + 3) / 4 * 4);
  std::vector<std::uint8_t> chunk(static_cast<std::size_t>(stride) * kChunkRows);
  for (std::int32_t first = 0; first < height; first += kChunkRows) {
    const std::int32_t count = height - first < kChunkRows ? height - first : kChunkRows;
    for (std::int32_t k = 0; k < count; ++k) {
      std::uint8_t *line = chunk.data() + static_cast<std::size_t>(k) * stride;
      rows.Fill(first + k, line);
      for (std::int32_t x = 0; x < width; ++x) {
        const std::uint8_t red = line[3 * x];
        line[3 * x] = line[3 * x + 2];
        line[3 * x + 2] = red;
      }
    }
    if (FAILED(frame->WritePixels(static_cast<UINT>(count), stride, stride * count, chunk.data())))
      return false;
  }
  return SUCCEEDED(frame->Commit());
}

bool Encode(const wchar_t *path, std::int32_t width, std::int32_t height, PngRowSource &rows) {
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapEncoder> encoder;
  ComPtr<IWICBitmapFrameEncode> frame;
  ComPtr<IPropertyBag2> options;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void **>(factory.Out()))) ||
      FAILED(factory->CreateStream(stream.Out())) ||
      FAILED(stream->InitializeFromFilename(path, GENERIC_WRITE)) ||
      FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) ||
      FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(frame.Out(), options.Out())) ||
      FAILED(frame->Initialize(options.Get())))
    return false;
  return WriteFrame(frame.Get(), width, height, rows) && SUCCEEDED(encoder->Commit());
}

} // namespace

Error WritePngFile(const char *path, std::int32_t width, std::int32_t height, PngRowSource &rows) {
  const ComApartment apartment;
  const std::vector<wchar_t> wide = WidePath(path);
  if (Encode(wide.data(), width, height, rows))
    return Error();
  DeleteFileW(wide.data());
  return MakeError(String("cannot write ") + path);
}
