// A panel: a control that hosts other controls in stacking order (first child lowest) and draws
// bevels and a border band around the area it leaves to them.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "ui/color.h"
#include "ui/control.h"
#include "ui/geometry.h"

namespace ui {

enum BevelCut : uint8_t { kBevelNone = 0, kBevelLowered = 1, kBevelRaised = 2, kBevelSpace = 3 };
enum PanelBorderStyle : uint8_t { kPanelBorderNone = 0, kPanelBorderSingle = 1 };

// Width of the sunken edge that a Single panel border draws inside the panel's bounds.
constexpr int32_t kSingleBorderEdge = 2;

class Panel : public Control {
 public:
  static constexpr ControlType kType = ControlType::Panel;
  ControlType Type() const override { return kType; }

  Panel() = default;
  ~Panel() override;

  const std::vector<Control*>& Children() const { return children_; }
  // Takes many children off the panel in one pass (one at a time would shift the rest each time).
  void DetachChildren(const std::vector<Control*>& leaving);
  Control* FirstChild() const { return children_.empty() ? nullptr : children_.front(); }
  // Moves a child to the top or the bottom of the stacking order; others keep their order.
  void BringToFront(Control& child);
  void SendToBack(Control& child);

  // The rectangle, in the panel's own coordinates, that remains inside the Single edge, the
  // outer bevel, the border band and the inner bevel; children such as the inner panel fill it.
  Rect ContentRect() const;

  // Paints the panel's colour, edge and bevels, then each visible child in stacking order,
  // clipped to the panel.
  void Paint(Canvas& canvas) override;
  void AdjustSize(Canvas& canvas) override;

  // Which children a part of the picture holds: `index` is the child's place in stacking order.
  using ChildFilter = std::function<bool(size_t index, const Control& child)>;
  // Paint and AdjustSize for a part of the picture: the panel's own colour, edge and bevels only
  // with `face`, and only the children `which` accepts. The design canvas draws what stands still
  // during a drag once and each step only what moves.
  void PaintPart(Canvas& canvas, bool face, const ChildFilter& which);
  void AdjustSizePart(Canvas& canvas, const ChildFilter& which);
  // The top-most visible child under `point` (parent coordinates), looking into child panels;
  // the panel itself where no child is; null outside the panel.
  Control* ControlAt(Point point) override;

  uint8_t BorderStyle = kPanelBorderNone;
  uint8_t BevelInner = kBevelNone;
  uint8_t BevelOuter = kBevelRaised;
  int32_t BevelWidth = 1;
  int32_t BorderWidth = 0;
  ui::Color Color = kColorButtonFace;

 private:
  friend class Control;
  void Attach(Control& child);
  void Detach(Control& child);
  // The panel's colour, edge and bevels over `rect`, its whole area.
  void PaintFace(Canvas& canvas, Rect rect);

  std::vector<Control*> children_;  // not owned; stacking order, index 0 lowest
};

}  // namespace ui
