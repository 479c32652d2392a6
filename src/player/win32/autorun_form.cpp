// The presentation window: fixed structure, resizing, painting through a back buffer, mouse
// routing, the background picture, links, and the start-up tick.
#include "player/win32/autorun_form.h"

#include <algorithm>
#include <memory>

#include "core/product_names.h"
#include "core/project_file.h"
#include "core/project_ops.h"
#include "player/accessible_objects.h"
#include "player/background_render.h"
#include "player/hot_tracking.h"
#include "player/keyboard_focus.h"
#include "ui/win32/application.h"
#include "ui/win32/bitmap_file.h"
#include "ui/win32/cursors.h"
#include "ui/win32/gdi_canvas.h"
#include "ui/win32/gdi_picture.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/shell.h"
#include "ui/win32/wide_text.h"

namespace {

constexpr wchar_t kClassName[] = L"TAutoRunForm";
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 10;  // ms

ui::PixelBitmap LoadDefaultGlyph() {
  const ui::win32::GdiObject<HBITMAP> bitmap =
      ui::win32::LoadArtwork(QUORVANE_BITMAP_DEFAULT_GLYPH, {});
  auto pixels = ui::win32::PixelsOfBitmap(bitmap.Get());
  return pixels ? *pixels : ui::PixelBitmap(32, 32, 0x00FF00FF);
}

ui::Color SystemColorNow(uint8_t index) {
  const COLORREF c = ::GetSysColor(index);
  return ui::Rgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

}  // namespace

TAutoRunForm::TAutoRunForm() : FormWindow(form_) {
  // The window's own resource values; a loaded or new project replaces most of them.
  form_.SetCaption(core::kNewMenuCaption);
  form_.SetBorderStyle(ui::kBorderNone);
  form_.SetBorderIcons(ui::kIconSystemMenu);
  form_.SetBounds(0, 0, 466, 288);
  form_.SetPosition(ui::kPositionScreenCenter);
  Panel.BevelOuter = ui::kBevelNone;
  Panel1.BevelOuter = ui::kBevelNone;
  Panel1.SetParent(&Panel);
  Image1.Stretch = true;
  Image1.SetParent(&Panel1);
  Image1.OnMouseMove = [this](ui::Control&, ui::Point) { Image1MouseMove(); };
}

bool TAutoRunForm::Create() {
  default_glyph_ = LoadDefaultGlyph();
  if (!CreateForm(kClassName)) return false;
  MediaPlayer1.SetNotifyWindow(Handle());
  FormCreate();
  ::SetTimer(Handle(), kTimer1, kTimer1Interval, nullptr);
  return true;
}

void TAutoRunForm::FormCreate() {
  // The window starts at zero size and stays invisible in practice until a project sizes it.
  Constructing = true;
  form_.SetWidth(0);
  form_.SetHeight(0);
  Constructing = false;
}

void TAutoRunForm::FormResize() {
  LayoutPanels();
  if (Constructing || app_ == nullptr) return;
  RenderBackground();
}

void TAutoRunForm::LayoutPanels() {
  const ui::Size client = DesignClientSize();
  const int32_t band = form_.BorderWidth();
  Panel.SetBounds(band, band, client.width - 2 * band, client.height - 2 * band);
  const ui::Rect inner = Panel.ContentRect();
  Panel1.SetBounds(inner.left, inner.top, inner.Width(), inner.Height());
  Image1.SetBounds(0, 0, inner.Width(), inner.Height());
}

void TAutoRunForm::RenderBackground() {
  LayoutPanels();
  Image1.Picture.reset();
  if (app_ != nullptr) {
    const core::AutoFormType& project = app_->Project;
    // Made at the size the screen shows, so that a scaled gradient is as exact as at 96 DPI.
    const ui::Rect shown = DeviceScale().ToDevice(ui::Rect::FromBounds(
        Panel.Left + Panel1.Left, Panel.Top + Panel1.Top, Panel1.Width, Panel1.Height));
    auto picture = player::RenderBackgroundPicture(shown.Width(), shown.Height(), project.BackColor,
                                                   project.GradientColor, project.GradientStyle,
                                                   &SystemColorNow);
    if (picture) {
      Image1.Picture = std::make_unique<ui::win32::BitmapPicture>(
          std::make_unique<const ui::PixelBitmap>(std::move(*picture)));
    }
  }
  if (Handle() != nullptr) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TAutoRunForm::AttachObjects() {
  if (app_ == nullptr) return;
  for (auto& object : app_->Project.Objects) {
    ui::Control* control = object->Control.get();
    if (control == nullptr) continue;
    control->SetParent(&Panel1);
    if (!core::IsKnownKind(object->Kind)) continue;
    control->OnClick = [this](ui::Control& c) { ObjectClick(c); };
    control->OnMouseMove = [this](ui::Control& c, ui::Point) { ObjectMouseMove(c); };
    control->OnMouseDown = [](ui::Control&, ui::Point) {};
    control->OnMouseUp = [](ui::Control&, ui::Point) {};
  }
  if (Handle() != nullptr) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TAutoRunForm::ObjectClick(ui::Control& control) {
  auto& objects = app_->Project.Objects;
  if (control.Tag < 0 || static_cast<size_t>(control.Tag) >= objects.size()) return;
  const core::TCommand link = objects[control.Tag]->Link;  // a link may reload the project
  if (link.Action == core::kActionNone) return;
  player::RunLink(*app_, *this, link);
}

void TAutoRunForm::HotChanged(bool changed) {
  if (changed && Handle() != nullptr) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TAutoRunForm::ObjectMouseMove(ui::Control& control) {
  const auto& objects = app_->Project.Objects;
  if (control.Tag >= 0 && static_cast<size_t>(control.Tag) < objects.size() &&
      objects[control.Tag]->Link.Action != core::kActionNone && focus_ != control.Tag) {
    focus_ = control.Tag;
    HotChanged(true);
  }
  HotChanged(player::UpdateHot(app_->Project, control.Tag, default_glyph_));
}

core::AutoObjectType* TAutoRunForm::FocusTarget() const {
  if (app_ == nullptr || focus_ < 0) return nullptr;
  const std::vector<int32_t> order = player::ReadingOrder(app_->Project, true);
  if (std::find(order.begin(), order.end(), focus_) == order.end()) return nullptr;
  return app_->Project.Objects[static_cast<size_t>(focus_)].get();
}

bool TAutoRunForm::OnKey(WPARAM key) {
  if (app_ == nullptr || app_->DesignMode) return false;
  if (key == VK_RETURN || key == VK_SPACE) {
    if (core::AutoObjectType* object = FocusTarget()) ObjectClick(*object->Control);
    return true;
  }
  const bool back =
      key == VK_LEFT || key == VK_UP || (key == VK_TAB && ::GetKeyState(VK_SHIFT) < 0);
  if (key != VK_TAB && key != VK_RIGHT && key != VK_DOWN && !back) return false;
  keyboard_cues_ = true;
  MoveFocus(player::NextFocus(player::ReadingOrder(app_->Project, true),
                              FocusTarget() != nullptr ? focus_ : -1, !back));
  return true;
}

void TAutoRunForm::MoveFocus(int32_t index) {
  focus_ = index;
  player::UpdateHot(app_->Project, focus_, default_glyph_);
  HotChanged(true);
  player::win32::NotifyFocus(
      Handle(), player::AccessibleChildId(player::AccessibleObjects(app_->Project), focus_));
}

std::vector<player::AccessibleObject> TAutoRunForm::AccessibleItems() const {
  if (app_ == nullptr) return {};
  return player::AccessibleObjects(app_->Project);
}

RECT TAutoRunForm::ScreenRectOf(const ui::Rect& bounds) const {
  const ui::Point inner{Panel.Left + Panel1.Left, Panel.Top + Panel1.Top};
  const ui::Rect shown =
      DeviceScale().ToDevice(ui::Rect{bounds.left + inner.x, bounds.top + inner.y,
                                      bounds.right + inner.x, bounds.bottom + inner.y});
  POINT origin{0, 0};
  ::ClientToScreen(Handle(), &origin);
  return RECT{shown.left + origin.x, shown.top + origin.y, shown.right + origin.x,
              shown.bottom + origin.y};
}

int32_t TAutoRunForm::FocusedObject() const {
  return FocusTarget() != nullptr ? focus_ : -1;
}

int32_t TAutoRunForm::HotObject() const {
  if (app_ == nullptr) return -1;
  const auto& objects = app_->Project.Objects;
  for (size_t i = 0; i < objects.size(); ++i) {
    if (objects[i]->Hot) return static_cast<int32_t>(i);
  }
  return -1;
}

void TAutoRunForm::FocusObject(int32_t index) {
  if (app_ == nullptr) return;
  const std::vector<int32_t> order = player::ReadingOrder(app_->Project, true);
  if (std::find(order.begin(), order.end(), index) != order.end()) MoveFocus(index);
}

void TAutoRunForm::RunObjectLink(int32_t index) {
  if (app_ == nullptr || index < 0 || static_cast<size_t>(index) >= app_->Project.Objects.size()) {
    return;
  }
  ObjectClick(*app_->Project.Objects[static_cast<size_t>(index)]->Control);
}

void TAutoRunForm::DrawFocusRect(HDC dc) {
  const core::AutoObjectType* object = keyboard_cues_ ? FocusTarget() : nullptr;
  if (object == nullptr) return;
  const ui::Control& c = *object->Control;
  ui::Rect r = DeviceScale().ToDevice(ui::Rect::FromBounds(
      Panel.Left + Panel1.Left + c.Left, Panel.Top + Panel1.Top + c.Top, c.Width, c.Height));
  r = r.Inflated(-2);
  const RECT rect{r.left, r.top, r.right, r.bottom};
  ::SetTextColor(dc, RGB(0, 0, 0));
  ::SetBkColor(dc, RGB(255, 255, 255));
  ::DrawFocusRect(dc, &rect);
}

void TAutoRunForm::Image1MouseMove() {
  HotChanged(player::UpdateHot(app_->Project, -1, default_glyph_));
}

intptr_t TAutoRunForm::ShellExecute(const player::ShellRequest& request) {
  return ui::win32::ShellExecuteRequest(Handle(), request.verb, request.file, request.parameters,
                                        request.directory, request.show_command);
}

bool TAutoRunForm::PlayMedia(const std::string& path) {
  return MediaPlayer1.Play(path);
}

void TAutoRunForm::ClosePresentation() {
  Close();
}

void TAutoRunForm::SetIcon(HICON icon, ui::win32::OwnedIcon owned) {
  if (Handle() != nullptr) {
    ::SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ::SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  icon_ = icon;
  icon_file_ = std::move(owned);
}

void TAutoRunForm::LoadWindowIcon(const std::string& path) {
  ui::win32::OwnedIcon icon(static_cast<HICON>(
      ::LoadImageW(nullptr, ui::win32::WideOf(path).c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE)));
  HICON shown = icon.Get();
  if (shown != nullptr) SetIcon(shown, std::move(icon));  // one that cannot be loaded: the old
}

void TAutoRunForm::UseApplicationIcon() {
  SetIcon(ui::win32::Application::Icon(), {});
}

void TAutoRunForm::Timer1Timer() {
  ::KillTimer(Handle(), kTimer1);
  if (app_->DesignMode) {
    if (DesignStartTick) DesignStartTick();
    return;
  }

  const bool loaded = core::LoadProject(*app_, app_->ProjectFilePath);
  // A player left with no visible area (no project file, or one that is not a project) could
  // only be closed from the taskbar; it ends instead, once the message has been read.
  if (!loaded && (form_.Width() <= 0 || form_.Height() <= 0)) {
    ::DestroyWindow(Handle());
    return;
  }
  Panel1.Color = app_->Project.BackColor;
  // The load bound the design it read whole; a picture it could not show is not told twice.
  core::BindAllObjects(*app_, loaded ? core::MissingFiles::Again : core::MissingFiles::Report);
  RenderBackground();
  ui::win32::Application::SetTitle(form_.Caption());
  ui::win32::Application::SetTaskbarIcon(icon_ != nullptr ? icon_ : ui::win32::Application::Icon());
  if (!app_->Project.StartSoundFile.empty()) {
    player::PlaySoundFile(*app_, *this, app_->CDFolder + "\\" + app_->Project.StartSoundFile);
  }
  if (app_->Project.StartLink.Action != core::kActionNone) {
    const core::TCommand link = app_->Project.StartLink;
    player::RunLink(*app_, *this, link);
  }
}

void TAutoRunForm::PaintPanel(HDC dc, ui::Panel& panel, ui::Point at, ui::Point base,
                              ui::Scale scale, bool face, const ui::Panel::ChildFilter& which) {
  const ui::Point offset{at.x - base.x, at.y - base.y};
  const ui::Rect bounds{0, 0, panel.Width, panel.Height};
  const auto paint = [&](ui::Canvas& canvas) {
    panel.AdjustSizePart(canvas, which);
    ui::CanvasScope origin(canvas, offset, bounds);
    panel.PaintPart(canvas, face, which);
  };
  if (scale.IsIdentity()) {
    // Fonts at 96 DPI, also on a screen of 96 DPI beside a system of another.
    ui::win32::GdiCanvas canvas(dc, ui::kDesignDpi, ui::kDesignDpi);
    paint(canvas);
    return;
  }
  ui::win32::GdiCanvas device(dc, scale.Dpi(), ui::kDesignDpi);
  device.SmoothScaledPictures(scale.WholeFactor() == 0);
  ui::ScaledCanvas canvas(device, scale, scaled_glyphs_, base);
  paint(canvas);
}

void TAutoRunForm::PaintInnerPanel(HDC dc, ui::Scale scale) {
  PaintInnerPanelPart(dc, scale, true, nullptr);
}

void TAutoRunForm::PaintInnerPanelPart(HDC dc, ui::Scale scale, bool face,
                                       const ui::Panel::ChildFilter& which) {
  const ui::Point at{Panel.Left + Panel1.Left, Panel.Top + Panel1.Top};
  PaintPanel(dc, Panel1, at, at, scale, face, which);
}

void TAutoRunForm::OnPaint(HDC dc, const RECT& client) {
  if (!back_buffer_.Resize({client.right, client.bottom})) return;
  ui::win32::FillSolid(back_buffer_.Dc(), client, ui::kColorButtonFace);
  PaintPanel(back_buffer_.Dc(), Panel, {Panel.Left, Panel.Top}, {0, 0}, DeviceScale());
  DrawFocusRect(back_buffer_.Dc());
  ::BitBlt(dc, 0, 0, client.right, client.bottom, back_buffer_.Dc(), 0, 0, SRCCOPY);
}

bool TAutoRunForm::SetCursorForPointer() {
  POINT p{};
  ::GetCursorPos(&p);
  ::ScreenToClient(Handle(), &p);
  const ui::Control* control = router_.ControlAt(DeviceScale().ToDesign(ui::Point{p.x, p.y}));
  ::SetCursor(ui::win32::CursorFor(control != nullptr ? control->Cursor : ui::Cursor::Default));
  return true;
}

void TAutoRunForm::OnMouse(const ui::win32::MouseEvent& event) {
  if (event.button != ui::win32::MouseEvent::Left && event.action != ui::win32::MouseEvent::Move) {
    return;  // only the left button clicks objects
  }
  bool changed = false;
  switch (event.action) {
    case ui::win32::MouseEvent::Move:
      if (!tracking_leave_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        tracking_leave_ = ::TrackMouseEvent(&track) != FALSE;
      }
      changed = router_.MouseMove(event.point);
      break;
    case ui::win32::MouseEvent::Down:
      changed = router_.ButtonDown(event.point);
      break;
    case ui::win32::MouseEvent::Up:
      // The click may close the window: repaint first.
      ::InvalidateRect(Handle(), nullptr, FALSE);
      router_.ButtonUp(event.point);
      return;
  }
  if (changed && Handle() != nullptr) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TAutoRunForm::OnScaleChanged() {
  scaled_glyphs_.Clear();
  RenderBackground();
}

void TAutoRunForm::OnCaptureLost() {
  if (router_.CaptureLost() && Handle() != nullptr) ::InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT TAutoRunForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (LRESULT answer = 0;
      player::win32::AnswerAccessibleMessage(*this, message, wparam, lparam, answer)) {
    return answer;
  }
  switch (message) {
    case WM_TIMER:
      if (wparam == kTimer1) {
        Timer1Timer();
        return 0;
      }
      break;
    case WM_KEYDOWN:
      if (OnKey(wparam)) return 0;
      break;
    case WM_UPDATEUISTATE:
      // The system's keyboard cues: Alt and the like show the focus, a mouse-only start hides it.
      if (HIWORD(wparam) & UISF_HIDEFOCUS) {
        const bool shown = LOWORD(wparam) == UIS_CLEAR;
        if (shown != keyboard_cues_) {
          keyboard_cues_ = shown;
          ::InvalidateRect(Handle(), nullptr, FALSE);
        }
      }
      break;
    case WM_MOUSELEAVE:
      tracking_leave_ = false;
      if (router_.MouseLeave()) ::InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT) return SetCursorForPointer();
      break;
    case WM_PRINTCLIENT: {
      RECT client{};
      ::GetClientRect(Handle(), &client);
      OnPaint(reinterpret_cast<HDC>(wparam), client);
      return 0;
    }
    default:
      break;
  }
  return FormWindow::HandleMessage(message, wparam, lparam);
}
