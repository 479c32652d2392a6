// Design units and device pixels. The design, the project file and every editing rule speak
// design units: pixels at 96 DPI. A screen at another DPI shows them scaled by DPI / 96; this is
// the one rule for that mapping, applied where windows are sized, painted and take the mouse.
#pragma once

#include <cstdint>

#include "ui/geometry.h"

namespace ui {

constexpr int32_t kDesignDpi = 96;

class Scale {
 public:
  constexpr Scale() = default;
  // DPIs outside what a screen reports (a broken setting) count as 96.
  constexpr explicit Scale(int32_t dpi) : dpi_(dpi >= 48 && dpi <= 960 ? dpi : kDesignDpi) {}

  constexpr int32_t Dpi() const { return dpi_; }
  constexpr bool IsIdentity() const { return dpi_ == kDesignDpi; }
  // The scale as a whole factor (1, 2, 3...) when it is one, else 0.
  constexpr int32_t WholeFactor() const { return dpi_ % kDesignDpi == 0 ? dpi_ / kDesignDpi : 0; }

  // The device pixel where a design-unit edge lies: rounded to the nearest, halves up. Edges,
  // not lengths, are mapped, so that objects side by side stay side by side at any scale.
  constexpr int32_t ToDevice(int32_t units) const {
    return Rect::Saturate(FloorDiv(int64_t{units} * dpi_ + kDesignDpi / 2, kDesignDpi));
  }
  // The design unit whose device pixels hold device pixel `pixel`; the inverse of ToDevice for
  // every edge it makes.
  constexpr int32_t ToDesign(int32_t pixel) const {
    return Rect::Saturate(FloorDiv(int64_t{pixel} * kDesignDpi + kDesignDpi / 2 - 1, dpi_));
  }

  constexpr Point ToDevice(Point p) const { return {ToDevice(p.x), ToDevice(p.y)}; }
  constexpr Point ToDesign(Point p) const { return {ToDesign(p.x), ToDesign(p.y)}; }
  constexpr Size ToDevice(Size s) const { return {ToDevice(s.width), ToDevice(s.height)}; }
  constexpr Size ToDesign(Size s) const { return {ToDesign(s.width), ToDesign(s.height)}; }
  constexpr Rect ToDevice(const Rect& r) const {
    return {ToDevice(r.left), ToDevice(r.top), ToDevice(r.right), ToDevice(r.bottom)};
  }

  friend constexpr bool operator==(const Scale&, const Scale&) = default;

 private:
  static constexpr int64_t FloorDiv(int64_t a, int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
  }

  int32_t dpi_ = kDesignDpi;
};

}  // namespace ui
