// The three object dialogs: "Label Properties", "Button Properties" and "Image Properties". Each
// edits one object and its control in place and returns true when it wrote values back.
#pragma once

#include <array>
#include <string>

#include "core/project_model.h"
#include "dialogs/modal_view.h"
#include "ui/color.h"
#include "ui/font.h"

namespace dialogs {

extern const std::array<const char*, 3> kAlignmentItems;
extern const std::array<const char*, 3> kLabelLayoutItems;
extern const std::array<const char*, 4> kButtonLayoutItems;
extern const std::array<const char*, 4> kDisplayStyleItems;

struct LabelFields {
  std::string Edit1;       // caption
  int ComboBox1 = 0;       // alignment
  int ComboBox2 = 0;       // layout
  ui::Color Panel1 = 0;    // background colour
  ui::Font Panel2;         // font
  ui::Font Panel3;         // hot-track font
  bool CheckBox1 = false;  // transparent
};

struct ButtonFields {
  std::string Edit1;       // caption
  int ComboBox1 = 0;       // glyph layout
  ui::Font Panel2;         // font
  ui::Font Panel1;         // hot-track font
  std::string Edit2;       // glyph file
  std::string Edit3;       // hot glyph file
  int32_t SpinEdit1 = 0;   // margin
  int32_t SpinEdit2 = 0;   // spacing
  bool CheckBox1 = false;  // flat
  bool CheckBox2 = false;  // transparent
};

struct ImageFields {
  int ComboBox1 = 0;       // display style: 0 Normal, 1 Center, 2 Stretch, 3 Auto Size
  std::string Edit1;       // image file
  std::string Edit2;       // hot image file
  bool CheckBox1 = false;  // transparent
};

// Each refuses (returns false) an object of another kind or no object.
bool ExecuteLabelProperties(ModalView<LabelFields>& view, core::AutoObjectType* object);
bool ExecuteButtonProperties(ModalView<ButtonFields>& view, core::AutoObjectType* object);
bool ExecuteImageProperties(ModalView<ImageFields>& view, core::AutoObjectType* object);

}  // namespace dialogs
