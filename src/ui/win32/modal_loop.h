// Modality over the whole program, not just one owner. A window that lives on between uses runs
// modally with RunModal: every other enabled top-level window of the thread is disabled, the
// window is shown, and a nested message loop with IsDialogMessage (Tab order, Enter for the
// default button, Esc for Cancel) runs until `done` turns true. The other windows are enabled
// again and the window hidden before it returns, and the window that was active before it is
// active again. A system dialog (a message box, the folder
// browser, a common dialog, a dialog box) disables only its owner; a ModalScope around it
// disables the program's other windows too, so that no click or key reaches them meanwhile.
#pragma once

#include <windows.h>

#include <vector>

namespace ui::win32 {

// `came_from` is the window the author worked in when the window was asked for (the design
// window, say): the keyboard returns to it, whichever window owns this one.
void RunModal(HWND window, const bool& done, HWND came_from);

class ModalScope {
 public:
  // Disables every visible, enabled top-level window of this thread but `owner`, which the
  // dialog disables and enables again itself (so that the activation returns to it).
  explicit ModalScope(HWND owner);
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  std::vector<HWND> disabled_;
};

}  // namespace ui::win32
