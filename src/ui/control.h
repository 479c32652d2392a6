// Windowless controls, as in the classic RAD toolkits: a control has no window handle; its
// parent panel paints it and routes mouse events to it. The stored design properties are plain
// members so that the project file and the property dialogs can read and write them directly.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/geometry.h"

namespace ui {

class Canvas;
class Panel;

// Pointer shapes: the hand over linked objects, and the designer's move and resize arrows (the
// diagonal names follow the corners they join: NWSE top-left to bottom-right).
enum class Cursor : uint8_t { Default, HandPoint, Move, SizeNWSE, SizeNS, SizeNESW, SizeWE };

// What a control is, so that code holding a Control can reach its kind's properties without the
// run-time type machinery, which the player is built without (it would cost every disc its size).
enum class ControlType : uint8_t { Plain, Panel, Label, Button, Image };

class Control {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  virtual ControlType Type() const { return ControlType::Plain; }

  Rect BoundsRect() const { return Rect::FromBounds(Left, Top, Width, Height); }
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);

  // Makes the control a child of `parent` (or of nothing). A control that already is a child of
  // that panel keeps its place; one that becomes a child goes on top of the others.
  void SetParent(Panel* parent);
  Panel* Parent() const { return parent_; }

  // Paints the control in its own coordinates (0, 0 is its top-left corner).
  virtual void Paint(Canvas& canvas);
  // Lets an auto-sized control take the size of its content before it is painted.
  virtual void AdjustSize(Canvas& canvas);
  // The child that takes the mouse at `point` (parent coordinates): the control itself here.
  virtual Control* ControlAt(Point point);

  // The mouse's look on the control, driven by the routing parent: over it, and pressed on it.
  virtual void SetMouseOver(bool over);
  virtual void SetPressedLook(bool pressed);

  // Handlers the owner wires; each gets the control and the point in control coordinates.
  std::function<void(Control&)> OnClick;
  std::function<void(Control&, Point)> OnMouseMove;
  std::function<void(Control&, Point)> OnMouseDown;
  std::function<void(Control&, Point)> OnMouseUp;

  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Tag = 0;
  bool Visible = true;
  ui::Cursor Cursor = ui::Cursor::Default;
  std::string Name;
  std::string Hint;

 private:
  friend class Panel;
  Panel* parent_ = nullptr;  // not owned
};

// `control` as the class of its type, or null when it is of another type.
template <typename Kind>
Kind* ControlAs(Control* control) {
  return control != nullptr && control->Type() == Kind::kType ? static_cast<Kind*>(control)
                                                              : nullptr;
}
template <typename Kind>
const Kind* ControlAs(const Control* control) {
  return ControlAs<Kind>(const_cast<Control*>(control));
}

}  // namespace ui
