// A top-level window that mirrors a portable Form: frame, caption, bounds, window state and
// colour key follow the Form's properties, and sizes or positions the user makes are written
// back into it. Subclasses paint their client area and hear about resizes.
//
// The Form speaks design units. On a screen above 96 DPI the window's client area is the Form's
// client area scaled (DPI / 96), inside the frame Windows draws at that DPI, and mouse points
// reach the subclass in design units; painting is the subclass's, at DeviceScale().
#pragma once

#include "ui/form.h"
#include "ui/scale.h"
#include "ui/win32/window.h"

namespace ui::win32 {

// One mouse message as the portable layers want it: what happened, which button, whether Ctrl
// was held, and where (client coordinates).
struct MouseEvent {
  enum Action : uint8_t { Down, Move, Up } action;
  enum Button : uint8_t { None, Left, Right, Middle } button;
  bool ctrl;
  Point point;
};

class FormWindow : public Window, public Form::Observer {
 public:
  // `form` usually is a member of the subclass: it is only stored here, not used, until Create.
  explicit FormWindow(Form& form) : form_(form) {}

  Form& Properties() { return form_; }
  const Form& Properties() const { return form_; }

  // Gives the window an outer size that yields the given client size with its current frame.
  void SetClientSize(int width, int height);

  // The scale of the screen the window is on.
  const Scale& DeviceScale() const { return scale_; }
  // The client area in design units.
  Size DesignClientSize() const;

 protected:
  // Creates the window, hidden, from the Form's current properties.
  bool CreateForm(const wchar_t* class_name);

  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  virtual void OnResized() {}
  virtual void OnPaint(HDC dc, const RECT& client);
  // Mouse input. A press captures the mouse until its button is released, so a drag that
  // leaves the window still ends here; losing the capture to anything else (another window, a
  // menu, a message box) is reported instead of a release that will never come.
  virtual void OnMouse(const MouseEvent&) {}
  virtual void OnCaptureLost() {}
  // The window moved to a screen of another DPI and has taken the size Windows suggested.
  virtual void OnScaleChanged() {}

  // Form::Observer
  void FormBoundsChanged() override;
  void FormFrameChanged() override;
  void FormCaptionChanged() override;
  void FormTransparencyChanged() override;

 private:
  Form& form_;  // not owned: the portable side of this window
  LRESULT MouseMessage(UINT message, WPARAM wparam, LPARAM lparam);
  // The frame's size around the client area at `dpi` (width and height it adds).
  Size FrameSize(int32_t dpi) const;
  // The window's rectangle on the screen for the Form's bounds, and the Form's bounds for one.
  RECT DeviceBounds() const;
  Rect DesignBounds(const RECT& device) const;
  void ScaleChanged(int32_t dpi, const RECT& suggested);

  Scale scale_;

  Size window_size_;  // outer size of the real window as last seen
  bool releasing_capture_ = false;
};

// The Win32 styles of a Form's frame.
DWORD StyleForForm(const Form& form);
DWORD ExStyleForForm(const Form& form);

}  // namespace ui::win32
