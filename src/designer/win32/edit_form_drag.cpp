// A move or resize step of the design canvas without a whole new snapshot. What stands still is
// drawn once, when the drag's first step comes; each step copies it and draws afresh only where
// the moving objects and their marks lie, from what lies below the lowest of them up, in stacking
// order (designer/drag_layers.h). The picture is the one RefreshCanvas draws, pixel for pixel.
#include <algorithm>
#include <vector>

#include "designer/win32/edit_form.h"
#include "ui/win32/gdi_canvas.h"

namespace {

// The rectangles of a region, which do not overlap: XOR-drawn dots must be drawn once each.
std::vector<RECT> RectsOf(HRGN region) {
  const DWORD bytes = ::GetRegionData(region, 0, nullptr);
  std::vector<DWORD> buffer((bytes + sizeof(DWORD) - 1) / sizeof(DWORD));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (bytes == 0 || ::GetRegionData(region, bytes, data) == 0) return {};
  const auto* first = reinterpret_cast<const RECT*>(data->Buffer);
  return {first, first + data->rdh.nCount};
}

}  // namespace

std::vector<bool> TEditForm::MovingChildren() const {
  std::vector<const ui::Control*> selected;
  for (const auto& object : app_.Project.Objects) {
    if (object->Selected) selected.push_back(object->Control.get());
  }
  std::sort(selected.begin(), selected.end());
  std::vector<bool> moving;
  for (const ui::Control* child : autorun_form_.Panel1.Children()) {
    moving.push_back(std::binary_search(selected.begin(), selected.end(), child));
  }
  return moving;
}

bool TEditForm::DrawDragPictures(std::vector<bool> moving) {
  const ui::Size size = image1_picture_.GetSize();
  if (!drag_.still.Resize(size) || !drag_.base.Resize(size)) return false;
  const designer::DragLayers layers(std::move(moving));
  autorun_form_.PaintInnerPanelPart(
      drag_.still.Dc(), DeviceScale(), true,
      [&](size_t i, const ui::Control&) { return layers.InStill(i); });
  DrawSelectionMarks(drag_.still.Dc(),
                     designer::SelectionMarks(
                         app_.Project, [](const core::AutoObjectType& o) { return !o.Selected; }));
  DrawGrid(drag_.still, {0, 0, size.width, size.height});
  autorun_form_.PaintInnerPanelPart(drag_.base.Dc(), DeviceScale(), true,
                                    [&](size_t i, const ui::Control&) { return layers.InBase(i); });
  ::GdiFlush();
  drag_.layers = layers;
  return true;
}

void TEditForm::RefreshDragStep() {
  HDC dc = image1_has_picture_ ? Image1Canvas() : nullptr;
  ui::Panel& panel = autorun_form_.Panel1;
  const ui::Size size = image1_picture_.GetSize();
  std::vector<bool> moving = MovingChildren();
  // A picture that shows the canvas's face beside the design area is drawn in full.
  if (dc == nullptr || ui::Size{image1_rect_.Width(), image1_rect_.Height()} !=
                           ui::Size{panel.Width, panel.Height}) {
    RefreshCanvas();
    return;
  }
  if ((!drag_.layers || drag_.layers->Moving() != moving || drag_.still.GetSize() != size) &&
      !DrawDragPictures(std::move(moving))) {
    RefreshCanvas();
    return;
  }
  const designer::DragLayers& layers = *drag_.layers;
  ::BitBlt(dc, 0, 0, size.width, size.height, drag_.still.Dc(), 0, 0, SRCCOPY);
  // An auto-sized label takes its text's size before its area is known.
  {
    ui::win32::GdiCanvas measure(dc, ui::kDesignDpi, ui::kDesignDpi);
    panel.AdjustSizePart(measure, [&](size_t i, const ui::Control&) { return layers.Moves(i); });
  }
  std::vector<ui::Rect> areas;
  const std::vector<ui::Control*>& children = panel.Children();
  for (size_t i = 0; i < children.size(); ++i) {
    if (layers.Moves(i)) areas.push_back(designer::MarkedArea(children[i]->BoundsRect()));
  }
  // Where they lie on the picture, a pixel wider for the rounding of a scale.
  ui::win32::GdiObject<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
  for (const ui::Rect& area : areas) {
    const ui::Rect r = OnPicture(area).Inflated(1);
    ui::win32::GdiObject<HRGN> part(::CreateRectRgn(std::max(r.left, 0), std::max(r.top, 0),
                                                    std::min(r.right, size.width),
                                                    std::min(r.bottom, size.height)));
    ::CombineRgn(region.Get(), region.Get(), part.Get(), RGN_OR);
  }
  ::SelectClipRgn(dc, region.Get());
  ::BitBlt(dc, 0, 0, size.width, size.height, drag_.base.Dc(), 0, 0, SRCCOPY);
  autorun_form_.PaintInnerPanelPart(dc, DeviceScale(), false,
                                    [&](size_t i, const ui::Control& child) {
                                      return layers.InStep(i, child.BoundsRect(), areas);
                                    });
  DrawSelectionMarks(dc, designer::SelectionMarks(app_.Project, [&](const core::AutoObjectType& o) {
                       return designer::Touches(designer::MarkedArea(o.Control->BoundsRect()),
                                                areas);
                     }));
  ::SelectClipRgn(dc, nullptr);
  for (const RECT& r : RectsOf(region.Get())) {
    DrawGrid(image1_picture_, {r.left, r.top, r.right, r.bottom});
  }
  DrawGuides();
  if (Handle() != nullptr) {
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  editor_.BandAfterRepaint();
  UpdateReadOut(nullptr);
}
