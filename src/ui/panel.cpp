// Panels: child bookkeeping, the content rectangle, painting and hit testing.
#include <algorithm>

#include "ui/canvas.h"
#include "ui/panel.h"

namespace ui {

Panel::~Panel() {
  // Children outlive a panel only at shutdown; leave them without a dangling parent.
  for (Control* child : std::vector<Control*>(children_)) child->SetParent(nullptr);
}

void Panel::Attach(Control& child) {
  children_.push_back(&child);
}

void Panel::Detach(Control& child) {
  children_.erase(std::remove(children_.begin(), children_.end(), &child), children_.end());
}

void Panel::BringToFront(Control& child) {
  const auto it = std::find(children_.begin(), children_.end(), &child);
  if (it != children_.end()) std::rotate(it, it + 1, children_.end());
}

void Panel::SendToBack(Control& child) {
  const auto it = std::find(children_.begin(), children_.end(), &child);
  if (it != children_.end()) std::rotate(children_.begin(), it, it + 1);
}

void Panel::DetachChildren(const std::vector<Control*>& leaving) {
  std::vector<Control*> sorted(leaving);
  std::sort(sorted.begin(), sorted.end());
  const auto goes = [&](Control* c) { return std::binary_search(sorted.begin(), sorted.end(), c); };
  for (Control* child : children_) {
    if (goes(child)) child->parent_ = nullptr;
  }
  children_.erase(std::remove_if(children_.begin(), children_.end(), goes), children_.end());
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

void Panel::Paint(Canvas& canvas) {
  PaintPart(canvas, true, nullptr);
}

void Panel::PaintPart(Canvas& canvas, bool face, const ChildFilter& which) {
  Rect rect{0, 0, Width, Height};
  CanvasScope inside(canvas, {0, 0}, rect);  // children never paint beyond the panel
  if (face) PaintFace(canvas, rect);
  for (size_t i = 0; i < children_.size(); ++i) {
    Control* child = children_[i];
    if (!child->Visible || (which && !which(i, *child))) continue;
    CanvasScope scope(canvas, {child->Left, child->Top}, Rect{0, 0, child->Width, child->Height});
    child->Paint(canvas);
  }
}

void Panel::PaintFace(Canvas& canvas, Rect rect) {
  canvas.FillRect(rect, Color);
  if (BorderStyle == kPanelBorderSingle) {
    DrawFrame3D(canvas, rect, kColorButtonShadow, kColorButtonHighlight, 1);
    DrawFrame3D(canvas, rect.Inflated(-1), kColorDarkShadow, kColorLight, 1);
    rect = rect.Inflated(-kSingleBorderEdge);
  }
  const auto bevel = [&](uint8_t cut) {
    if (cut == kBevelNone) return;
    if (cut == kBevelLowered) {
      DrawFrame3D(canvas, rect, kColorButtonShadow, kColorButtonHighlight, BevelWidth);
    } else if (cut == kBevelRaised) {
      DrawFrame3D(canvas, rect, kColorButtonHighlight, kColorButtonShadow, BevelWidth);
    }  // Space: a blank band in the panel's own colour
    rect = rect.Inflated(-BevelWidth);
  };
  bevel(BevelOuter);
  rect = rect.Inflated(-BorderWidth);
  bevel(BevelInner);
}

void Panel::AdjustSize(Canvas& canvas) {
  AdjustSizePart(canvas, nullptr);
}

void Panel::AdjustSizePart(Canvas& canvas, const ChildFilter& which) {
  for (size_t i = 0; i < children_.size(); ++i) {
    if (!which || which(i, *children_[i])) children_[i]->AdjustSize(canvas);
  }
}

Control* Panel::ControlAt(Point point) {
  if (!Visible || !BoundsRect().Contains(point)) return nullptr;
  const Point inside{point.x - Left, point.y - Top};
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    if (Control* hit = (*it)->ControlAt(inside)) return hit;
  }
  return this;
}

}  // namespace ui
