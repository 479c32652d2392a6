// A top-level window that mirrors a portable Form: frame, caption, bounds, window state and
// colour key follow the Form's properties, and sizes or positions the user makes are written
// back into it. Subclasses paint their client area and hear about resizes.
#pragma once

#include "ui/form.h"
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

 protected:
  // Creates the window, hidden, from the Form's current properties.
  bool CreateForm(const char* class_name);

  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  virtual void OnResized() {}
  virtual void OnPaint(HDC dc, const RECT& client);
  // Mouse input. A press captures the mouse until its button is released, so a drag that
  // leaves the window still ends here; losing the capture to anything else (another window, a
  // menu, a message box) is reported instead of a release that will never come.
  virtual void OnMouse(const MouseEvent&) {}
  virtual void OnCaptureLost() {}

  // Form::Observer
  void FormBoundsChanged() override;
  void FormFrameChanged() override;
  void FormCaptionChanged() override;
  void FormTransparencyChanged() override;

 private:
  Form& form_;  // not owned: the portable side of this window
  LRESULT MouseMessage(UINT message, WPARAM wparam, LPARAM lparam);

  Size window_size_;  // outer size of the real window as last seen
  bool releasing_capture_ = false;
};

// The Win32 styles of a Form's frame.
DWORD StyleForForm(const Form& form);
DWORD ExStyleForForm(const Form& form);

}  // namespace ui::win32
