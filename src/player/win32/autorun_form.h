// TAutoRunForm, the presentation window: the menu window the player shows, and in design mode
// the hidden live form of the design. Its stored properties live in portable objects (the Form,
// the outer panel `Panel`, the inner panel `Panel1` with the object controls) that the project
// file and the dialogs write; this class shows them, routes the mouse to them, makes the
// background, carries out links and runs the start-up tick.
#pragma once

#include <windows.h>

#include <functional>

#include "core/app_state.h"
#include "core/presentation.h"
#include "player/link_runner.h"
#include "player/win32/accessible_client.h"
#include "ui/form.h"
#include "ui/image_control.h"
#include "ui/mouse_router.h"
#include "ui/panel.h"
#include "ui/scaled_canvas.h"
#include "ui/win32/dib_surface.h"
#include "ui/win32/form_window.h"
#include "ui/win32/gdi.h"
#include "ui/win32/mci_player.h"

class TAutoRunForm : public ui::win32::FormWindow,
                     public core::Presentation,
                     public player::LinkServices,
                     public player::win32::AccessibleHost {
 public:
  TAutoRunForm();

  // Binds the window to the process-wide state; must precede Create.
  void Bind(core::AppState& app) { app_ = &app; }
  bool Create();

  ui::Form& WindowProperties() { return form_; }
  HICON WindowIcon() const { return icon_; }
  // Paints the inner panel, as the player shows it at `scale`, into `dc` at (0, 0).
  void PaintInnerPanel(HDC dc, ui::Scale scale);
  // A part of that picture, pixel for pixel as the whole paints it where `dc` lets it draw: the
  // panel's colour only with `face`, and only the children `which` accepts.
  void PaintInnerPanelPart(HDC dc, ui::Scale scale, bool face, const ui::Panel::ChildFilter& which);

  ui::Panel Panel;          // outer panel: bevels and border band, never recoloured
  ui::Panel Panel1;         // inner panel: background picture and every object control
  ui::ImageControl Image1;  // the background picture, stretched over Panel1
  // In design mode the first tick only tells the designer that its start is over.
  std::function<void()> DesignStartTick;

  // core::Presentation
  void AttachObjects() override;
  void RenderBackground() override;
  void LoadWindowIcon(const std::string& path) override;
  void UseApplicationIcon() override;
  const ui::PixelBitmap& DefaultGlyph() const override { return default_glyph_; }

  // player::LinkServices
  intptr_t ShellExecute(const player::ShellRequest& request) override;
  bool PlayMedia(const std::string& path) override;
  void ClosePresentation() override;

  // player::win32::AccessibleHost
  HWND AccessibleWindow() const override { return Handle(); }
  std::vector<player::AccessibleObject> AccessibleItems() const override;
  RECT ScreenRectOf(const ui::Rect& design_bounds) const override;
  int32_t FocusedObject() const override;
  int32_t HotObject() const override;
  void FocusObject(int32_t index) override;
  void RunObjectLink(int32_t index) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnResized() override { FormResize(); }
  void OnPaint(HDC dc, const RECT& client) override;
  void OnMouse(const ui::win32::MouseEvent& event) override;
  void OnCaptureLost() override;
  void OnScaleChanged() override;

 private:
  void FormCreate();
  void FormResize();
  void Timer1Timer();
  void ObjectClick(ui::Control& control);
  void ObjectMouseMove(ui::Control& control);
  void Image1MouseMove();
  void HotChanged(bool changed);
  // Tab, Shift+Tab, the arrows, Enter and Space; false for other keys.
  bool OnKey(WPARAM key);
  // The object with the keyboard focus, if it still is one that takes it.
  core::AutoObjectType* FocusTarget() const;
  // Moves the keyboard focus (and the hot look) to object `index`, and tells screen readers.
  void MoveFocus(int32_t index);
  void DrawFocusRect(HDC dc);
  // Places Panel, Panel1 and Image1 inside the current client area.
  void LayoutPanels();
  // Shows `icon`; `owned` (null for the program's own icon) then holds it, and the icon shown
  // before is freed once the window no longer uses it.
  void SetIcon(HICON icon, ui::win32::OwnedIcon owned);
  bool SetCursorForPointer();
  // Paints `panel`, whose top-left corner lies at design point `at` of the client area, onto
  // `dc`, where design point `base` of the client area lies at (0, 0), at `scale`; with `which`,
  // only the part PaintPart draws.
  void PaintPanel(HDC dc, ui::Panel& panel, ui::Point at, ui::Point base, ui::Scale scale,
                  bool face = true, const ui::Panel::ChildFilter& which = nullptr);

  ui::Form form_;
  core::AppState* app_ = nullptr;  // not owned
  bool Constructing = false;
  ui::PixelBitmap default_glyph_;
  HICON icon_ = nullptr;            // what the window shows: icon_file_'s, or the program's own
  ui::win32::OwnedIcon icon_file_;  // an icon loaded from the CD folder
  ui::MouseRouter router_{Panel};
  bool tracking_leave_ = false;
  // The keyboard's object (an index into the objects; -1 none): it follows the mouse onto linked
  // objects, so that both share one hot object. Its rectangle shows once the keyboard is used.
  int32_t focus_ = -1;
  bool keyboard_cues_ = false;
  ui::win32::DibSurface back_buffer_;
  ui::ScaledBitmaps scaled_glyphs_;
  ui::win32::MciPlayer MediaPlayer1;
};
