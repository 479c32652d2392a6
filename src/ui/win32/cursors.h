// The platform's standard pointer for each of the toolkit's pointer shapes.
#pragma once

#include <windows.h>

#include "ui/control.h"

namespace ui::win32 {

HCURSOR CursorFor(ui::Cursor cursor);

}  // namespace ui::win32
