// The screen's DPI as Windows reports it to a DPI-aware program: per monitor where Windows 10
// knows it, the system's otherwise. The newer functions are looked up at run time, so the
// program still starts on Windows 7.
#pragma once

#include <windows.h>

#include "ui/scale.h"

namespace ui::win32 {

// The DPI of the screen the window is on (the system's before it has a window).
Scale WindowScale(HWND window);
Scale SystemScale();

// The frame that AdjustWindowRectEx adds around a client area, for the frame metrics at `dpi`:
// left and top are negative, right and bottom positive.
RECT FrameAt(DWORD style, bool menu, DWORD ex_style, int32_t dpi);

}  // namespace ui::win32
