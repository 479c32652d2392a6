// The font of the designer's dialogs and of the main window's read-out: 8-point "MS Shell Dlg",
// 11 pixels high at 96 DPI, made for the scale of the window that shows it.
#pragma once

#include <windows.h>

#include "ui/scale.h"
#include "ui/win32/gdi.h"

namespace ui::win32 {

inline GdiObject<HFONT> CreateDialogFont(Scale scale) {
  return GdiObject<HFONT>(::CreateFontW(-scale.ToDevice(11), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                        FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Shell Dlg"));
}

}  // namespace ui::win32
