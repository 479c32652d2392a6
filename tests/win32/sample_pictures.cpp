// Sample picture files, written byte by byte where the format is simple and recorded through
// GDI's own metafile device contexts where it is not.
#include "sample_pictures.h"

namespace win32_tests {
namespace {

using ui::win32::Brush;
using ui::win32::OwnedEnhMetaFile;
using ui::win32::OwnedMetaFile;
using ui::win32::ScreenDc;

void Put16(std::string& bytes, uint16_t value) {
  bytes.push_back(static_cast<char>(value & 0xFF));
  bytes.push_back(static_cast<char>(value >> 8));
}

void Put32(std::string& bytes, uint32_t value) {
  Put16(bytes, static_cast<uint16_t>(value & 0xFFFF));
  Put16(bytes, static_cast<uint16_t>(value >> 16));
}

void PutPixel(std::string& bytes, uint32_t rgb, uint8_t alpha) {
  bytes.push_back(static_cast<char>(rgb & 0xFF));
  bytes.push_back(static_cast<char>((rgb >> 8) & 0xFF));
  bytes.push_back(static_cast<char>((rgb >> 16) & 0xFF));
  bytes.push_back(static_cast<char>(alpha));
}

COLORREF ColorRefOf(uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Draws the pattern into a width×height area of logical units.
void DrawPattern(HDC dc, int width, int height) {
  const Brush left(::CreateSolidBrush(ColorRefOf(kPatternLeft)));
  const Brush topRight(::CreateSolidBrush(ColorRefOf(kPatternTopRight)));
  const RECT leftHalf{0, 0, width / 2, height};
  const RECT topRightQuarter{width / 2, 0, width, height / 2};
  ::FillRect(dc, &leftHalf, left.Get());
  ::FillRect(dc, &topRightQuarter, topRight.Get());
}

}  // namespace

void ExpectPatternDrawn(const Canvas& canvas, const RECT& dest, uint32_t background) {
  const int w = dest.right - dest.left;
  const int h = dest.bottom - dest.top;
  const auto at = [&](int x4, int y4) {
    return canvas.At(dest.left + w * x4 / 4, dest.top + h * y4 / 4);
  };
  EXPECT_EQ(at(1, 1), kPatternLeft) << "top-left quarter";
  EXPECT_EQ(at(1, 3), kPatternLeft) << "bottom-left quarter";
  EXPECT_EQ(at(3, 1), kPatternTopRight) << "top-right quarter";
  EXPECT_EQ(at(3, 3), background) << "bottom-right quarter, not painted";
}

int ScreenDpiX() {
  return ::GetDeviceCaps(ScreenDc().Get(), LOGPIXELSX);
}
int ScreenDpiY() {
  return ::GetDeviceCaps(ScreenDc().Get(), LOGPIXELSY);
}

std::string BitmapFileBytes(const ui::PixelBitmap& pixels) {
  const uint32_t stride = (static_cast<uint32_t>(pixels.Width()) * 3 + 3) / 4 * 4;
  const uint32_t imageSize = stride * static_cast<uint32_t>(pixels.Height());
  const uint32_t pixelsAt = 14 + 40;
  std::string bytes = "BM";
  Put32(bytes, pixelsAt + imageSize);
  Put32(bytes, 0);
  Put32(bytes, pixelsAt);
  Put32(bytes, 40);
  Put32(bytes, static_cast<uint32_t>(pixels.Width()));
  Put32(bytes, static_cast<uint32_t>(pixels.Height()));  // positive: bottom-up
  Put16(bytes, 1);
  Put16(bytes, 24);
  Put32(bytes, BI_RGB);
  Put32(bytes, imageSize);
  for (int i = 0; i < 4; ++i) Put32(bytes, 0);  // resolution and palette counts
  for (int32_t y = pixels.Height() - 1; y >= 0; --y) {
    std::string row;
    for (int32_t x = 0; x < pixels.Width(); ++x) {
      PutPixel(row, pixels.At(x, y), 0);
      row.pop_back();  // three bytes a pixel
    }
    row.resize(stride, '\0');
    bytes += row;
  }
  return bytes;
}

namespace {

// One icon image: the header, the colour bitmap with alpha, the AND mask, both bottom-up.
std::string IconImageBytes(int side) {
  const uint32_t maskStride = (static_cast<uint32_t>(side) + 31) / 32 * 4;
  std::string bytes;
  Put32(bytes, 40);
  Put32(bytes, static_cast<uint32_t>(side));
  Put32(bytes, static_cast<uint32_t>(side * 2));  // colour and mask bitmaps
  Put16(bytes, 1);
  Put16(bytes, 32);
  for (int i = 0; i < 6; ++i) Put32(bytes, 0);  // compression (BI_RGB) and the rest
  const auto clear = [side](int x, int y) { return x >= side / 2 && y >= side / 2; };
  for (int y = side - 1; y >= 0; --y) {
    for (int x = 0; x < side; ++x) {
      if (clear(x, y)) {
        PutPixel(bytes, 0, 0);
      } else {
        PutPixel(bytes, x < side / 2 ? kPatternLeft : kPatternTopRight, 0xFF);
      }
    }
  }
  for (int y = side - 1; y >= 0; --y) {
    std::string row(maskStride, '\0');
    for (int x = 0; x < side; ++x) {
      if (clear(x, y)) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
    bytes += row;
  }
  return bytes;
}

}  // namespace

std::string IconFileBytes(std::initializer_list<int> sides) {
  std::string directory;
  Put16(directory, 0);  // reserved
  Put16(directory, 1);  // icon
  Put16(directory, static_cast<uint16_t>(sides.size()));
  std::string images;
  for (int side : sides) {
    const std::string image = IconImageBytes(side);
    directory.push_back(static_cast<char>(side));
    directory.push_back(static_cast<char>(side));
    directory.push_back(0);  // colour count
    directory.push_back(0);
    Put16(directory, 1);   // planes
    Put16(directory, 32);  // bits
    Put32(directory, static_cast<uint32_t>(image.size()));
    Put32(directory, static_cast<uint32_t>(6 + 16 * sides.size() + images.size()));
    images += image;
  }
  return directory + images;
}

OwnedEnhMetaFile PatternEnhancedMetafile(int width, int height) {
  // The frame is in hundredths of a millimetre of the reference device, the screen.
  const RECT frame{0, 0, ::MulDiv(width, 2540, ScreenDpiX()), ::MulDiv(height, 2540, ScreenDpiY())};
  HDC dc = ::CreateEnhMetaFileA(nullptr, nullptr, &frame, "Quorvane\0sample\0");
  if (dc == nullptr) return OwnedEnhMetaFile();
  DrawPattern(dc, width, height);
  return OwnedEnhMetaFile(::CloseEnhMetaFile(dc));
}

std::string EnhancedMetafileBytes(int width, int height) {
  const OwnedEnhMetaFile metafile = PatternEnhancedMetafile(width, height);
  const UINT size = ::GetEnhMetaFileBits(metafile.Get(), 0, nullptr);
  std::string bytes(size, '\0');
  ::GetEnhMetaFileBits(metafile.Get(), size, reinterpret_cast<BYTE*>(bytes.data()));
  return bytes;
}

std::string WindowsMetafileBytes(int unitsWide, int unitsHigh,
                                 std::optional<int> placeableUnitsPerInch, bool setsWindow) {
  HDC dc = ::CreateMetaFileA(nullptr);
  if (dc == nullptr) return {};
  if (setsWindow) {
    ::SetWindowOrgEx(dc, 0, 0, nullptr);
    ::SetWindowExtEx(dc, unitsWide, unitsHigh, nullptr);
  }
  DrawPattern(dc, unitsWide, unitsHigh);
  const OwnedMetaFile metafile(::CloseMetaFile(dc));
  const UINT size = ::GetMetaFileBitsEx(metafile.Get(), 0, nullptr);
  std::string records(size, '\0');
  ::GetMetaFileBitsEx(metafile.Get(), size, records.data());
  if (!placeableUnitsPerInch) return records;

  std::string header;
  Put32(header, 0x9AC6CDD7);
  Put16(header, 0);  // handle, unused in files
  Put16(header, 0);  // bounding box: left, top, right, bottom
  Put16(header, 0);
  Put16(header, static_cast<uint16_t>(unitsWide));
  Put16(header, static_cast<uint16_t>(unitsHigh));
  Put16(header, static_cast<uint16_t>(*placeableUnitsPerInch));
  Put32(header, 0);
  uint16_t checksum = 0;  // XOR of the ten words before it
  for (std::size_t i = 0; i < header.size(); i += 2) {
    checksum ^= static_cast<uint16_t>(static_cast<uint8_t>(header[i]) |
                                      static_cast<uint8_t>(header[i + 1]) << 8);
  }
  Put16(header, checksum);
  return header + records;
}

}  // namespace win32_tests
