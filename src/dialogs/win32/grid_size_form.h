// "Grid Size": how far apart the lines of the canvas's grid lie, a setting of the designer
// rather than of the design. A property dialog of one number field: the table is all it adds.
#pragma once

#include <cstdint>

#include "dialogs/win32/property_dialog.h"

class TGridSizeForm {
 public:
  TGridSizeForm();
  PropertyDialog& Dialog() { return dialog_; }
  // Shows `size`; true when the author confirmed another one, which is then in `size`.
  bool Execute(int32_t& size);

 private:
  PropertyDialog dialog_;
};
