// A property dialog window with its child controls laid out from a table: labels, edits,
// drop-down lists, buttons, check boxes, clickable colour swatches and font samples, spin
// edits, a flat browse button and the decorative picture. Each row also names the field of the
// dialog's Fields that its control edits. The dialog keeps the two flags every dialog has (any
// change of a field sets Changed, OK sets Accepted) and runs modally on demand.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <type_traits>

#include "dialogs/cd_file_picker.h"
#include "dialogs/field_of.h"
#include "dialogs/modal_view.h"
#include "dialogs/number_field.h"
#include "dialogs/win32/dialog_form.h"
#include "ui/color.h"
#include "ui/font.h"
#include "ui/win32/common_dialogs.h"
#include "ui/win32/gdi.h"
#include "ui/win32/tool_bar.h"

struct ControlSpec {
  enum Kind : uint8_t {
    Label,      // static text
    Edit,       // single-line edit
    List,       // drop-down list, no free text
    FixedList,  // drop-down list that shows a value and is never chosen (always disabled)
    Button,     // push button
    OkButton,   // the default button (Enter)
    CancelButton,
    Check,       // check box
    Swatch,      // colour swatch: small lowered panel, clickable
    FontSample,  // lowered panel showing "Font" in the edited font, clickable
    Spin,        // integer edit with up-down arrows
    Browse,      // flat button with a folder glyph
    Group,       // group box
    Picture,     // the decorative picture
  } kind;
  int16_t id;
  int16_t x, y, width, height;
  // A "Select..." button: the swatch, font sample or path edit it picks for, and for a path edit
  // the open-file dialog's filter (none: all files, no type list).
  int16_t target;
  // The place of the field the row edits in its dialog's list of fields that several objects may
  // share (dialogs::kFieldList); -1 for none.
  int8_t field_index;
  const char* text;
  const char* filter;
  std::span<const char* const> items;  // a list's items; the index is the stored code
  const dialogs::NumberField* number;  // a spin edit's range and its name in messages

  // The bit of the row's field in a set of fields; 0 for none.
  dialogs::FieldMask FieldBit() const {
    return field_index < 0 ? 0 : dialogs::FieldMask{1} << field_index;
  }
};

// The rows that edit nothing have ids below those of the controls that do (101 on): the
// decorative picture this one, each dialog's labels theirs from 91 on, named in its file.
inline constexpr int16_t kDialogPicture = 90;

// The member of a dialog's Fields that a control edits, named in its row by a member pointer.
template <typename Fields>
using FieldOf = dialogs::FieldOf<Fields>;

// Never defined: a row that calls it does not compile, as the tables are constexpr.
void RowDoesNotFitItsControl();

// A row of a dialog's table: a control, and the field it edits or the control it picks for.
template <typename Fields>
struct FieldRow : ControlSpec {
  FieldOf<Fields> field;

  constexpr FieldRow(Kind kind, int16_t id, const char* text, int16_t x, int16_t y, int16_t width,
                     int16_t height, FieldOf<Fields> edits = {},
                     std::span<const char* const> list = {})
      : ControlSpec{kind, id, x, y, width, height, 0, Place(edits), text, nullptr, list, nullptr},
        field(edits) {
    RequireFit();
  }
  constexpr FieldRow(Kind kind, int16_t id, const char* text, int16_t x, int16_t y, int16_t width,
                     int16_t height, FieldOf<Fields> edits, const dialogs::NumberField& range)
      : ControlSpec{kind, id, x, y, width, height, 0, Place(edits), text, nullptr, {}, &range},
        field(edits) {
    RequireFit();
  }
  constexpr FieldRow(Kind kind, int16_t id, const char* text, int16_t x, int16_t y, int16_t width,
                     int16_t height, int16_t picks_for, const char* file_filter = nullptr)
      : ControlSpec{kind, id, x, y, width, height, picks_for, -1, text, file_filter, {}, nullptr} {}

 private:
  static constexpr int8_t Place(FieldOf<Fields> member) {
    return static_cast<int8_t>(dialogs::FieldIndex(member));
  }
  // Each kind of control edits one type of member (PropertyDialog::Fill relies on it); a list
  // has items, a spin edit a range.
  constexpr void RequireFit() const {
    using F = FieldOf<Fields>;
    const bool list = kind == List || kind == FixedList;
    const auto edits = kind == Edit           ? F::Text
                       : list || kind == Spin ? F::Number
                       : kind == Check        ? F::Flag
                       : kind == Swatch       ? F::Colour
                       : kind == FontSample   ? F::Typeface
                                              : F::None;
    if (field.type != edits || list == items.empty() || (kind == Spin) != (number != nullptr)) {
      RowDoesNotFitItsControl();
    }
    // A dialog of several objects compares every field its table edits.
    if (!dialogs::kFieldList<Fields>.empty() && field.type != F::None && field_index < 0) {
      RowDoesNotFitItsControl();
    }
  }
};

class PropertyDialog : public DialogForm, public dialogs::OpenFileDialog {
 public:
  template <typename Fields, size_t N>
  PropertyDialog(const DialogLayout& layout, const FieldRow<Fields> (&rows)[N], int picture_index)
      : PropertyDialog(layout, rows, N, &RowAt<Fields>, picture_index) {
    static_assert(N <= 64, "a control's marks are one bit of a 64-bit set");
  }
  bool Create(ui::Size screen);

  // dialogs::OpenFileDialog: the dialog's own open-file dialog, shared by its file buttons.
  std::optional<std::string> Choose(const dialogs::OpenFileRequest& request) override;

  void Bind(core::AppState& app) { app_ = &app; }

  // Fills every control from the member of `fields` its row names, runs the dialog modally and
  // reads every control back into its member: a field of a dialog is one row of its table. A
  // dialog that is nothing but its table needs no class of its own. Given `shared`, the dialog
  // shows several objects: the members in `shared->unknown` show no value, and only the controls
  // the author gave a value are read back, their members left in `shared->changed`.
  template <typename Fields>
  dialogs::DialogFlags RunBound(std::type_identity_t<std::span<const FieldRow<Fields>>> rows,
                                Fields& fields, dialogs::SharedFields* shared = nullptr) {
    return RunFields(rows.data(), rows.size(), &RowAt<Fields>, &FieldAt<Fields>, &fields, shared);
  }

 protected:
  // After every control was filled, before the run.
  virtual void OnFilled() {}
  // A click on a button, swatch, font sample or the browse button (not OK or Cancel): a swatch,
  // a font sample or a "Select..." button picks a colour, a font or a CD file for its target.
  virtual void OnClick(const ControlSpec& clicked);
  // A change of an edit, list or check box, after Changed was set.
  virtual void OnFieldChanged(int) {}

  HWND Item(int id) const { return ::GetDlgItem(Handle(), id); }
  std::string Text(int id) const;
  void SetText(int id, const std::string& text);
  int ListIndex(int id) const;
  void Enable(int id, bool on) { ::EnableWindow(Item(id), on ? TRUE : FALSE); }
  // Names the number field `id` that holds no number it takes, and selects its text for the
  // author to mend.
  void RefuseNumber(int id, const dialogs::NumberField& field);
  // The CD file picker on an edit; true when it put a new path into the edit.
  bool PickFile(int edit, const std::string& filter, dialogs::RefusalStyle style);
  // The control shows no value: the objects shown differ in it, and the author gave it none.
  bool Unknown(int id) const { return (unknown_rows_ & RowBit(id)) != 0; }
  // An edit the dialog's own controls do not show (a link edited from it) counts as a change.
  void MarkChanged() { flags_.Changed = true; }

  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnScaleChanged() override;

 private:
  using RowAtFunction = const ControlSpec* (*)(const void* rows, size_t index);
  using FieldAtFunction = void* (*)(const void* rows, size_t index, void* fields);
  template <typename Fields>
  static const ControlSpec* RowAt(const void* rows, size_t index) {
    return static_cast<const FieldRow<Fields>*>(rows) + index;
  }
  // The member of `fields` (a Fields) that the row at `index` edits; null for none.
  template <typename Fields>
  static void* FieldAt(const void* rows, size_t index, void* fields) {
    return static_cast<const FieldRow<Fields>*>(rows)[index].field.In(
        *static_cast<Fields*>(fields));
  }
  // RunBound on a table of FieldRow<Fields>, `fields` a Fields.
  dialogs::DialogFlags RunFields(const void* rows, size_t row_count, RowAtFunction row_at,
                                 FieldAtFunction field_at, void* fields,
                                 dialogs::SharedFields* shared);
  PropertyDialog(const DialogLayout& layout, const void* rows, size_t row_count,
                 RowAtFunction row_at, int picture_index);
  // The row of the table at `index`; null past the last one.
  const ControlSpec* Control(size_t index) const {
    return index < row_count_ ? row_at_(rows_, index) : nullptr;
  }
  // Shows a field's value in its control (or, when `unknown`, no value), and takes it back after
  // the run; `value` points to a member of the type the control's kind edits. ReadBack tells
  // whether it took a value: with several objects, only from a control the author gave one.
  void Fill(const ControlSpec& control, void* value, bool unknown);
  bool ReadBack(const ControlSpec& control, void* value);
  // A control's bit in the sets of marks, by its row; 0 for a control not in the table.
  uint64_t RowBit(int id) const;
  // The author gave the control a value: it is no longer unknown, and it is written back.
  void Touch(int id);
  // Runs the dialog modally on the values just filled into its controls: the flags start
  // cleared, as the filling itself set Changed.
  dialogs::DialogFlags RunModal();
  bool CreateControls();
  // A control's place in the dialog at its scale (device pixels); a list's with its drop-down.
  ui::Rect DeviceRect(const ControlSpec& control) const;
  // Lays the up-down arrows of a spin edit out at its right end.
  void FitSpinArrows(const ControlSpec& spin) const;
  // The table row of a control; null for the OK and Cancel buttons and the spin arrows.
  const ControlSpec* SpecOf(int id) const;
  void DrawItem(const DRAWITEMSTRUCT& item);
  void OnCommand(int id, int code);
  // Whether every number field holds a number it takes; else names the first that does not and
  // selects it for the author to mend.
  bool NumbersReadable();
  // A spin edit's number, if its text is one the field takes.
  std::optional<int32_t> SpinNumber(const ControlSpec& spin) const;
  ui::Color SwatchColor(int id) const;
  void SetSwatchColor(int id, ui::Color color);
  const ui::Font& SampleFont(int id) const;
  void SetSampleFont(int id, const ui::Font& font);
  // The colour and font dialogs, one of each per property dialog.
  void PickColor(int swatch);
  void PickFont(int sample);

  const void* rows_;  // the table, FieldRow<Fields>[row_count_]
  size_t row_count_;
  RowAtFunction row_at_;
  int picture_index_;
  core::AppState* app_ = nullptr;  // not owned; bound by the program
  dialogs::DialogFlags flags_;
  bool done_ = true;
  bool several_ = false;       // the dialog shows several objects
  uint64_t unknown_rows_ = 0;  // the controls showing no value, one bit per row
  uint64_t touched_rows_ = 0;  // the controls the author gave a value during the run
  // By control id; a dialog has a few of each.
  std::vector<std::pair<int, ui::Color>> swatches_;
  std::vector<std::pair<int, ui::Font>> samples_;
  ui::win32::GdiObject<HFONT> font_;  // the dialog's text font
  ui::win32::OwnedImageList images_;  // the tool bar's pictures
  ui::win32::ColorDialog color_dialog_;
  ui::win32::FontDialog font_dialog_;
  HWND tooltip_ = nullptr;  // destroyed with the dialog
};
