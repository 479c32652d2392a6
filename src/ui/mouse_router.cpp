// Mouse routing over windowless controls.
#include "ui/mouse_router.h"

namespace ui {

namespace {

// Searches the tree by address only: a remembered control may already be destroyed, so it is
// never dereferenced before it is found among the living.
bool Holds(const Panel& panel, const Control* control) {
  for (const Control* child : panel.Children()) {
    if (child == control) return true;
    if (const auto* inner = ControlAs<Panel>(child); inner && Holds(*inner, control)) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool MouseRouter::IsInTree(const Control* control) const {
  return control == &root_ || Holds(root_, control);
}

void MouseRouter::ForgetDeparted() {
  if (hovered_ != nullptr && !IsInTree(hovered_)) hovered_ = nullptr;
  if (pressed_ != nullptr && !IsInTree(pressed_)) pressed_ = nullptr;
}

Point MouseRouter::LocalPoint(const Control& control, Point client) const {
  Point local = client;
  for (const Control* c = &control; c != nullptr; c = c->Parent()) {
    local.x -= c->Left;
    local.y -= c->Top;
  }
  return local;
}

bool MouseRouter::MouseMove(Point client) {
  ForgetDeparted();
  Control* target = root_.ControlAt(client);
  bool changed = false;
  if (target != hovered_) {
    if (hovered_ != nullptr) hovered_->SetMouseOver(false);
    if (target != nullptr) target->SetMouseOver(true);
    hovered_ = target;
    changed = true;
  }
  if (pressed_ != nullptr) {
    pressed_->SetPressedLook(target == pressed_);
    changed = true;
  }
  Control* receiver = pressed_ != nullptr ? pressed_ : target;
  if (receiver != nullptr && receiver->OnMouseMove) {
    receiver->OnMouseMove(*receiver, LocalPoint(*receiver, client));
  }
  return changed;
}

bool MouseRouter::ButtonDown(Point client) {
  ForgetDeparted();
  pressed_ = root_.ControlAt(client);
  if (pressed_ == nullptr) return false;
  pressed_->SetPressedLook(true);
  if (pressed_->OnMouseDown) pressed_->OnMouseDown(*pressed_, LocalPoint(*pressed_, client));
  return true;
}

bool MouseRouter::ButtonUp(Point client) {
  ForgetDeparted();
  Control* pressed = pressed_;
  pressed_ = nullptr;
  if (pressed == nullptr) return false;
  pressed->SetPressedLook(false);
  if (pressed->OnMouseUp) pressed->OnMouseUp(*pressed, LocalPoint(*pressed, client));
  // The click runs last: a link may show a message box or close the window.
  if (IsInTree(pressed) && root_.ControlAt(client) == pressed && pressed->OnClick) {
    pressed->OnClick(*pressed);
  }
  return true;
}

bool MouseRouter::MouseLeave() {
  ForgetDeparted();
  if (hovered_ == nullptr || pressed_ != nullptr) return false;
  hovered_->SetMouseOver(false);
  hovered_ = nullptr;
  return true;
}

bool MouseRouter::CaptureLost() {
  ForgetDeparted();
  if (pressed_ == nullptr) return false;
  pressed_->SetPressedLook(false);
  pressed_ = nullptr;
  return true;
}

}  // namespace ui
