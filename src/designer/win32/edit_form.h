// TEditForm, the design canvas: a window that keeps the frame of the hidden presentation window
// and shows its inner panel, with the author's selection marks over it.
#pragma once

#include "player/win32/autorun_form.h"
#include "ui/form.h"
#include "ui/panel.h"
#include "ui/win32/dib_surface.h"
#include "ui/win32/form_window.h"

class TEditForm : public ui::win32::FormWindow {
 public:
  TEditForm(core::AppState& app, TAutoRunForm& autorun_form, const bool& closing_allowed);
  bool Create();

  // Brings the canvas up to date with the design: position clamp, caption, picture.
  void RefreshCanvas();
  // Copies the canvas rectangle to the presentation window and redraws (also called by the
  // main window after it copied the frame).
  void FormResize();
  // Copies the frame properties and the rectangle of the presentation window to the canvas.
  void CopyFrameFromPresentation();

  ui::Panel Panel1;  // mirrors the presentation window's outer panel settings

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnResized() override { FormResize(); }
  void OnPaint(HDC dc, const RECT& client) override;

 private:
  ui::Form form_;
  core::AppState& app_;
  TAutoRunForm& autorun_form_;
  const bool& closing_allowed_;  // MainForm's ClosingAllowed
  bool Syncing = false;
  ui::win32::DibSurface back_buffer_;
};
