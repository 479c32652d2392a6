// DPI look-ups with fallbacks for the Windows versions that lack them.
#include "ui/win32/dpi.h"

#include "ui/win32/gdi.h"

namespace ui::win32 {
namespace {

template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleA("user32.dll"), name)));
}

}  // namespace

Scale SystemScale() {
  ScreenDc screen;
  return Scale(::GetDeviceCaps(screen.Get(), LOGPIXELSY));
}

Scale WindowScale(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto get_dpi = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (window != nullptr && get_dpi != nullptr) {
    if (const UINT dpi = get_dpi(window)) return Scale(static_cast<int32_t>(dpi));
  }
  return SystemScale();
}

RECT FrameAt(DWORD style, bool menu, DWORD ex_style, int32_t dpi) {
  using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = User32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
  RECT frame{0, 0, 0, 0};
  const int32_t system = SystemScale().Dpi();
  if (dpi == system) {
    ::AdjustWindowRectEx(&frame, style, menu, ex_style);
    return frame;
  }
  if (adjust != nullptr && adjust(&frame, style, menu, ex_style, static_cast<UINT>(dpi))) {
    return frame;
  }
  // Before Windows 10 the frame exists only at the system's DPI: other DPIs scale it.
  ::AdjustWindowRectEx(&frame, style, menu, ex_style);
  return {::MulDiv(frame.left, dpi, system), ::MulDiv(frame.top, dpi, system),
          ::MulDiv(frame.right, dpi, system), ::MulDiv(frame.bottom, dpi, system)};
}

}  // namespace ui::win32
