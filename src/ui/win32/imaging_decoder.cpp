// Decoding through the Windows Imaging Component: a stream over the bytes, the decoder the
// component picks by their content, its first frame converted to premultiplied BGRA.
#include "ui/win32/imaging_decoder.h"

#include <windows.h>
#include <wincodec.h>

#include "ui/win32/gdi.h"
#include "ui/win32/shell.h"

namespace ui::win32 {
namespace {

// The version-1 factory, which every Windows from 7 on has.
constexpr CLSID kImagingFactory = {
    0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
constexpr GUID kPremultipliedBgra = {
    0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x10}};
// As for JPEG: beyond this the 32-bit process could not hold the picture anyway.
constexpr uint64_t kMaxPixels = uint64_t{1} << 26;
constexpr UINT kMaxSide = 32767;

template <typename Interface>
class ComPointer {
 public:
  ComPointer() = default;
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  ~ComPointer() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Interface** Out() { return &pointer_; }
  Interface* operator->() const { return pointer_; }
  Interface* Get() const { return pointer_; }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace

std::unique_ptr<PixelBitmap> DecodeWithImagingComponent(std::span<const uint8_t> bytes) {
  if (bytes.empty() || bytes.size() > UINT32_MAX) return nullptr;
  UseComOnThisThread();
  ComPointer<IWICImagingFactory> factory;
  ComPointer<IWICStream> stream;
  ComPointer<IWICBitmapDecoder> decoder;
  ComPointer<IWICBitmapFrameDecode> frame;
  ComPointer<IWICFormatConverter> converter;
  UINT width = 0, height = 0;
  if (FAILED(::CoCreateInstance(kImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IWICImagingFactory),
                                reinterpret_cast<void**>(factory.Out()))) ||
      FAILED(factory->CreateStream(stream.Out())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()),
                                          static_cast<DWORD>(bytes.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.Out())) ||
      FAILED(decoder->GetFrame(0, frame.Out())) ||
      FAILED(factory->CreateFormatConverter(converter.Out())) ||
      FAILED(converter->Initialize(frame.Get(), kPremultipliedBgra, WICBitmapDitherTypeNone,
                                   nullptr, 0.0, WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&width, &height))) {
    return nullptr;
  }
  if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide ||
      uint64_t{width} * height > kMaxPixels) {
    return nullptr;
  }
  auto pixels = PixelBitmap::Make(static_cast<int32_t>(width), static_cast<int32_t>(height));
  if (!pixels) return nullptr;
  const UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height,
                                   reinterpret_cast<BYTE*>(pixels->Row(0))))) {
    return nullptr;
  }
  pixels->SetHasAlpha(true);
  return pixels;
}

}  // namespace ui::win32
