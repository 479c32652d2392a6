// Scoped GDI resources: every acquire has its release in a destructor, and none of these can be
// copied. A select guard puts the previous object back.
#pragma once

#include <windows.h>

#include <utility>

#include "ui/color.h"
#include "ui/win32/resource_ids.h"

namespace ui::win32 {

// An owned handle freed by its own release function; move-only, so exactly one owner frees it.
// Each kind of handle keeps a count of the handles its owners hold, so that tests can prove that
// painting, loading and playing give back every handle they take. A plain integer is enough: all
// windows, pictures and fonts live on the one GUI thread.
template <typename Handle, auto Release>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(handle) { Take(); }
  // Ownership moves between wrappers: the count stays.
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
      Free();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  ~OwnedHandle() { Free(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    Free();
    handle_ = handle;
    Take();
  }
  // Gives up ownership without freeing (the handle now belongs to something else, which frees
  // it): it no longer counts as ours.
  Handle Disown() {
    if (handle_ != nullptr) --live_;
    return std::exchange(handle_, nullptr);
  }

  // How many handles of this kind wrappers hold right now.
  static int LiveCount() { return live_; }

 private:
  void Take() {
    if (handle_ != nullptr) ++live_;
  }
  void Free() {
    if (handle_ == nullptr) return;
    Release(handle_);
    handle_ = nullptr;
    --live_;
  }

  Handle handle_ = nullptr;
  static inline int live_ = 0;
};

// An owned GDI object (brush, pen, font, bitmap, region).
template <typename Handle>
using GdiObject = OwnedHandle<Handle, &::DeleteObject>;

using OwnedIcon = OwnedHandle<HICON, &::DestroyIcon>;
using OwnedEnhMetaFile = OwnedHandle<HENHMETAFILE, &::DeleteEnhMetaFile>;
using OwnedMetaFile = OwnedHandle<HMETAFILE, &::DeleteMetaFile>;
// A kernel handle such as an open file (never INVALID_HANDLE_VALUE: store null instead).
using OwnedKernelHandle = OwnedHandle<HANDLE, &::CloseHandle>;
// A memory device context from CreateCompatibleDC.
using MemoryDc = OwnedHandle<HDC, &::DeleteDC>;

using Brush = GdiObject<HBRUSH>;

class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  // A failed select has nothing to put back.
  ~SelectGuard() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A window's device context for a scope (GetDC/ReleaseDC); without a window, the screen's.
class ScreenDc {
 public:
  explicit ScreenDc(HWND window = nullptr) : window_(window), dc_(::GetDC(window)) {}
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() {
    if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
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

inline SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  ::GetObjectA(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

// Draws a whole artwork bitmap at (x, y), its key-coloured pixels left out.
inline void DrawKeyedBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  const SIZE size = BitmapSize(bitmap);
  MemoryDc source(::CreateCompatibleDC(dc));
  SelectGuard select(source.Get(), bitmap);
  ::TransparentBlt(dc, x, y, size.cx, size.cy, source.Get(), 0, 0, size.cx, size.cy, kArtworkKey);
}

}  // namespace ui::win32
