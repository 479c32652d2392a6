// Routes a window's mouse input to its windowless controls: moves go to the top-most visible
// control under the pointer (or to the pressed one while a button is held), and a click is a
// press and a release on the same control; a press released elsewhere is no click. It also
// drives the controls' mouse-over and pressed looks.
#pragma once

#include "ui/control.h"
#include "ui/panel.h"

namespace ui {

class MouseRouter {
 public:
  // `root` is placed in the window's client area at its own Left and Top.
  explicit MouseRouter(Panel& root) : root_(root) {}

  // Each returns true when a control's look changed and the window should be repainted.
  bool MouseMove(Point client);
  bool ButtonDown(Point client);
  bool ButtonUp(Point client);
  bool MouseLeave();
  // The window lost the mouse capture (another window took it, a menu or a message box opened):
  // the pressed control gets its normal look back and the coming release is no click.
  bool CaptureLost();

  // The control that would take the mouse at a point; null outside the root.
  Control* ControlAt(Point client) const { return root_.ControlAt(client); }

 private:
  // Drops remembered controls that have left the tree (an object removed or reloaded).
  void ForgetDeparted();
  bool IsInTree(const Control* control) const;
  Point LocalPoint(const Control& control, Point client) const;

  Panel& root_;
  Control* hovered_ = nullptr;  // not owned
  Control* pressed_ = nullptr;  // not owned
};

}  // namespace ui
