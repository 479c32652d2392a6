// Parent bookkeeping and default behaviour shared by every windowless control.
#include <algorithm>

#include "ui/panel.h"

namespace ui {

Control::~Control() {
  SetParent(nullptr);
}

void Control::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  Left = left;
  Top = top;
  Width = width;
  Height = height;
}

void Control::Paint(Canvas&) {}
void Control::AdjustSize(Canvas&) {}
void Control::SetMouseOver(bool) {}
void Control::SetPressedLook(bool) {}

Control* Control::ControlAt(Point point) {
  return Visible && BoundsRect().Contains(point) ? this : nullptr;
}

void Control::SetParent(Panel* parent) {
  if (parent == parent_) return;
  if (parent_ != nullptr) parent_->Detach(*this);
  parent_ = parent;
  if (parent_ != nullptr) parent_->Attach(*this);
}

}  // namespace ui
