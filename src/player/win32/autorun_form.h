// TAutoRunForm, the presentation window: the menu window the player shows, and in design mode
// the hidden live form of the design. Its stored properties live in portable objects (the Form,
// the outer panel `Panel`, the inner panel `Panel1`) that the project file and the dialogs
// write; this class mirrors them on screen and runs the start-up tick.
#pragma once

#include <windows.h>

#include "core/app_state.h"
#include "core/presentation.h"
#include "ui/form.h"
#include "ui/image_control.h"
#include "ui/panel.h"
#include "ui/win32/form_window.h"
#include "ui/win32/gdi.h"

class TAutoRunForm : public ui::win32::FormWindow, public core::Presentation {
 public:
  TAutoRunForm();
  ~TAutoRunForm() override;

  // Binds the window to the process-wide state; must precede Create.
  void Bind(core::AppState& app) { app_ = &app; }
  bool Create();

  ui::Form& WindowProperties() { return form_; }
  ui::Panel Panel;   // outer panel: bevels and border band, never recoloured
  ui::Panel Panel1;  // inner panel: background picture and every object control
  ui::ImageControl Image1;  // the background picture, stretched over Panel1
  ui::ImageControl Image2;  // hidden: holds the default glyph

  // core::Presentation
  void AttachObjects() override;
  void RenderBackground() override;
  void LoadWindowIcon(const std::string& path) override;
  void UseApplicationIcon() override;
  const ui::PixelBitmap& DefaultGlyph() const override { return default_glyph_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnResized() override { FormResize(); }
  void OnPaint(HDC dc, const RECT& client) override;

 private:
  void FormCreate();
  void FormResize();
  void Timer1Timer();
  // Places Panel, Panel1 and Image1 inside the current client area.
  void LayoutPanels();
  void SetIcon(HICON icon, bool owned);

  ui::Form form_;
  core::AppState* app_ = nullptr;  // not owned
  bool Constructing = false;
  ui::PixelBitmap default_glyph_;
  HICON icon_ = nullptr;
  bool icon_owned_ = false;
};
