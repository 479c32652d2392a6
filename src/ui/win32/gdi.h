// Scoped GDI resources: every acquire has its release in a destructor, and none of these can be
// copied. A select guard puts the previous object back.
#pragma once

#include <windows.h>

#include <utility>

#include "ui/color.h"

namespace ui::win32 {

// An owned handle freed by its own release function; move-only, so exactly one owner frees it.
template <typename Handle, auto Release>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(handle) {}
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  ~OwnedHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) Release(handle_);
    handle_ = handle;
  }
  // Gives up ownership without freeing (the handle now belongs to something else).
  Handle Disown() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

// An owned GDI object (brush, pen, font, bitmap, region).
template <typename Handle>
using GdiObject = OwnedHandle<Handle, &::DeleteObject>;

using OwnedIcon = OwnedHandle<HICON, &::DestroyIcon>;
using OwnedEnhMetaFile = OwnedHandle<HENHMETAFILE, &::DeleteEnhMetaFile>;
using OwnedMetaFile = OwnedHandle<HMETAFILE, &::DeleteMetaFile>;
// A memory device context from CreateCompatibleDC.
using MemoryDc = OwnedHandle<HDC, &::DeleteDC>;

using Brush = GdiObject<HBRUSH>;

class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() { ::SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The screen's device context for a scope (GetDC/ReleaseDC).
class ScreenDc {
 public:
  ScreenDc() : dc_(::GetDC(nullptr)) {}
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() {
    if (dc_ != nullptr) ::ReleaseDC(nullptr, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = ::BeginPaint(hwnd_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { ::EndPaint(hwnd_, &ps_); }
  HDC Dc() const { return dc_; }
  const RECT& Dirty() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_ = nullptr;
};

// A project colour as GDI wants it: system colours resolved to their current value.
inline COLORREF ToColorRef(Color color) {
  return IsSystemColor(color) ? ::GetSysColor(SystemColorIndex(color))
                              : static_cast<COLORREF>(color & 0x00FFFFFFu);
}

inline void FillSolid(HDC dc, const RECT& rect, Color color) {
  Brush brush(::CreateSolidBrush(ToColorRef(color)));
  ::FillRect(dc, &rect, brush.Get());
}

}  // namespace ui::win32
