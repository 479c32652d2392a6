// A modal run of a window that lives on between uses: every other enabled top-level window of
// the thread is disabled, the window is shown, and a nested message loop with IsDialogMessage
// (Tab order, Enter for the default button, Esc for Cancel) runs until `done` turns true. The
// other windows are enabled again and the window hidden before it returns.
#pragma once

#include <windows.h>

namespace ui::win32 {

void RunModal(HWND window, const bool& done);

}  // namespace ui::win32
