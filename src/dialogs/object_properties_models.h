// The three object dialogs: "Label Properties", "Button Properties" and "Image Properties". Each
// edits one object, or several of its kind at once, and its control in place, and returns true
// when it wrote values back.
#pragma once

#include <array>
#include <span>
#include <string>

#include "core/project_model.h"
#include "dialogs/field_of.h"
#include "dialogs/link_model.h"
#include "dialogs/number_field.h"
#include "ui/color.h"
#include "ui/font.h"

namespace dialogs {

extern const std::array<const char*, 3> kAlignmentItems;
extern const std::array<const char*, 3> kLabelLayoutItems;
extern const std::array<const char*, 4> kButtonLayoutItems;
extern const std::array<const char*, 4> kDisplayStyleItems;

// Pixels between the button's edge and its glyph, and between glyph and caption; -1 centres.
inline constexpr NumberField kMarginField{"Margin", -1000, 1000};
inline constexpr NumberField kSpacingField{"Spacing", -1000, 1000};

struct LabelFields {
  std::string Caption;
  int Alignment = 0;
  int Layout = 0;
  ui::Color Color = 0;  // background
  ui::Font Font;
  ui::Font HotFont;
  bool Transparent = false;
};

struct ButtonFields {
  std::string Caption;
  int Layout = 0;  // of the glyph beside the caption
  ui::Font Font;
  ui::Font HotFont;
  std::string GlyphFile;
  std::string HotGlyphFile;
  int Margin = 0;
  int Spacing = 0;
  bool Flat = false;
  bool Transparent = false;
};

struct ImageFields {
  int DisplayStyle = 0;  // 0 Normal, 1 Center, 2 Stretch, 3 Auto Size
  std::string ImageFile;
  std::string HotImageFile;
  bool Transparent = false;
};

// The members that several objects may share, in the order of their bits.
inline constexpr FieldOf<LabelFields> kLabelFieldList[] = {
    &LabelFields::Caption, &LabelFields::Alignment, &LabelFields::Layout,     &LabelFields::Color,
    &LabelFields::Font,    &LabelFields::HotFont,   &LabelFields::Transparent};
inline constexpr FieldOf<ButtonFields> kButtonFieldList[] = {
    &ButtonFields::Caption,    &ButtonFields::Layout,    &ButtonFields::Font,
    &ButtonFields::HotFont,    &ButtonFields::GlyphFile, &ButtonFields::HotGlyphFile,
    &ButtonFields::Margin,     &ButtonFields::Spacing,   &ButtonFields::Flat,
    &ButtonFields::Transparent};
inline constexpr FieldOf<ImageFields> kImageFieldList[] = {
    &ImageFields::DisplayStyle, &ImageFields::ImageFile, &ImageFields::HotImageFile,
    &ImageFields::Transparent};
template <>
inline constexpr std::span<const FieldOf<LabelFields>> kFieldList<LabelFields> = kLabelFieldList;
template <>
inline constexpr std::span<const FieldOf<ButtonFields>> kFieldList<ButtonFields> = kButtonFieldList;
template <>
inline constexpr std::span<const FieldOf<ImageFields>> kFieldList<ImageFields> = kImageFieldList;

// One object, every field written back; or several of the dialog's kind at once: the dialog
// shows the values they share, and writes only the members the author changed, to every one of
// them. Each refuses (returns false, shows nothing) no object or one of another kind. Given a
// link editor, the dialog's "Link..." edits the objects' links, which they take with its OK.
bool ExecuteLabelProperties(ModalView<LabelFields>& view,
                            std::span<core::AutoObjectType* const> objects,
                            ModalView<LinkFields>* link_editor = nullptr);
bool ExecuteButtonProperties(ModalView<ButtonFields>& view,
                             std::span<core::AutoObjectType* const> objects,
                             ModalView<LinkFields>* link_editor = nullptr);
bool ExecuteImageProperties(ModalView<ImageFields>& view,
                            std::span<core::AutoObjectType* const> objects,
                            ModalView<LinkFields>* link_editor = nullptr);
inline bool ExecuteLabelProperties(ModalView<LabelFields>& view, core::AutoObjectType* object) {
  return ExecuteLabelProperties(view, {&object, 1});
}
inline bool ExecuteButtonProperties(ModalView<ButtonFields>& view, core::AutoObjectType* object) {
  return ExecuteButtonProperties(view, {&object, 1});
}
inline bool ExecuteImageProperties(ModalView<ImageFields>& view, core::AutoObjectType* object) {
  return ExecuteImageProperties(view, {&object, 1});
}

}  // namespace dialogs
