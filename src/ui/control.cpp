// Parent bookkeeping shared by every windowless control.
#include <algorithm>

#include "ui/panel.h"

namespace ui {

Control::~Control() { SetParent(nullptr); }

void Control::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  Left = left;
  Top = top;
  Width = width;
  Height = height;
}

void Control::SetParent(Panel* parent) {
  if (parent == parent_) return;
  if (parent_ != nullptr) parent_->Detach(*this);
  parent_ = parent;
  if (parent_ != nullptr) parent_->Attach(*this);
}

Panel::~Panel() {
  // Children outlive a panel only at shutdown; leave them without a dangling parent.
  for (Control* child : std::vector<Control*>(children_)) child->SetParent(nullptr);
}

void Panel::Attach(Control& child) { children_.push_back(&child); }

void Panel::Detach(Control& child) {
  children_.erase(std::remove(children_.begin(), children_.end(), &child), children_.end());
}

Rect Panel::ContentRect() const {
  // Border and bevel widths come from project files unchecked: add them up in 64 bits.
  int64_t inset = BorderWidth;
  if (BorderStyle == kPanelBorderSingle) inset += kSingleBorderEdge;
  if (BevelOuter != kBevelNone) inset += BevelWidth;
  if (BevelInner != kBevelNone) inset += BevelWidth;
  return {Rect::Saturate(inset), Rect::Saturate(inset), Rect::Saturate(Width - inset),
          Rect::Saturate(Height - inset)};
}

}  // namespace ui
