// Object rectangles, handles, drag steps and marks of the design canvas.
#include "designer/canvas_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace designer {
namespace {

// The far edges as 64-bit values: positions and sizes come from project files unchecked.
int64_t LastColumn(const ui::Control& c) {
  return int64_t{c.Left} + c.Width - 1;
}
int64_t LastRow(const ui::Control& c) {
  return int64_t{c.Top} + c.Height - 1;
}

int32_t Clamp32(int64_t v) {
  return ui::Rect::Saturate(v);
}

// The handle centre on the edges given as the object's right and bottom.
ui::Point HandleCentre(const ui::Control& c, int32_t code, int64_t right, int64_t bottom) {
  const int64_t mx = int64_t{c.Left} + c.Width / 2;
  const int64_t my = int64_t{c.Top} + c.Height / 2;
  int64_t x = c.Left, y = c.Top;
  switch (code) {
    case 1:
      x = c.Left, y = c.Top;
      break;
    case 2:
      x = mx, y = c.Top;
      break;
    case 3:
      x = right, y = c.Top;
      break;
    case 4:
      x = right, y = my;
      break;
    case 5:
      x = right, y = bottom;
      break;
    case 6:
      x = mx, y = bottom;
      break;
    case 7:
      x = c.Left, y = bottom;
      break;
    case 8:
      x = c.Left, y = my;
      break;
    default:
      break;
  }
  return {Clamp32(x), Clamp32(y)};
}

}  // namespace

bool Inside(const ui::Control& c, ui::Point p) {
  return c.Left <= p.x && p.x <= LastColumn(c) && c.Top <= p.y && p.y <= LastRow(c);
}

bool StrictlyInside(const ui::Control& c, ui::Point p) {
  return c.Left < p.x && p.x < LastColumn(c) && c.Top < p.y && p.y < LastRow(c);
}

ui::Point DrawnHandleCentre(const ui::Control& c, int32_t code) {
  return HandleCentre(c, code, int64_t{c.Left} + c.Width, int64_t{c.Top} + c.Height);
}

ui::Point HitHandleCentre(const ui::Control& c, int32_t code) {
  return HandleCentre(c, code, LastColumn(c), LastRow(c));
}

int32_t HitTestObject(const core::AutoObjectType& object, ui::Point p) {
  const ui::Control& c = *object.Control;
  int32_t code = kGrabNone;
  for (int32_t handle = 1; handle <= kHandleCount; ++handle) {
    const ui::Point h = HitHandleCentre(c, handle);
    // Later handles override earlier ones: on small objects the highest number wins.
    if (int64_t{h.x} - 3 <= p.x && p.x <= int64_t{h.x} + 3 && int64_t{h.y} - 3 <= p.y &&
        p.y <= int64_t{h.y} + 3) {
      code = handle;
    }
  }
  if (code == kGrabNone && Inside(c, p)) code = kGrabBody;
  return code;
}

void ApplyDragStep(ui::Control& c, int32_t grab_code, int32_t dx, int32_t dy) {
  auto add = [](int32_t& field, int64_t by) { field = Clamp32(int64_t{field} + by); };
  switch (grab_code) {
    case 0:
      add(c.Left, dx);
      add(c.Top, dy);
      return;  // a move keeps the size as it is
    case 1:
      add(c.Left, dx);
      add(c.Width, -int64_t{dx});
      add(c.Top, dy);
      add(c.Height, -int64_t{dy});
      break;
    case 2:
      add(c.Top, dy);
      add(c.Height, -int64_t{dy});
      break;
    case 3:
      add(c.Top, dy);
      add(c.Height, -int64_t{dy});
      add(c.Width, dx);
      break;
    case 4:
      add(c.Width, dx);
      break;
    case 5:
      add(c.Width, dx);
      add(c.Height, dy);
      break;
    case 6:
      add(c.Height, dy);
      break;
    case 7:
      add(c.Left, dx);
      add(c.Width, -int64_t{dx});
      add(c.Height, dy);
      break;
    case 8:
      add(c.Left, dx);
      add(c.Width, -int64_t{dx});
      break;
    default:
      return;
  }
  if (c.Width <= 0) c.Width = 1;
  if (c.Height <= 0) c.Height = 1;
}

ui::Cursor CursorForGrab(int32_t grab_code) {
  switch (grab_code) {
    case 0:
      return ui::Cursor::Move;
    case 1:
    case 5:
      return ui::Cursor::SizeNWSE;
    case 2:
    case 6:
      return ui::Cursor::SizeNS;
    case 3:
    case 7:
      return ui::Cursor::SizeNESW;
    case 4:
    case 8:
      return ui::Cursor::SizeWE;
    default:
      return ui::Cursor::Default;
  }
}

namespace {

// The largest top-left coordinate an object keeps in a design area this long.
int64_t ClampLimit(int32_t length) {
  return int64_t{length} - kClampMargin;
}

// A coordinate the author moved from `before` to `value`: inside 0 .. limit, or no further out
// than it was.
int32_t ClampMoved(int32_t value, int32_t before, int64_t limit) {
  return Clamp32(
      std::clamp<int64_t>(value, std::min<int64_t>(0, before), std::max<int64_t>(limit, before)));
}

}  // namespace

void ClampNewPosition(ui::Control& c, ui::Size area) {
  if (c.Left < 0) c.Left = 0;
  if (c.Top < 0) c.Top = 0;
  if (c.Left > ClampLimit(area.width)) c.Left = Clamp32(ClampLimit(area.width));
  if (c.Top > ClampLimit(area.height)) c.Top = Clamp32(ClampLimit(area.height));
}

ui::Point LimitMoveStep(const core::AutoFormType& project, ui::Size area, ui::Point step) {
  int64_t dx = step.x, dy = step.y;
  for (const auto& object : project.Objects) {
    if (!object->Selected) continue;
    const ui::Control& c = *object->Control;
    // Each object allows a range of steps that holds 0: the step it may take is in all of them.
    dx = std::clamp<int64_t>(dx, std::min<int64_t>(-int64_t{c.Left}, 0),
                             std::max<int64_t>(ClampLimit(area.width) - c.Left, 0));
    dy = std::clamp<int64_t>(dy, std::min<int64_t>(-int64_t{c.Top}, 0),
                             std::max<int64_t>(ClampLimit(area.height) - c.Top, 0));
  }
  return {Clamp32(dx), Clamp32(dy)};
}

void ClampResizedPosition(ui::Control& c, ui::Point before, ui::Size area) {
  if (c.Left != before.x) c.Left = ClampMoved(c.Left, before.x, ClampLimit(area.width));
  if (c.Top != before.y) c.Top = ClampMoved(c.Top, before.y, ClampLimit(area.height));
}

std::vector<Mark> SelectionMarks(const core::AutoFormType& project,
                                 const std::function<bool(const core::AutoObjectType&)>& which) {
  std::vector<Mark> marks;
  for (auto it = project.Objects.rbegin(); it != project.Objects.rend(); ++it) {
    if (which && !which(**it)) continue;
    const ui::Control& c = *(*it)->Control;
    const ui::Rect r = c.BoundsRect();
    marks.push_back({Mark::Outline,
                     {Clamp32(int64_t{r.left} - 1), Clamp32(int64_t{r.top} - 1),
                      Clamp32(int64_t{r.right} + 1), Clamp32(int64_t{r.bottom} + 1)}});
    if (!(*it)->Selected) continue;
    for (int32_t handle = 1; handle <= kHandleCount; ++handle) {
      const ui::Point h = DrawnHandleCentre(c, handle);
      marks.push_back({Mark::Handle,
                       {Clamp32(int64_t{h.x} - 3), Clamp32(int64_t{h.y} - 3),
                        Clamp32(int64_t{h.x} + 3), Clamp32(int64_t{h.y} + 3)}});
    }
  }
  return marks;
}

uint32_t GridDotOver(uint32_t pixel) {
  constexpr uint32_t kMarkGray = 0x808080;
  constexpr int kLeastContrast = 32;  // of 255: a green XORed turns a purple 22 apart
  const auto lightness = [](uint32_t p) {
    return static_cast<int>((77 * ((p >> 16) & 0xFF) + 150 * ((p >> 8) & 0xFF) + 29 * (p & 0xFF)) >>
                            8);
  };
  const uint32_t xored = pixel ^ kMarkGray;
  const int before = lightness(pixel);
  if (std::abs(lightness(xored) - before) >= kLeastContrast) return xored;
  return before < 128 ? 0xFFFFFFu : 0u;
}

}  // namespace designer
