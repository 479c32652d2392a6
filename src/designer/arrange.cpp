// Align, size, distribute, centre and nudge over the selected objects, and the read-out.
#include "designer/arrange.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/project_ops.h"
#include "designer/canvas_geometry.h"
#include "ui/label.h"
#include "ui/speed_button.h"

namespace designer {
namespace {

int32_t Sat(int64_t value) {
  return ui::Rect::Saturate(value);
}

// One direction of a control: its position and its length along it. Every rule is written once
// for both directions.
struct Axis {
  int32_t ui::Control::*pos;
  int32_t ui::Control::*len;
};
constexpr Axis kAcross{&ui::Control::Left, &ui::Control::Width};
constexpr Axis kDown{&ui::Control::Top, &ui::Control::Height};

std::vector<ui::Control*> SelectedControls(const core::AutoFormType& project) {
  std::vector<ui::Control*> selected;
  for (const auto& object : project.Objects) {
    if (object->Selected) selected.push_back(object->Control.get());
  }
  return selected;
}

// Moves a control's near edge along `a` to `value`, with the position clamp of a drag.
void Place(ui::Control& c, Axis a, int64_t value, ui::Size area) {
  const ui::Point before{c.Left, c.Top};
  c.*a.pos = Sat(value);
  ClampResizedPosition(c, before, area);
}

// `edge` 0 the near edges, 1 the centres, 2 the far edges.
void Align(const std::vector<ui::Control*>& selected, const ui::Control& ref, Axis a, int edge,
           ui::Size area) {
  const int64_t line = int64_t{ref.*a.pos} + edge * int64_t{ref.*a.len} / 2;
  for (ui::Control* c : selected) Place(*c, a, line - edge * int64_t{c->*a.len} / 2, area);
}

void SameLength(const std::vector<ui::Control*>& selected, const ui::Control& ref, Axis a) {
  for (ui::Control* c : selected) c->*a.len = std::max(ref.*a.len, 1);
}

// Equal gaps between neighbours in the order of their near edges (stacking order among equals);
// the first and the last stay where they are. Where the room does not divide evenly, the gaps
// further on take the extra pixels.
void Distribute(std::vector<ui::Control*> selected, Axis a, ui::Size area) {
  if (selected.size() < 3) return;
  // An insertion sort keeps equals in stacking order, and takes far fewer bytes than the library's.
  for (size_t i = 1; i < selected.size(); ++i) {
    for (size_t j = i; j > 0 && selected[j - 1]->*a.pos > selected[j]->*a.pos; --j) {
      std::swap(selected[j - 1], selected[j]);
    }
  }
  const auto gaps = static_cast<int32_t>(selected.size() - 1);
  int64_t lengths = 0;  // of all but the last
  for (size_t i = 0; i + 1 < selected.size(); ++i) lengths += selected[i]->*a.len;
  const int64_t first = selected.front()->*a.pos;
  // The room left for the gaps (negative where objects overlap), as whole steps per gap and a
  // remainder spread one pixel at a time, rounding toward the first object.
  const int32_t room = Sat(selected.back()->*a.pos - first - lengths);
  int32_t step = room / gaps, rest = room % gaps;
  if (rest < 0) --step, rest += gaps;
  int64_t at = first;
  int32_t carried = 0;
  for (size_t i = 1; i + 1 < selected.size(); ++i) {
    carried += rest;
    at += selected[i - 1]->*a.len + step + (carried >= gaps ? 1 : 0);
    if (carried >= gaps) carried -= gaps;
    Place(*selected[i], a, at, area);
  }
}

// The selection moves as one group, so it keeps its inner arrangement, clamp included.
void Center(core::AutoFormType& project, const std::vector<ui::Control*>& selected, ui::Size area,
            Axis a) {
  int64_t low = INT64_MAX, high = INT64_MIN;
  for (const ui::Control* c : selected) {
    low = std::min<int64_t>(low, c->*a.pos);
    high = std::max(high, int64_t{c->*a.pos} + c->*a.len);
  }
  const bool across = a.pos == kAcross.pos;
  // Halved toward minus infinity, so that a group wider than the area overhangs to the left too.
  const int32_t shift = Sat((((across ? area.width : area.height) - (high - low)) >> 1) - low);
  const ui::Point step =
      LimitMoveStep(project, area, across ? ui::Point{shift, 0} : ui::Point{0, shift});
  for (ui::Control* c : selected) ApplyDragStep(*c, kGrabBody, step.x, step.y);
}

// Writes `value` in decimal at `out`; returns the end. The read-out is made without the string
// stream or formatting machinery, which would cost the program more than the rest of it.
char* Put(char* out, int32_t value) {
  char digits[12];
  int n = 0;
  uint32_t rest = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  do {
    digits[n++] = static_cast<char>('0' + rest % 10);
  } while ((rest /= 10) != 0);
  if (value < 0) *out++ = '-';
  while (n > 0) *out++ = digits[--n];
  return out;
}

char* Put(char* out, const char* text) {
  while (*text != '\0') *out++ = *text++;
  return out;
}

}  // namespace

const core::AutoObjectType* ReferenceObject(const core::AutoFormType& project,
                                            const core::AutoObjectType* clicked) {
  const core::AutoObjectType* top = nullptr;
  for (const auto& object : project.Objects) {
    if (!object->Selected) continue;
    if (object.get() == clicked) return clicked;
    top = object.get();
  }
  return top;
}

void ArrangeSelection(core::AutoFormType& project, ArrangeCommand command,
                      const core::AutoObjectType* reference, ui::Size area) {
  const std::vector<ui::Control*> selected = SelectedControls(project);
  if (selected.empty()) return;
  using enum ArrangeCommand;
  if (command == CenterHorizontally || command == CenterVertically) {
    Center(project, selected, area, command == CenterHorizontally ? kAcross : kDown);
    return;
  }
  if (selected.size() < 2 || reference == nullptr) return;
  const ui::Control& ref = *reference->Control;
  switch (command) {
    case AlignLefts:
    case AlignCenters:
    case AlignRights:
      Align(selected, ref, kAcross, static_cast<int>(command) - static_cast<int>(AlignLefts), area);
      break;
    case AlignTops:
    case AlignMiddles:
    case AlignBottoms:
      Align(selected, ref, kDown, static_cast<int>(command) - static_cast<int>(AlignTops), area);
      break;
    case MakeSameWidth:
    case MakeSameHeight:
    case MakeSameSize:
      if (command != MakeSameHeight) SameLength(selected, ref, kAcross);
      if (command != MakeSameWidth) SameLength(selected, ref, kDown);
      break;
    case DistributeHorizontally:
    case DistributeVertically:
      Distribute(selected, command == DistributeHorizontally ? kAcross : kDown, area);
      break;
    default:
      break;
  }
}

void NudgeSelection(core::AutoFormType& project, ui::Size area, ui::Point direction, int32_t step,
                    bool resize) {
  const ui::Point by{Sat(int64_t{direction.x} * step), Sat(int64_t{direction.y} * step)};
  // The bottom-right handle's drag step: the right and bottom edges move, the size stays >= 1.
  constexpr int32_t kBottomRightHandle = 5;
  const ui::Point move = resize ? by : LimitMoveStep(project, area, by);
  for (ui::Control* c : SelectedControls(project)) {
    ApplyDragStep(*c, resize ? kBottomRightHandle : kGrabBody, move.x, move.y);
  }
}

std::optional<ui::Rect> SelectionBounds(const core::AutoFormType& project) {
  std::optional<ui::Rect> box;
  for (const ui::Control* c : SelectedControls(project)) {
    const ui::Rect r = c->BoundsRect();
    box = box ? ui::Rect{std::min(box->left, r.left), std::min(box->top, r.top),
                         std::max(box->right, r.right), std::max(box->bottom, r.bottom)}
              : r;
  }
  return box;
}

std::string ReadOutText(const core::AutoFormType& project, const core::AutoObjectType* reference,
                        const ui::Point* pointer) {
  const std::optional<ui::Rect> box = SelectionBounds(project);
  char line[64];
  char* end = line;
  if (box) {
    end = Put(Put(Put(Put(end, box->left), ", "), box->top), "  ");
    end = Put(Put(Put(end, box->Width()), " x "), box->Height());
  } else if (pointer != nullptr) {
    end = Put(Put(Put(end, pointer->x), ", "), pointer->y);
  }
  std::string text(line, end);
  if (!box || reference == nullptr || SelectedControls(project).size() < 2) return text;
  // Which object the others go by: its caption's first line, or its kind.
  const ui::Label* label = core::LabelOf(*reference);
  const ui::SpeedButton* button = core::ButtonOf(*reference);
  const std::string* caption = label ? &label->Caption : button ? &button->Caption : nullptr;
  const size_t shown = caption ? std::min(caption->size(), caption->find_first_of("\r\n")) : 0;
  text += "\nReference: ";
  if (shown == 0) {
    text += reference->Kind == core::kKindLabel    ? "Label"
            : reference->Kind == core::kKindButton ? "Button"
                                                   : "Image";
  } else {
    text += '"';
    text.append(*caption, 0, shown);
    text += '"';
  }
  return text;
}

}  // namespace designer
