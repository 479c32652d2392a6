// A top-level window that mirrors a portable Form: frame, caption, bounds, window state and
// colour key follow the Form's properties, and sizes or positions the user makes are written
// back into it. Subclasses paint their client area and hear about resizes.
#pragma once

#include "ui/form.h"
#include "ui/win32/window.h"

namespace ui::win32 {

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

  // Form::Observer
  void FormBoundsChanged() override;
  void FormFrameChanged() override;
  void FormCaptionChanged() override;
  void FormTransparencyChanged() override;

 private:
  Form& form_;        // not owned: the portable side of this window
  Size window_size_;  // outer size of the real window as last seen
};

// The Win32 styles of a Form's frame.
DWORD StyleForForm(const Form& form);
DWORD ExStyleForForm(const Form& form);

}  // namespace ui::win32
