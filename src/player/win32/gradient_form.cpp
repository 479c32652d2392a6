// The off-screen gradient surface.
#include "player/win32/gradient_form.h"

bool TGradientForm::Create(int panel_width, int panel_height) {
  form_.SetBorderStyle(ui::kBorderNone);
  form_.SetCaption("GradientForm");
  form_.SetBounds(0, 0, panel_width + 2, panel_height + 2);
  return CreateForm("TGradientForm");
}
