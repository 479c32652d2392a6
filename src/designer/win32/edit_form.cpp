// The design canvas window. Its picture lives in Image1's own bitmap: RefreshCanvas renders the
// snapshot and the XOR marks there, the rubber band is XOR-drawn into it and onto the screen,
// and WM_PAINT only copies it, so nothing drawn incrementally is lost to an expose.
#include "designer/win32/edit_form.h"

#include <algorithm>

#include "core/project_ops.h"
#include "designer/canvas_geometry.h"
#include "designer/win32/designer_commands.h"
#include "ui/scaled_canvas.h"
#include "ui/win32/application.h"
#include "ui/win32/cursors.h"
#include "ui/win32/gdi_canvas.h"

namespace {

constexpr char kDesignSuffix[] = " [Design]";
constexpr COLORREF kMarkColor = RGB(0x80, 0x80, 0x80);
constexpr uint32_t kMarkPixel = 0x808080;  // the same gray as a picture's pixel
// An arrow key moves or sizes the selection by one pixel, with Ctrl by this many.
constexpr int32_t kCoarseNudge = 10;

}  // namespace

TEditForm::TEditForm(core::AppState& app, TAutoRunForm& autorun_form, const CloseGate& close_gate)
    : FormWindow(form_),
      app_(app),
      autorun_form_(autorun_form),
      close_gate_(close_gate),
      editor_(app, autorun_form.Image1, *this),
      undo_(app) {
  form_.SetBorderIcons(ui::kIconSystemMenu);
  form_.SetBorderStyle(ui::kBorderSizeable);
  form_.SetBounds(0, 0, 544, 375);
  Panel1.BevelOuter = ui::kBevelNone;
}

bool TEditForm::Create() {
  form_.CenterOn(app_.platform.ScreenSize());
  if (!CreateForm(L"TEditForm")) return false;
  FormCreate();
  return true;
}

void TEditForm::FormCreate() {
  editor_.FormCreate();
  PopupMenu1 = BuildCanvasMenu();
  shortcuts_ = BuildCanvasShortcuts();
  ui::win32::Application::SetAccelerators(Handle(), shortcuts_.Get());
}

void TEditForm::Connect(ToolGroup& tools, HWND command_target) {
  tools_ = &tools;
  command_target_ = command_target;
}

void TEditForm::CopyIcon() {
  HICON icon = autorun_form_.WindowIcon();
  if (Handle() == nullptr || icon == nullptr) return;
  ::SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  ::SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void TEditForm::CopyBorderAndTransparency() {
  const ui::Form& source = autorun_form_.WindowProperties();
  form_.SetBorderStyle(source.BorderStyle());
  form_.SetTransparentColorValue(source.TransparentColorValue());
  form_.SetTransparentColor(source.TransparentColor());
}

void TEditForm::CopyPanelBevels() {
  const ui::Panel& panel = autorun_form_.Panel;
  Panel1.BevelInner = panel.BevelInner;
  Panel1.BevelOuter = panel.BevelOuter;
  Panel1.BevelWidth = panel.BevelWidth;
  Panel1.BorderWidth = panel.BorderWidth;
  Panel1.BorderStyle = panel.BorderStyle;
}

void TEditForm::CopyFrameFromPresentation() {
  const ui::Form& source = autorun_form_.WindowProperties();
  Syncing = true;
  CopyBorderAndTransparency();
  CopyIcon();
  form_.SetBounds(source.Left(), source.Top(), source.Width(), source.Height());
  CopyPanelBevels();
  Syncing = false;
}

void TEditForm::EditFormProperties() {
  if (dialogs_ == nullptr) return;
  const ui::Size design = autorun_form_.DesignClientSize();
  if (!dialogs_->EditForm(app_.Project)) return;
  core::ApplyWindowLook(app_);
  CopyIcon();
  CopyBorderAndTransparency();
  // The design area keeps its size when the border changes; the windows' outer sizes adapt.
  SetClientSize(design.width, design.height);
  CopyPanelBevels();
  autorun_form_.RenderBackground();
  FormResize();
}

void TEditForm::EditPositionAndSize() {
  if (dialogs_ == nullptr) return;
  const ui::Size design = autorun_form_.DesignClientSize();
  ui::Size client = design;
  const ui::Size area = DesignArea();
  const ui::Point last_place{area.width - designer::kClampMargin,
                             area.height - designer::kClampMargin};
  if (!dialogs_->EditPositionAndSize(app_.Project, last_place, client)) return;
  // A borderless design has no frame to size it by: the client size is set here.
  if (client != design) SetClientSize(client.width, client.height);
  FormResize();
}

void TEditForm::FormResize() {
  if (Syncing) return;
  autorun_form_.WindowProperties().SetBounds(form_.Left(), form_.Top(), form_.Width(),
                                             form_.Height());
  image1_has_picture_ = false;
  RefreshCanvas();
}

ui::Rect TEditForm::LayoutImage1() {
  const ui::Size client = DesignClientSize();
  Panel1.SetBounds(0, 0, client.width, client.height);
  image1_rect_ = Panel1.ContentRect();
  return image1_rect_;
}

ui::Rect TEditForm::OnPicture(const ui::Rect& r) const {
  const ui::Scale& scale = DeviceScale();
  const ui::Point origin = scale.ToDevice(ui::Point{image1_rect_.left, image1_rect_.top});
  const ui::Rect shown =
      scale.ToDevice(ui::Rect{r.left + image1_rect_.left, r.top + image1_rect_.top,
                              r.right + image1_rect_.left, r.bottom + image1_rect_.top});
  return {shown.left - origin.x, shown.top - origin.y, shown.right - origin.x,
          shown.bottom - origin.y};
}

HDC TEditForm::Image1Canvas() {
  LayoutImage1();
  const ui::Rect image1 = OnPicture({0, 0, image1_rect_.Width(), image1_rect_.Height()});
  if (!image1_has_picture_ ||
      image1_picture_.GetSize() != ui::Size{image1.Width(), image1.Height()}) {
    if (!image1_picture_.Resize({std::max(image1.Width(), 1), std::max(image1.Height(), 1)})) {
      return nullptr;
    }
    image1_has_picture_ = true;
  }
  return image1_picture_.Dc();
}

ui::Size TEditForm::DesignArea() const {
  return {autorun_form_.Panel1.Width, autorun_form_.Panel1.Height};
}

void TEditForm::RefreshCanvas() {
  drag_.layers.reset();  // whatever changed, the next drag step draws what stands still anew
  form_.SetCaption(autorun_form_.WindowProperties().Caption() + kDesignSuffix);
  if (HDC dc = Image1Canvas()) {
    // The snapshot replaces the whole picture: what the player shows in its inner panel.
    // The inner panel paints its colour over the whole picture, unless the two differ in size.
    const ui::Size size = image1_picture_.GetSize();
    if (ui::Size{image1_rect_.Width(), image1_rect_.Height()} !=
        ui::Size{autorun_form_.Panel1.Width, autorun_form_.Panel1.Height}) {
      ui::win32::GdiCanvas(dc).FillRect({0, 0, size.width, size.height}, ui::kColorButtonFace);
    }
    autorun_form_.PaintInnerPanel(dc, DeviceScale());
    DrawSelectionMarks(dc, designer::SelectionMarks(app_.Project));
    DrawGrid(image1_picture_, {0, 0, size.width, size.height});
    DrawGuides();
  }
  // The whole client: a new size or new bevels move Image1 inside it.
  if (Handle() != nullptr)
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  editor_.BandAfterRepaint();
  UpdateReadOut(nullptr);
}

void TEditForm::UpdateReadOut(const ui::Point* pointer) {
  if (read_out_ != nullptr) {
    read_out_->ShowReadOut(designer::ReadOutText(app_.Project, editor_.Reference(), pointer));
  }
}

void TEditForm::DrawSelectionMarks(HDC dc, const std::vector<designer::Mark>& marks) {
  ui::win32::GdiObject<HPEN> pen(::CreatePen(PS_DOT, 1, kMarkColor));
  ui::win32::Brush handle_brush(::CreateSolidBrush(kMarkColor));
  ui::win32::SelectGuard pen_guard(dc, pen.Get());
  ui::win32::SelectGuard brush_guard(dc, ::GetStockObject(NULL_BRUSH));
  const int old_rop = ::SetROP2(dc, R2_XORPEN);
  const int old_mode = ::GetBkMode(dc);
  const COLORREF old_back = ::GetBkColor(dc);
  for (const designer::Mark& mark : marks) {
    const ui::Rect r = OnPicture(mark.rect);
    if (mark.kind == designer::Mark::Outline) {
      // The dotted outline's gaps leave the picture as it is.
      ::SetBkMode(dc, TRANSPARENT);
      ::Rectangle(dc, r.left, r.top, r.right, r.bottom);
    } else {
      // A handle is gray XOR throughout: the dotted edge's gaps take the brush's gray too.
      ::SetBkMode(dc, OPAQUE);
      ::SetBkColor(dc, kMarkColor);
      ui::win32::SelectGuard fill(dc, handle_brush.Get());
      ::Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }
  }
  ::SetBkColor(dc, old_back);
  ::SetBkMode(dc, old_mode);
  ::SetROP2(dc, old_rop);
  ::GdiFlush();
}

void TEditForm::DrawGrid(ui::win32::DibSurface& picture, const ui::Rect& part) {
  const core::SnapSettings& snap = editor_.Snap;
  const int32_t step = snap.GridSize;
  if (!snap.ShowGrid || step <= 0) return;
  if (DeviceScale().IsIdentity()) {
    // The dots lie on the multiples of the step, wherever the part begins.
    const auto first = [step](int32_t edge) { return (edge + step - 1) / step * step; };
    picture.MapPoints({first(part.left), first(part.top), part.right, part.bottom}, {step, step},
                      designer::GridDotOver);
    return;
  }
  // Scaled, the grid's points lie where its design units do, a step apart or not. The points
  // left of and above the part are passed over a little before it starts.
  const ui::Size size = picture.GetSize();
  const auto first = [&](int32_t edge) {
    return std::max(DeviceScale().ToDesign(edge) - 2, 0) / step * step;
  };
  const int32_t right = std::min(part.right, size.width);
  const int32_t bottom = std::min(part.bottom, size.height);
  for (int32_t y = first(part.top); y < image1_rect_.Height(); y += step) {
    const int32_t at_y = OnPicture({0, y, 0, y}).top;
    if (at_y >= bottom) break;
    if (at_y < part.top) continue;
    for (int32_t x = first(part.left); x < image1_rect_.Width(); x += step) {
      const int32_t at_x = OnPicture({x, y, x, y}).left;
      if (at_x >= right) break;
      if (at_x >= part.left)
        picture.MapPoints({at_x, at_y, at_x + 1, at_y + 1}, {1, 1}, designer::GridDotOver);
    }
  }
}

void TEditForm::DrawGuides() {
  const ui::Size size = image1_picture_.GetSize();
  // Guides run across the design area; one on its far edge shows on its last pixels.
  const designer::SnapGuides& guides = editor_.Guides;
  if (guides.x != designer::kNoGuide) {
    const int at = OnPicture({guides.x, 0, guides.x, 0}).left;
    const int x = at >= size.width ? size.width - 1 : at;
    image1_picture_.XorPoints({x, 0, x + 1, size.height}, {1, 1}, kMarkPixel);
  }
  if (guides.y != designer::kNoGuide) {
    const int at = OnPicture({0, guides.y, 0, guides.y}).top;
    const int y = at >= size.height ? size.height - 1 : at;
    image1_picture_.XorPoints({0, y, size.width, y + 1}, {1, 1}, kMarkPixel);
  }
}

void TEditForm::XorFocusRect(const ui::Rect& design) {
  const ui::Rect r = OnPicture(design);
  const RECT rect{r.left, r.top, r.right, r.bottom};
  if (HDC dc = Image1Canvas()) {
    ::DrawFocusRect(dc, &rect);
    ::GdiFlush();
  }
  if (Handle() == nullptr) return;
  // The same XOR on the screen keeps it equal to the picture without a repaint.
  const ui::win32::ScreenDc screen(Handle());
  if (screen.Get() == nullptr) return;
  const ui::Rect image1 = DeviceScale().ToDevice(image1_rect_);
  ::IntersectClipRect(screen.Get(), image1.left, image1.top, image1.right, image1.bottom);
  ::SetViewportOrgEx(screen.Get(), image1.left, image1.top, nullptr);
  ::DrawFocusRect(screen.Get(), &rect);
}

designer::Tool TEditForm::CurrentTool() const {
  return tools_ != nullptr ? tools_->CurrentTool() : designer::Tool::Select;
}

void TEditForm::SelectTool() {
  if (tools_ != nullptr) tools_->PutSelectDown();
}

void TEditForm::SetPointer(ui::Cursor cursor) {
  pointer_ = cursor;
  ::SetCursor(ui::win32::CursorFor(cursor));
}

void TEditForm::OnMouse(const ui::win32::MouseEvent& event) {
  using ui::win32::MouseEvent;
  const ui::Point p{event.point.x - image1_rect_.left, event.point.y - image1_rect_.top};
  switch (event.action) {
    case MouseEvent::Down: {
      EndCaptionEdit();  // a click elsewhere keeps what was typed
      if (!image1_rect_.Contains(event.point)) return;
      pressed_on_image1_ = true;
      const designer::MouseButton button =
          event.button == MouseEvent::Left    ? designer::MouseButton::Left
          : event.button == MouseEvent::Right ? designer::MouseButton::Right
                                              : designer::MouseButton::Middle;
      const designer::Tool tool = CurrentTool();
      const char* add = tool == designer::Tool::AddLabel    ? "Add Label"
                        : tool == designer::Tool::AddButton ? "Add Button"
                        : tool == designer::Tool::AddImage  ? "Add Image"
                                                            : nullptr;
      if (add != nullptr && button == designer::MouseButton::Left) {
        AsStep(add, [&] { editor_.Image1MouseDown(button, event.ctrl, p); });
        return;
      }
      if (button == designer::MouseButton::Left) press_snapshot_ = undo_.Snapshot();
      editor_.Image1MouseDown(button, event.ctrl, p);
      return;
    }
    case MouseEvent::Move:
      if (pressed_on_image1_ || image1_rect_.Contains(event.point)) {
        // Alt held turns snapping off for as long as it is held, read afresh at every step.
        const bool alt = ::GetKeyState(VK_MENU) < 0;
        alt_in_drag_ = alt_in_drag_ || (alt && pressed_on_image1_);
        editor_.Image1MouseMove(p, alt);
      }
      if (image1_rect_.Contains(event.point)) {
        // The read-out follows the pointer until it leaves the canvas.
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, Handle(), 0};
        ::TrackMouseEvent(&leave);
        UpdateReadOut(&p);
      }
      return;
    case MouseEvent::Up: {
      if (!pressed_on_image1_) return;
      pressed_on_image1_ = ::GetCapture() == Handle();  // another button is still held
      const bool opens = double_click_ && event.button == MouseEvent::Left && !editor_.Dragged;
      EndDragStep([&] { editor_.Image1MouseUp(event.ctrl, p); });
      if (event.button == MouseEvent::Right) ShowContextMenu(p);
      // A double click on an object opens its properties once the release rules have run.
      const auto& objects = app_.Project.Objects;
      if (opens && command_target_ != nullptr &&
          std::any_of(objects.begin(), objects.end(),
                      [&](const auto& object) { return designer::Inside(*object->Control, p); })) {
        ::PostMessageW(command_target_, WM_COMMAND, kCmdObjectProperties, 0);
      }
      return;
    }
  }
}

bool TEditForm::OnNudgeKey(WPARAM key) {
  const ui::Point direction = key == VK_LEFT    ? ui::Point{-1, 0}
                              : key == VK_RIGHT ? ui::Point{1, 0}
                              : key == VK_UP    ? ui::Point{0, -1}
                              : key == VK_DOWN  ? ui::Point{0, 1}
                                                : ui::Point{};
  if (direction == ui::Point{}) return false;
  if (editor_.DragState != designer::DragStateType::Idle) return true;  // the mouse has it
  const bool resize = ::GetKeyState(VK_SHIFT) < 0;
  // With Snap to Grid on, Ctrl steps by one grid step.
  const int32_t coarse = editor_.Snap.ToGrid ? editor_.Snap.GridSize : kCoarseNudge;
  const int32_t step = ::GetKeyState(VK_CONTROL) < 0 ? coarse : 1;
  const designer::DesignSnapshot before = undo_.Snapshot();
  editor_.Nudge(direction, step, resize);
  undo_.RecordRunStep(resize ? "Nudge Size" : "Nudge", before);
  return true;
}

void TEditForm::OnScaleChanged() {
  FormResize();
}

bool TEditForm::OnSelectionKey(WPARAM key) {
  if (key != VK_TAB && key != VK_ESCAPE && key != VK_RETURN) return false;
  if (editor_.DragState != designer::DragStateType::Idle) return true;  // the mouse has it
  if (key == VK_TAB) {
    editor_.SelectStep(::GetKeyState(VK_SHIFT) >= 0);
  } else if (key == VK_ESCAPE) {
    editor_.ClearSelection();
  } else if (editor_.SingleSelected() != nullptr && command_target_ != nullptr) {
    ::PostMessageW(command_target_, WM_COMMAND, kCmdObjectProperties, 0);
  }
  UpdateReadOut(nullptr);
  return true;
}

void TEditForm::OnCaptureLost() {
  EndDragStep([this] { editor_.CaptureLost(); });
}

void TEditForm::EndDragStep(const std::function<void()>& release) {
  const bool dragged =
      editor_.DragState == designer::DragStateType::MoveOrResize && editor_.Dragged;
  const char* name = editor_.GrabCode == designer::kGrabBody ? "Move" : "Resize";
  release();
  if (dragged) undo_.RecordIfChanged(name, press_snapshot_);
}

void TEditForm::Restore(bool back) {
  const int32_t reference = editor_.ReferenceIndex();
  const bool restored = back ? undo_.Undo() : undo_.Redo();
  editor_.KeepReferenceAt(reference);  // a failed restore put the design back too
  if (!restored) return;
  CopyFrameFromPresentation();
  FormResize();
}

void TEditForm::ShowContextMenu(ui::Point at) {
  POINT screen{};
  ::GetCursorPos(&screen);
  ShowEditState(PopupMenu1.Get(), editor_.Facts());
  const int id = ::TrackPopupMenu(PopupMenu1.Get(),
                                  TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                  screen.x, screen.y, 0, Handle(), nullptr);
  // Paste from here lands where the menu was opened; every other item is the main window's.
  if (id == kCmdPaste) {
    ClipboardCommand(id, at);
  } else if (id != 0 && command_target_ != nullptr) {
    ::SendMessageW(command_target_, WM_COMMAND, static_cast<WPARAM>(id), 0);
  }
}

void TEditForm::OnPaint(HDC dc, const RECT&) {
  LayoutImage1();
  const ui::Rect image1 = DeviceScale().ToDevice(image1_rect_);
  if (image1_has_picture_) {
    ::BitBlt(dc, image1.left, image1.top, image1.Width(), image1.Height(), image1_picture_.Dc(), 0,
             0, SRCCOPY);
  }
  // The mirrored bevels around Image1, painted beside the picture rather than under it, so that
  // nothing flickers and no second buffer is needed.
  const int saved = ::SaveDC(dc);
  if (image1_has_picture_) {
    ::ExcludeClipRect(dc, image1.left, image1.top, image1.right, image1.bottom);
  }
  if (DeviceScale().IsIdentity()) {
    ui::win32::GdiCanvas canvas(dc, ui::kDesignDpi, ui::kDesignDpi);
    Panel1.Paint(canvas);
  } else {
    ui::win32::GdiCanvas device(dc, DeviceScale().Dpi(), ui::kDesignDpi);
    ui::ScaledBitmaps no_glyphs;  // bevels only
    ui::ScaledCanvas canvas(device, DeviceScale(), no_glyphs);
    Panel1.Paint(canvas);
  }
  ::RestoreDC(dc, saved);
}

LRESULT TEditForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CLOSE:
      if (close_gate_.CanvasMayClose()) ::DestroyWindow(Handle());
      return 0;
    case WM_ENTERSIZEMOVE:
      EndCaptionEdit();
      sizing_snapshot_ = undo_.Snapshot();
      break;
    case WM_EXITSIZEMOVE:
      // Moving the window changes no design; sizing it does, as one step however long it took.
      undo_.RecordIfChanged(kResizeStepName, sizing_snapshot_);
      sizing_snapshot_ = {};
      break;
    case WM_INITMENUPOPUP:  // the context menu (or the system menu, which has no Paste)
      ShowPasteState(reinterpret_cast<HMENU>(wparam));
      break;
    case WM_COMMAND:
      // A control's notification names it: only the caption's edit box sends any.
      if (lparam != 0) {
        OnCaptionKey(message, wparam, lparam);
      } else if (command_target_ != nullptr) {
        ::SendMessageW(command_target_, WM_COMMAND, wparam, lparam);
      }
      return 0;
    case WM_SYSKEYUP:
      // Alt released during or after a drag it took part in opens no menu.
      if (wparam == VK_MENU && (alt_in_drag_ || pressed_on_image1_)) {
        alt_in_drag_ = false;
        return 0;
      }
      break;
    case WM_KEYDOWN:
      if (OnCaptionKey(message, wparam, lparam) || OnNudgeKey(wparam) || OnSelectionKey(wparam)) {
        return 0;
      }
      break;
    case WM_CHAR:
      if (OnCaptionKey(message, wparam, lparam)) return 0;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // Every left press, on Image1 or beside it, says whether it is a double click.
      double_click_ = message == WM_LBUTTONDBLCLK;
      break;
    case WM_MOUSELEAVE:
      UpdateReadOut(nullptr);
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT) {
        POINT p{};
        ::GetCursorPos(&p);
        ::ScreenToClient(Handle(), &p);
        const bool on_image1 = image1_rect_.Contains(DeviceScale().ToDesign(ui::Point{p.x, p.y}));
        ::SetCursor(ui::win32::CursorFor(on_image1 ? pointer_ : ui::Cursor::Default));
        return TRUE;
      }
      break;
    case WM_DESTROY:
      caption_box_.Close();
      ui::win32::Application::SetAccelerators(Handle(), nullptr);
      break;
    default:
      break;
  }
  return FormWindow::HandleMessage(message, wparam, lparam);
}
