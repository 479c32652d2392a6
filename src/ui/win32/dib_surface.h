// An off-screen 32-bit top-down DIB section with its own memory DC: the back buffer a window
// paints into before one copy to the screen, and a bitmap tests can read pixel by pixel.
#pragma once

#include <windows.h>

#include "ui/geometry.h"
#include "ui/win32/gdi.h"

namespace ui::win32 {

class DibSurface {
 public:
  DibSurface() = default;
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;
  ~DibSurface();

  // Makes the surface `size` large (rebuilding it only when the size changed); false on failure.
  bool Resize(Size size);
  HDC Dc() const { return dc_.Get(); }
  Size GetSize() const { return size_; }
  // Pixel (x, y) as 0x00RRGGBB, once GDI has finished what it batched.
  uint32_t PixelAt(int x, int y) const;
  // Sets every pixel to `pixel` (0x00RRGGBB).
  void Fill(uint32_t pixel);
  // XORs `pixel` into the pixels of `area` (within the surface) on every `step.width`th column of
  // every `step.height`th row, counted from the area's top-left corner: a lattice of dots, or
  // with steps of 1 a filled line, that a second call takes away again.
  void XorPoints(Rect area, Size step, uint32_t pixel);
  // The same lattice, each of its pixels replaced by what `dot` makes of it.
  void MapPoints(Rect area, Size step, uint32_t (*dot)(uint32_t pixel));

 private:
  // Changes, through `change`, the pixels of the lattice that XorPoints describes.
  template <typename Change>
  void ForEachPoint(Rect area, Size step, Change change);

  MemoryDc dc_;
  GdiObject<HBITMAP> bitmap_;
  HGDIOBJ previous_ = nullptr;  // the DC's original bitmap, selected back before freeing
  uint32_t* bits_ = nullptr;
  Size size_;
};

}  // namespace ui::win32
