// Pasting and duplicating objects.
#include "designer/clipboard_commands.h"

#include <algorithm>

#include "core/clipboard_objects.h"
#include "core/messages.h"
#include "core/project_ops.h"
#include "core/text.h"
#include "designer/arrange.h"
#include "designer/canvas_geometry.h"

namespace designer {
namespace {

// One coordinate of the group's step: `wanted`, limited so that the top-left corners from `first`
// to `last` stay inside a design area `length` long, as the clamp keeps what is added; a group
// longer than that keeps its first corner inside.
int32_t GroupStep(int64_t wanted, int32_t first, int32_t last, int32_t length) {
  const int64_t limit = int64_t{length} - kClampMargin;
  return ui::Rect::Saturate(std::max(std::min(wanted, limit - last), -int64_t{first}));
}

}  // namespace

bool PasteObjects(core::AppState& app, CanvasView& view, const std::vector<uint8_t>& data,
                  std::optional<ui::Point> at) {
  core::ObjectList objects = core::DecodeObjects(data.data(), data.size());
  if (objects.empty()) {
    core::ShowError(app.platform, kNothingToPaste);
    return false;
  }
  // The span of the top-left corners: left, top, and the last ones as right and bottom.
  const ui::Control& first = *objects.front()->Control;
  ui::Rect corners{first.Left, first.Top, first.Left, first.Top};
  for (const auto& object : objects) {
    const ui::Control& c = *object->Control;
    corners = {std::min(corners.left, c.Left), std::min(corners.top, c.Top),
               std::max(corners.right, c.Left), std::max(corners.bottom, c.Top)};
  }
  const ui::Size area = view.DesignArea();
  const int32_t dx = GroupStep(at ? int64_t{at->x} - corners.left : kPasteOffset.x, corners.left,
                               corners.right, area.width);
  const int32_t dy = GroupStep(at ? int64_t{at->y} - corners.top : kPasteOffset.y, corners.top,
                               corners.bottom, area.height);
  for (auto& other : app.Project.Objects) other->Selected = false;
  std::string missing;  // the files of all the objects, for one box
  for (auto& object : objects) {
    ui::Control& c = *object->Control;
    c.Left = ui::Rect::Saturate(int64_t{c.Left} + dx);
    c.Top = ui::Rect::Saturate(int64_t{c.Top} + dy);
    ClampNewPosition(c, area);  // what a group too large for the area leaves outside
    c.SetParent(app.Project.InnerPanel());
    object->Selected = true;
    core::BindObjectMedia(app, *object, missing);
    core::AddMissingLinkFiles(app, object->Link, missing);
    app.Project.Objects.push_back(std::move(object));
  }
  core::Renumber(app.Project);
  view.RefreshCanvas();
  if (!missing.empty()) {
    core::ShowError(app.platform, core::Joined({kPastedFilesMissing, "\n", missing}));
  }
  return true;
}

void DuplicateSelection(core::AppState& app, CanvasView& view, DuplicateSteps& steps) {
  const std::vector<uint8_t> data = core::EncodeSelectedObjects(app.Project);
  const std::optional<ui::Rect> group = SelectionBounds(app.Project);
  if (data.empty() || !group) return;
  const ui::Point from{group->left, group->top};
  const ui::Point step = steps.NextOffset(app.Project);
  const ui::Point at{ui::Rect::Saturate(int64_t{from.x} + step.x),
                     ui::Rect::Saturate(int64_t{from.y} + step.y)};
  if (PasteObjects(app, view, data, at)) steps.Note(app.Project, from);
}

}  // namespace designer
