// Mirroring a Form onto a real window.
#include "ui/win32/form_window.h"

#include <windowsx.h>

#include "ui/win32/application.h"
#include "ui/win32/dpi.h"
#include "ui/win32/gdi.h"
#include "ui/win32/wide_text.h"

namespace ui::win32 {

DWORD StyleForForm(const Form& form) {
  DWORD style = WS_CLIPCHILDREN;
  switch (form.BorderStyle()) {
    case kBorderNone:
      style |= WS_POPUP;
      break;
    case kBorderSingle:
    case kBorderToolWindow:
      style |= WS_CAPTION | WS_BORDER;
      break;
    case kBorderDialog:
      style |= WS_CAPTION | DS_MODALFRAME;
      break;
    case kBorderSizeToolWin:
    case kBorderSizeable:
    default:
      style |= WS_CAPTION | WS_THICKFRAME;
      break;
  }
  const bool captioned = form.BorderStyle() != kBorderNone;
  if (captioned && (form.BorderIcons() & kIconSystemMenu)) {
    style |= WS_SYSMENU;
    const bool tool = form.BorderStyle() == kBorderToolWindow ||
                      form.BorderStyle() == kBorderSizeToolWin ||
                      form.BorderStyle() == kBorderDialog;
    if (!tool && (form.BorderIcons() & kIconMinimize)) style |= WS_MINIMIZEBOX;
    if (!tool && (form.BorderIcons() & kIconMaximize)) style |= WS_MAXIMIZEBOX;
  }
  return style;
}

DWORD ExStyleForForm(const Form& form) {
  DWORD ex_style = 0;
  switch (form.BorderStyle()) {
    case kBorderDialog:
      ex_style |= WS_EX_DLGMODALFRAME;
      break;
    case kBorderToolWindow:
    case kBorderSizeToolWin:
      ex_style |= WS_EX_TOOLWINDOW;
      break;
    default:
      break;
  }
  if ((form.BorderIcons() & kIconHelp) && !(form.BorderIcons() & (kIconMinimize | kIconMaximize))) {
    ex_style |= WS_EX_CONTEXTHELP;
  }
  if (form.TransparentColor()) ex_style |= WS_EX_LAYERED;
  return ex_style;
}

bool FormWindow::CreateForm(const wchar_t* class_name) {
  scale_ = SystemScale();
  const RECT bounds = DeviceBounds();
  if (!CreateWindowOfClass(class_name, ExStyleForForm(form_), StyleForForm(form_), form_.Caption(),
                           bounds, nullptr, nullptr)) {
    return false;
  }
  window_size_ = {bounds.right - bounds.left, bounds.bottom - bounds.top};
  form_.SetObserver(this);
  // A monitor of its own DPI under the window's place (Windows 10 knows them apart).
  if (const Scale shown = WindowScale(Handle()); shown != scale_) {
    scale_ = shown;
    FormBoundsChanged();
  }
  FormTransparencyChanged();
  return true;
}

Size FormWindow::FrameSize(int32_t dpi) const {
  const RECT frame = FrameAt(StyleForForm(form_), Handle() != nullptr && ::GetMenu(Handle()),
                             ExStyleForForm(form_), dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

RECT FormWindow::DeviceBounds() const {
  if (scale_.IsIdentity()) {
    return {form_.Left(), form_.Top(), form_.Left() + form_.Width(), form_.Top() + form_.Height()};
  }
  const Size design_frame = FrameSize(kDesignDpi);
  const Size frame = FrameSize(scale_.Dpi());
  const Point place = scale_.ToDevice(Point{form_.Left(), form_.Top()});
  const Size client = scale_.ToDevice(
      Size{form_.Width() - design_frame.width, form_.Height() - design_frame.height});
  return {place.x, place.y, place.x + client.width + frame.width,
          place.y + client.height + frame.height};
}

Rect FormWindow::DesignBounds(const RECT& device) const {
  if (scale_.IsIdentity()) return Rect{device.left, device.top, device.right, device.bottom};
  const Size design_frame = FrameSize(kDesignDpi);
  const Size frame = FrameSize(scale_.Dpi());
  const Point place = scale_.ToDesign(Point{device.left, device.top});
  const Size client = scale_.ToDesign(
      Size{device.right - device.left - frame.width, device.bottom - device.top - frame.height});
  return Rect::FromBounds(place.x, place.y, client.width + design_frame.width,
                          client.height + design_frame.height);
}

Size FormWindow::DesignClientSize() const {
  RECT client{};
  if (Handle() != nullptr) ::GetClientRect(Handle(), &client);
  return scale_.ToDesign(Size{client.right, client.bottom});
}

void FormWindow::SetClientSize(int width, int height) {
  const Size frame = FrameSize(kDesignDpi);
  form_.SetBounds(form_.Left(), form_.Top(), width + frame.width, height + frame.height);
}

void FormWindow::FormBoundsChanged() {
  if (Handle() == nullptr) return;
  const RECT r = DeviceBounds();
  ::SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::ScaleChanged(int32_t dpi, const RECT& suggested) {
  scale_ = Scale(dpi);
  ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  OnScaleChanged();
}

void FormWindow::FormFrameChanged() {
  if (Handle() == nullptr) return;
  const DWORD visible = ::GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE;
  ::SetWindowLongW(Handle(), GWL_STYLE, static_cast<LONG>(StyleForForm(form_) | visible));
  ::SetWindowLongW(Handle(), GWL_EXSTYLE, static_cast<LONG>(ExStyleForForm(form_)));
  const RECT r = DeviceBounds();
  ::SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if (visible) {
    const int show = form_.WindowState() == kStateMinimized   ? SW_SHOWMINNOACTIVE
                     : form_.WindowState() == kStateMaximized ? SW_SHOWMAXIMIZED
                                                              : SW_SHOWNOACTIVATE;
    ::ShowWindow(Handle(), show);
  }
}

void FormWindow::FormCaptionChanged() {
  if (Handle() != nullptr) ::SetWindowTextW(Handle(), WideOf(form_.Caption()).c_str());
}

void FormWindow::FormTransparencyChanged() {
  if (Handle() == nullptr) return;
  ::SetWindowLongW(Handle(), GWL_EXSTYLE, static_cast<LONG>(ExStyleForForm(form_)));
  if (form_.TransparentColor()) {
    ::SetLayeredWindowAttributes(Handle(), ToColorRef(form_.TransparentColorValue()), 0,
                                 LWA_COLORKEY);
  }
  ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void FormWindow::OnPaint(HDC dc, const RECT& client) {
  FillSolid(dc, client, kColorButtonFace);
}

LRESULT FormWindow::MouseMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  MouseEvent event{MouseEvent::Move, MouseEvent::None, (wparam & MK_CONTROL) != 0,
                   scale_.ToDesign(Point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)})};
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      event = {MouseEvent::Down, MouseEvent::Left, event.ctrl, event.point};
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      event = {MouseEvent::Down, MouseEvent::Right, event.ctrl, event.point};
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      event = {MouseEvent::Down, MouseEvent::Middle, event.ctrl, event.point};
      break;
    case WM_LBUTTONUP:
      event = {MouseEvent::Up, MouseEvent::Left, event.ctrl, event.point};
      break;
    case WM_RBUTTONUP:
      event = {MouseEvent::Up, MouseEvent::Right, event.ctrl, event.point};
      break;
    case WM_MBUTTONUP:
      event = {MouseEvent::Up, MouseEvent::Middle, event.ctrl, event.point};
      break;
    default:
      break;
  }
  if (event.action == MouseEvent::Down) {
    ::SetCapture(Handle());
  } else if (event.action == MouseEvent::Up &&
             (wparam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && ::GetCapture() == Handle()) {
    // Our own release is no lost capture.
    releasing_capture_ = true;
    ::ReleaseCapture();
    releasing_capture_ = false;
  }
  OnMouse(event);
  return 0;
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
      return MouseMessage(message, wparam, lparam);
    case WM_CAPTURECHANGED:
      if (!releasing_capture_) OnCaptureLost();
      return 0;
    case WM_GETMINMAXINFO: {
      // The program sets sizes down to zero itself; the frame's minimum applies only to the
      // user's dragging, which DefWindowProc still limits through the sizing frame.
      auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
      info->ptMinTrackSize = {0, 0};
      return 0;
    }
    case WM_WINDOWPOSCHANGED: {
      RECT r{};
      ::GetWindowRect(Handle(), &r);
      // A minimised or maximised window keeps the bounds it had as a normal window.
      if (!::IsIconic(Handle()) && !::IsZoomed(Handle())) {
        form_.NoteBoundsFromWindow(DesignBounds(r));
      }
      const Size now{r.right - r.left, r.bottom - r.top};
      if (now != window_size_) {
        window_size_ = now;
        OnResized();
      }
      return DefaultHandling(message, wparam, lparam);
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_DPICHANGED:
      ScaleChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_PRINTCLIENT: {
      // Themed controls (group boxes, flat tool bars) ask their parent for what lies beneath.
      RECT client{};
      ::GetClientRect(Handle(), &client);
      OnPaint(reinterpret_cast<HDC>(wparam), client);
      return 0;
    }
    case WM_PAINT: {
      PaintScope paint(Handle());
      RECT client{};
      ::GetClientRect(Handle(), &client);
      OnPaint(paint.Dc(), client);
      return 0;
    }
    case WM_DESTROY:
      if (Handle() == Application::MainWindow()) ::PostQuitMessage(0);
      return 0;
    default:
      return DefaultHandling(message, wparam, lparam);
  }
}

}  // namespace ui::win32
