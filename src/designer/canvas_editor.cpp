// The design canvas's press / move / release rules and editing commands.
#include "designer/canvas_editor.h"

#include <algorithm>

#include "core/project_ops.h"
#include "designer/canvas_geometry.h"
#include "designer/text_rules.h"

namespace designer {

void CanvasEditor::FormCreate() {
  BandRect = {};
  DragState = DragStateType::Idle;
  Dragged = false;
  GrabCode = -1;
  LastX = LastY = -1;
  AnchorX = AnchorY = -1;
}

void CanvasEditor::Image1MouseDown(MouseButton button, bool ctrl, ui::Point p) {
  if (button != MouseButton::Left) return;
  switch (view_.CurrentTool()) {
    case Tool::AddLabel:
    case Tool::AddButton:
    case Tool::AddImage: {
      const Tool tool = view_.CurrentTool();
      AddObject(tool == Tool::AddLabel    ? core::kKindLabel
                : tool == Tool::AddButton ? core::kKindButton
                                          : core::kKindImage,
                p);
      view_.SelectTool();  // each add tool places one object
      return;
    }
    case Tool::Select:
      break;
  }
  Dragged = false;
  DragState = DragStateType::BandOrClick;
  EndSnapping();
  if (!ctrl) SelectOnPress(p);
  AnchorX = p.x;
  AnchorY = p.y;
  view_.RefreshCanvas();
}

void CanvasEditor::SelectOnPress(ui::Point p) {
  auto& objects = app_.Project.Objects;
  GrabCode = kGrabNone;
  for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
    core::AutoObjectType& object = **it;
    GrabCode = object.Selected ? HitTestObject(object, p) : kGrabNone;
    if (GrabCode == kGrabNone && StrictlyInside(*object.Control, p)) {
      LastX = p.x;
      LastY = p.y;
      DragState = DragStateType::SelectionPending;
      object.Selected = true;
      break;
    }
    if (GrabCode >= 0) {
      // A press on a selected object's body or handle keeps the whole selection for dragging.
      clicked_ = &object;
      LastX = p.x;
      LastY = p.y;
      DragState = DragStateType::MoveOrResize;
      break;
    }
  }
  if (DragState != DragStateType::SelectionPending) return;
  // The top-most object under the pointer becomes the only selection and moves at once.
  bool found = false;
  for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
    core::AutoObjectType& object = **it;
    if (!found && StrictlyInside(*object.Control, p)) {
      object.Selected = true;
      clicked_ = &object;
      found = true;
      DragState = DragStateType::MoveOrResize;
      GrabCode = kGrabBody;
    } else {
      object.Selected = false;
    }
  }
}

void CanvasEditor::Image1MouseMove(ui::Point p, bool no_snap) {
  if (DragState == DragStateType::MoveOrResize) {
    Dragged = true;
    const ui::Point step{ui::Rect::Saturate(int64_t{p.x} - LastX),
                         ui::Rect::Saturate(int64_t{p.y} - LastY)};
    const ui::Size area = view_.DesignArea();
    const ui::Point move = SnapStep(
        GrabCode == kGrabBody ? LimitMoveStep(app_.Project, area, step) : step, area, no_snap);
    for (auto& object : app_.Project.Objects) {
      if (!object->Selected) continue;
      ui::Control& c = *object->Control;
      const ui::Point before{c.Left, c.Top};
      ApplyDragStep(c, GrabCode, move.x, move.y);
      if (GrabCode != kGrabBody) ClampResizedPosition(c, before, area);
    }
    LastX = p.x;
    LastY = p.y;
    view_.RefreshDragStep();
    return;
  }
  if (DragState == DragStateType::BandOrClick) {
    Dragged = true;
    DrawRubberBand(AnchorX, AnchorY, p.x, p.y);
    return;
  }
  // No drag: the pointer announces what a press would do.
  int32_t result = kGrabNone;
  const auto& objects = app_.Project.Objects;
  for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
    const core::AutoObjectType& object = **it;
    if (!object.Selected) {
      if (Inside(*object.Control, p)) break;  // an unselected object: the default arrow
      continue;
    }
    result = HitTestObject(object, p);
    if (result != kGrabNone) break;
  }
  view_.SetPointer(CursorForGrab(result));
}

ui::Point CanvasEditor::SnapStep(ui::Point step, ui::Size area, bool no_snap) {
  const bool snapping = (Snap.ToObjects || Snap.ToGrid) && !no_snap;
  Guides = {};
  if (!snapping && snap_offset_ == ui::Point{}) return step;
  // Where the pointer alone would put the selection: the pulls so far taken back. A step comes
  // from 16-bit mouse coordinates and a pull is a grid step at most: no overflow.
  const ui::Point free{step.x - snap_offset_.x, step.y - snap_offset_.y};
  Snapped pull;
  if (snapping) {
    const ui::Rect bounds = SelectionBounds(app_.Project).value_or(ui::Rect{});
    pull = SnapLines(app_.Project, area, Snap, GrabCode, bounds, free);
  }
  const ui::Point landed{free.x + pull.shift.x, free.y + pull.shift.y};
  // The position clamp still has the last word; a guide shows only where the selection landed.
  const ui::Point snapped =
      GrabCode == kGrabBody ? LimitMoveStep(app_.Project, area, landed) : landed;
  Guides = {snapped.x == landed.x ? pull.guides.x : kNoGuide,
            snapped.y == landed.y ? pull.guides.y : kNoGuide};
  snap_offset_ = {snap_offset_.x + snapped.x - step.x, snap_offset_.y + snapped.y - step.y};
  return snapped;
}

void CanvasEditor::EndSnapping() {
  Guides = {};
  snap_offset_ = {};
}

void CanvasEditor::Image1MouseUp(bool ctrl, ui::Point p) {
  if (DragState != DragStateType::MoveOrResize) {
    if (Dragged) {
      SelectByBand(ctrl);
    } else {
      SelectByClick(ctrl, p);
    }
  }
  DragState = DragStateType::Idle;
  Dragged = false;
  EndSnapping();  // the guides go with the drag
  DrawRubberBand(-1, -1, -1, -1);
  view_.RefreshCanvas();
}

void CanvasEditor::CaptureLost() {
  if (DragState == DragStateType::Idle) return;
  DragState = DragStateType::Idle;
  Dragged = false;
  EndSnapping();
  DrawRubberBand(-1, -1, -1, -1);
  view_.RefreshCanvas();
}

void CanvasEditor::SelectByBand(bool ctrl) {
  const BandRectType band = BandRect;
  for (auto& object : app_.Project.Objects) {
    const ui::Control& c = *object->Control;
    const bool touches = int64_t{c.Left} + c.Width - 1 >= band.Left && c.Left <= band.Right &&
                         int64_t{c.Top} + c.Height - 1 >= band.Top && c.Top <= band.Bottom;
    object->Selected = touches && (ctrl ? !object->Selected : true);
  }
}

void CanvasEditor::SelectByClick(bool ctrl, ui::Point p) {
  auto& objects = app_.Project.Objects;
  bool found = false;
  for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
    core::AutoObjectType& object = **it;
    if (Inside(*object.Control, p)) {
      if (found) continue;  // lower objects under the pointer keep their state
      found = true;
      object.Selected = ctrl ? !object.Selected : true;
      if (object.Selected) clicked_ = &object;
    } else if (!ctrl) {
      object.Selected = false;
    }
  }
}

void CanvasEditor::DrawRubberBand(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const BandRectType next{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
  auto draw = [this](const BandRectType& r) {
    if (r == BandRectType{}) return;  // no band: nothing to draw
    view_.XorFocusRect({r.Left, r.Top, r.Right, r.Bottom});
  };
  draw(BandRect);
  draw(next);
  BandRect = next;
}

void CanvasEditor::BandAfterRepaint() {
  const bool banding = DragState == DragStateType::BandOrClick && Dragged;
  if (banding && BandRect != BandRectType{}) {
    view_.XorFocusRect({BandRect.Left, BandRect.Top, BandRect.Right, BandRect.Bottom});
  } else {
    BandRect = {};
  }
}

void CanvasEditor::AddObject(uint8_t kind, ui::Point p) {
  // Placed at the click, moved left or up when that lies within the margin of the far edges.
  core::AutoObjectType& added = core::AddNewObject(app_, kind, p);
  ClampNewPosition(*added.Control, view_.DesignArea());
  clicked_ = &added;
  view_.RefreshCanvas();
}

void CanvasEditor::Arrange(ArrangeCommand command) {
  ArrangeSelection(app_.Project, command, Reference(), view_.DesignArea());
  view_.RefreshCanvas();
}

void CanvasEditor::Nudge(ui::Point direction, int32_t step, bool resize) {
  NudgeSelection(app_.Project, view_.DesignArea(), direction, step, resize);
  view_.RefreshCanvas();
}

void CanvasEditor::SelectAll() {
  for (auto& object : app_.Project.Objects) object->Selected = true;
  view_.RefreshCanvas();
}

void CanvasEditor::SelectStep(bool forward) {
  auto& objects = app_.Project.Objects;
  if (objects.empty()) return;
  const auto count = static_cast<int32_t>(objects.size());
  // From the selected object (the first of several), or from before the first or after the last.
  int32_t at = forward ? -1 : count;
  for (int32_t i = 0; i < count; ++i) {
    if (objects[static_cast<size_t>(i)]->Selected) {
      at = i;
      break;
    }
  }
  SelectOnly(static_cast<size_t>(((forward ? at + 1 : at - 1) % count + count) % count));
}

void CanvasEditor::ClearSelection() {
  for (auto& object : app_.Project.Objects) object->Selected = false;
  view_.RefreshCanvas();
}

void CanvasEditor::SelectOnly(size_t index) {
  auto& objects = app_.Project.Objects;
  for (size_t i = 0; i < objects.size(); ++i) objects[i]->Selected = i == index;
  clicked_ = index < objects.size() ? objects[index].get() : nullptr;
  view_.RefreshCanvas();
}

void CanvasEditor::DeleteSelected() {
  auto& objects = app_.Project.Objects;
  for (size_t i = objects.size(); i-- > 0;) {
    if (!objects[i]->Selected) continue;
    if (objects[i].get() == clicked_) clicked_ = nullptr;  // never kept past its object
    core::RemoveObject(app_, objects[i].get());
  }
  duplicates_.Forget();
  view_.RefreshCanvas();
}

void CanvasEditor::ClearDesign() {
  app_.platform.ForgetPictures();
  core::ClearObjects(app_);
  clicked_ = nullptr;
  duplicates_.Forget();
  view_.RefreshCanvas();
}

int32_t CanvasEditor::ReferenceIndex() const {
  const auto& objects = app_.Project.Objects;
  for (size_t i = 0; i < objects.size(); ++i) {
    if (objects[i].get() == clicked_) return static_cast<int32_t>(i);
  }
  return -1;
}

void CanvasEditor::KeepReferenceAt(int32_t index) {
  const auto& objects = app_.Project.Objects;
  clicked_ = index >= 0 && static_cast<size_t>(index) < objects.size()
                 ? objects[static_cast<size_t>(index)].get()
                 : nullptr;
  duplicates_.Forget();  // every object was replaced
}

int32_t CanvasEditor::SingleSelectedIndex() const {
  const auto& objects = app_.Project.Objects;
  int32_t found = -1;
  for (size_t i = 0; i < objects.size(); ++i) {
    if (!objects[i]->Selected) continue;
    if (found >= 0) return -1;  // a second selected object: the command does nothing
    found = static_cast<int32_t>(i);
  }
  return found;
}

core::AutoObjectType* CanvasEditor::SingleSelected() const {
  const int32_t j = SingleSelectedIndex();
  return j < 0 ? nullptr : app_.Project.Objects[static_cast<size_t>(j)].get();
}

void CanvasEditor::BringSelectedToFront() {
  const int32_t j = SingleSelectedIndex();
  if (j < 0) return;
  auto& objects = app_.Project.Objects;
  ui::Control& control = *objects[static_cast<size_t>(j)]->Control;
  if (ui::Panel* parent = control.Parent()) parent->BringToFront(control);
  std::rotate(objects.begin() + j, objects.begin() + j + 1, objects.end());
  core::Renumber(app_.Project);
  view_.RefreshCanvas();
}

void CanvasEditor::SendSelectedToBack() {
  const int32_t j = SingleSelectedIndex();
  if (j < 0) return;
  auto& objects = app_.Project.Objects;
  ui::Control& control = *objects[static_cast<size_t>(j)]->Control;
  if (ui::Panel* parent = control.Parent()) parent->SendToBack(control);
  // The background picture stays behind every object.
  if (ui::Panel* parent = background_.Parent()) parent->SendToBack(background_);
  std::rotate(objects.begin(), objects.begin() + j, objects.begin() + j + 1);
  core::Renumber(app_.Project);
  view_.RefreshCanvas();
}

void CanvasEditor::EditObjectProperties(PropertyDialogs& dialogs) {
  core::AutoObjectType* object = SingleSelected();
  if (object == nullptr) {
    EditSeveralProperties(dialogs);
    return;
  }
  bool applied = false;
  switch (object->Kind) {
    case core::kKindLabel:
      applied = dialogs.EditLabel(*object);
      break;
    case core::kKindButton:
      applied = dialogs.EditButton(*object);
      break;
    case core::kKindImage:
      applied = dialogs.EditImage(*object);
      break;
    default:
      break;
  }
  if (!applied) return;
  core::BindObjectMedia(app_, *object);  // fonts, glyphs and pictures from the edited names
  view_.RefreshCanvas();
}

void CanvasEditor::EditSeveralProperties(PropertyDialogs& dialogs) {
  const std::vector<core::AutoObjectType*> objects = SelectedObjects(false);
  for (const core::AutoObjectType* object : objects) {
    if (object->Kind != objects.front()->Kind) return;  // kinds mixed
  }
  if (objects.size() >= 2 && dialogs.EditSeveral(objects)) Rebind(objects);
}

std::vector<core::AutoObjectType*> CanvasEditor::SelectedObjects(bool with_fonts) const {
  const auto& all = app_.Project.Objects;
  std::vector<core::AutoObjectType*> objects(all.size());
  size_t count = 0;
  for (const auto& object : all) {
    const bool fonts = object->Kind == core::kKindLabel || object->Kind == core::kKindButton;
    if (object->Selected && (fonts || !with_fonts)) objects[count++] = object.get();
  }
  objects.erase(objects.begin() + static_cast<ptrdiff_t>(count), objects.end());
  return objects;
}

void CanvasEditor::SetSelectionFont(PropertyDialogs& dialogs, bool hot) {
  const std::vector<core::AutoObjectType*> objects = SelectedObjects(true);
  if (objects.empty()) return;
  const ui::Font preset = FontOf(*objects.front(), hot);
  ui::Font font = preset;
  if (!dialogs.ChooseFont(font)) return;
  for (core::AutoObjectType* object : objects) {
    if (hot) {
      ApplyFontChanges(object->HotFont, preset, font);
    } else {
      KeepHotFontInStep(object->HotFont, FontOf(*object, false), font);
      FontOf(*object, false) = font;
    }
  }
  Rebind(objects);
}

bool CanvasEditor::SelectionIsBold() const {
  const std::vector<core::AutoObjectType*> objects = SelectedObjects(true);
  return !objects.empty() && std::all_of(objects.begin(), objects.end(), [](auto* object) {
    return (FontOf(*object, false).style & ui::kFontBold) != 0;
  });
}

void CanvasEditor::ToggleBold(ui::Canvas& measure) {
  const std::vector<core::AutoObjectType*> objects = SelectedObjects(true);
  if (objects.empty()) return;
  const bool bold = !SelectionIsBold();
  for (core::AutoObjectType* object : objects) {
    ui::Font& font = FontOf(*object, false);
    const ui::Font before = font;
    font.style =
        static_cast<uint8_t>(bold ? font.style | ui::kFontBold : font.style & ~ui::kFontBold);
    KeepHotFontInStep(object->HotFont, before, font);
    object->NormalFont = font;  // as binding the object's media takes it, without the files
    const ui::Size fit = SizeToShow(*object, *CaptionOf(*object), measure);
    object->Control->Width = fit.width;
    object->Control->Height = fit.height;
  }
  view_.RefreshCanvas();
}

ui::Size CanvasEditor::SizeToShow(const core::AutoObjectType& object, const std::string& caption,
                                  ui::Canvas& measure) const {
  const int64_t room = int64_t{view_.DesignArea().width} - object.Control->Left;
  return SizeToFit(object, caption, measure, ui::Rect::Saturate(room));
}

bool CanvasEditor::SetCaption(const std::string& text, ui::Canvas& measure) {
  core::AutoObjectType* object = SingleSelected();
  std::string* caption = object != nullptr ? CaptionOf(*object) : nullptr;
  if (caption == nullptr) return false;
  const ui::Size fit = SizeToShow(*object, text, measure);
  *caption = text;
  object->Control->Width = fit.width;
  object->Control->Height = fit.height;
  view_.RefreshCanvas();
  return true;
}

CanvasEditor::EditFacts CanvasEditor::Facts() const {
  const std::vector<core::AutoObjectType*> selected = SelectedObjects(false);
  EditFacts facts{app_.Project.Objects.size(), selected.size(), SelectedObjects(true).size()};
  facts.properties =
      !selected.empty() && std::all_of(selected.begin(), selected.end(),
                                       [&](auto* o) { return o->Kind == selected.front()->Kind; });
  facts.bold = SelectionIsBold();
  return facts;
}

void CanvasEditor::Rebind(const std::vector<core::AutoObjectType*>& objects) {
  for (core::AutoObjectType* object : objects) core::BindObjectMedia(app_, *object);
  view_.RefreshCanvas();
}

void CanvasEditor::EditObjectLink(PropertyDialogs& dialogs) {
  const std::vector<core::AutoObjectType*> objects = SelectedObjects(false);
  if (objects.empty()) {
    app_.platform.ShowMessageBox(kSelectForLink, kObjectLinkTitle, ui::MessageIcon::Information,
                                 ui::MessageButtons::Ok);
    return;
  }
  dialogs.EditLinks(objects);
}

void CanvasEditor::EditStartLink(PropertyDialogs& dialogs) {
  dialogs.EditLink(app_.Project.StartLink);
}

}  // namespace designer
