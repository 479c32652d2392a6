// Off-screen DIB surfaces.
#include "ui/win32/dib_surface.h"

#include <algorithm>

namespace ui::win32 {

DibSurface::~DibSurface() {
  if (dc_ && previous_ != nullptr) ::SelectObject(dc_.Get(), previous_);
}

uint32_t DibSurface::PixelAt(int x, int y) const {
  ::GdiFlush();
  return bits_[static_cast<size_t>(y) * size_.width + x] & 0x00FFFFFFu;
}

void DibSurface::Fill(uint32_t pixel) {
  ::GdiFlush();
  std::fill(bits_, bits_ + static_cast<size_t>(size_.width) * size_.height, pixel);
}

template <typename Change>
void DibSurface::ForEachPoint(Rect area, Size step, Change change) {
  if (bits_ == nullptr || step.width <= 0 || step.height <= 0 || area.left < 0 || area.top < 0) {
    return;
  }
  ::GdiFlush();
  const int right = std::min(area.right, size_.width);
  const int bottom = std::min(area.bottom, size_.height);
  for (int y = area.top; y < bottom; y += step.height) {
    uint32_t* row = bits_ + static_cast<size_t>(y) * size_.width;
    for (int x = area.left; x < right; x += step.width) change(row[x]);
  }
}

void DibSurface::XorPoints(Rect area, Size step, uint32_t pixel) {
  ForEachPoint(area, step, [pixel](uint32_t& at) { at ^= pixel; });
}

void DibSurface::MapPoints(Rect area, Size step, uint32_t (*dot)(uint32_t pixel)) {
  ForEachPoint(area, step, [dot](uint32_t& at) { at = dot(at & 0x00FFFFFFu); });
}

bool DibSurface::Resize(Size size) {
  if (dc_ && size == size_) return true;
  if (dc_ && previous_ != nullptr) ::SelectObject(dc_.Get(), previous_);
  previous_ = nullptr;
  bitmap_.Reset();
  bits_ = nullptr;
  size_ = {};
  if (!dc_) dc_.Reset(::CreateCompatibleDC(nullptr));
  if (!dc_) return false;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.width > 0 ? size.width : 1;
  info.bmiHeader.biHeight = -(size.height > 0 ? size.height : 1);  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.Reset(::CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_) return false;
  previous_ = ::SelectObject(dc_.Get(), bitmap_.Get());
  bits_ = static_cast<uint32_t*>(bits);
  size_ = {info.bmiHeader.biWidth, -info.bmiHeader.biHeight};
  return true;
}

}  // namespace ui::win32
