// The design canvas's arithmetic on object rectangles: the two containment tests, the eight
// handles and their grab codes, the drag step of each grab code, the pointer shape it announces,
// the position clamp of what the author adds or moves, and the shapes of the selection marks.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/project_model.h"
#include "ui/control.h"
#include "ui/geometry.h"

namespace designer {

// Grab codes: -1 nothing, 0 the body of a selected object, 1..8 its handles clockwise from the
// top-left corner.
constexpr int32_t kGrabNone = -1;
constexpr int32_t kGrabBody = 0;
constexpr int32_t kHandleCount = 8;
// Objects are kept at least this many pixels inside the design area's right and bottom edges.
constexpr int32_t kClampMargin = 5;
// Handles are squares of this side around their centre.
constexpr int32_t kHandleSize = 6;

// Edges included: L <= x <= L + W - 1 and T <= y <= T + H - 1.
bool Inside(const ui::Control& control, ui::Point p);
// Edges excluded: L < x < L + W - 1 and T < y < T + H - 1.
bool StrictlyInside(const ui::Control& control, ui::Point p);

// Where handle `code` (1..8) is drawn: on the object's far edges one past its last pixel.
ui::Point DrawnHandleCentre(const ui::Control& control, int32_t code);
// Where handle `code` (1..8) is hit-tested: on the object's last column and row.
ui::Point HitHandleCentre(const ui::Control& control, int32_t code);

// The grab code of a point against a selected object: the highest-numbered handle whose 7 x 7
// box holds the point, else the body when the point is inside, else nothing.
int32_t HitTestObject(const core::AutoObjectType& object, ui::Point p);

// Applies one drag step of `grab_code` to a control, property by property; a resize step keeps
// the size at least 1 x 1.
void ApplyDragStep(ui::Control& control, int32_t grab_code, int32_t dx, int32_t dy);

// The pointer that announces what a press would do: -2 stands for an unselected object.
ui::Cursor CursorForGrab(int32_t grab_code);

// The position clamp applies to what the author adds or moves, never to a change of the design
// area: objects beyond a narrowed area stay where they are, clipped as the player clips them.

// Keeps a new object's top-left corner inside a design area of `area`; its size is left alone.
void ClampNewPosition(ui::Control& control, ui::Size area);
// A move step of the selected objects, limited so that every top-left corner stays inside the
// design area (one already beyond it may come back, never go further): the selection moves as one
// and its objects keep their places relative to each other.
ui::Point LimitMoveStep(const core::AutoFormType& project, ui::Size area, ui::Point step);
// After a resize step: a left or top edge the step moved is kept inside the design area, unless
// it lay beyond it before the step (then it goes no further out).
void ClampResizedPosition(ui::Control& control, ui::Point before, ui::Size area);

// One selection mark in drawing order: an object's dotted outline (one pixel outside it) or a
// selected object's filled handle square.
struct Mark {
  enum Kind : uint8_t { Outline, Handle } kind;
  ui::Rect rect;  // right and bottom exclusive
};
// The marks of every object, or only of those `which` accepts, from the top-most to the
// bottom-most.
std::vector<Mark> SelectionMarks(
    const core::AutoFormType& project,
    const std::function<bool(const core::AutoObjectType&)>& which = nullptr);

// The grid's dot over a pixel of the picture (0x00RRGGBB): the marks' gray XORed in, as the grid
// has always been drawn, where that makes the pixel lighter or darker enough to be seen; else
// black on a light pixel and white on a dark one. XOR alone turns a mid green into a purple of
// the same lightness, which a single dot does not show.
uint32_t GridDotOver(uint32_t pixel);

}  // namespace designer
