// TGradientForm: the never-shown off-screen surface on which the background gradient is made.
#pragma once

#include "ui/form.h"
#include "ui/win32/form_window.h"

class TGradientForm : public ui::win32::FormWindow {
 public:
  TGradientForm() : FormWindow(form_) {}
  // Creates the hidden surface two pixels wider and taller than the inner panel.
  bool Create(int panel_width, int panel_height);

 private:
  ui::Form form_;
};
