// The design canvas window.
#include "designer/win32/edit_form.h"

#include "ui/win32/gdi_canvas.h"

namespace {

// Objects are kept at least this many pixels inside the design area's right and bottom edges.
constexpr int32_t kClampMargin = 5;
constexpr char kDesignSuffix[] = " [Design]";

}  // namespace

TEditForm::TEditForm(core::AppState& app, TAutoRunForm& autorun_form, const bool& closing_allowed)
    : FormWindow(form_), app_(app), autorun_form_(autorun_form), closing_allowed_(closing_allowed) {
  form_.SetBorderIcons(ui::kIconSystemMenu);
  form_.SetBorderStyle(ui::kBorderSizeable);
  form_.SetBounds(0, 0, 544, 375);
  Panel1.BevelOuter = ui::kBevelNone;
}

bool TEditForm::Create() {
  form_.CenterOn(app_.platform.ScreenSize());
  return CreateForm("TEditForm");
}

void TEditForm::CopyFrameFromPresentation() {
  const ui::Form& source = autorun_form_.WindowProperties();
  Syncing = true;
  form_.SetBorderStyle(source.BorderStyle());
  form_.SetTransparentColorValue(source.TransparentColorValue());
  form_.SetTransparentColor(source.TransparentColor());
  form_.SetBounds(source.Left(), source.Top(), source.Width(), source.Height());
  const ui::Panel& panel = autorun_form_.Panel;
  Panel1.BevelInner = panel.BevelInner;
  Panel1.BevelOuter = panel.BevelOuter;
  Panel1.BevelWidth = panel.BevelWidth;
  Panel1.BorderWidth = panel.BorderWidth;
  Panel1.BorderStyle = panel.BorderStyle;
  Syncing = false;
}

void TEditForm::FormResize() {
  if (Syncing) return;
  autorun_form_.WindowProperties().SetBounds(form_.Left(), form_.Top(), form_.Width(),
                                             form_.Height());
  RefreshCanvas();
}

void TEditForm::RefreshCanvas() {
  const int32_t w = autorun_form_.Panel1.Width;
  const int32_t h = autorun_form_.Panel1.Height;
  for (auto& object : app_.Project.Objects) {
    ui::Control& c = *object->Control;
    if (c.Left < 0) c.Left = 0;
    if (c.Top < 0) c.Top = 0;
    if (c.Left > w - kClampMargin) c.Left = w - kClampMargin;
    if (c.Top > h - kClampMargin) c.Top = h - kClampMargin;
  }
  form_.SetCaption(autorun_form_.WindowProperties().Caption() + kDesignSuffix);
  if (Handle() != nullptr) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TEditForm::OnPaint(HDC dc, const RECT& client) {
  if (!back_buffer_.Resize({client.right, client.bottom})) return;
  Panel1.SetBounds(0, 0, client.right, client.bottom);
  const ui::Rect inner = Panel1.ContentRect();
  {
    ui::win32::GdiCanvas canvas(back_buffer_.Dc());
    Panel1.Paint(canvas);
  }
  // The design area is a snapshot of the hidden presentation window's inner panel: exactly
  // what the player will show.
  const int saved = ::SaveDC(back_buffer_.Dc());
  ::SetViewportOrgEx(back_buffer_.Dc(), inner.left, inner.top, nullptr);
  ::IntersectClipRect(back_buffer_.Dc(), 0, 0, inner.Width(), inner.Height());
  autorun_form_.PaintInnerPanel(back_buffer_.Dc());
  ::RestoreDC(back_buffer_.Dc(), saved);
  ::BitBlt(dc, 0, 0, client.right, client.bottom, back_buffer_.Dc(), 0, 0, SRCCOPY);
}

LRESULT TEditForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CLOSE) {
    // The canvas goes away with the main window, never on its own.
    if (closing_allowed_) ::DestroyWindow(Handle());
    return 0;
  }
  return FormWindow::HandleMessage(message, wparam, lparam);
}
