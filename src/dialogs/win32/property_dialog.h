// A property dialog window with its child controls laid out from a table: labels, edits,
// drop-down lists, buttons, check boxes, clickable colour swatches and font samples, spin
// edits, a flat browse button and the decorative picture. It keeps the two flags every dialog
// has (any change of a field sets Changed, OK sets Accepted) and runs modally on demand.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>

#include "dialogs/cd_file_picker.h"
#include "dialogs/modal_view.h"
#include "dialogs/win32/dialog_form.h"
#include "ui/color.h"
#include "ui/font.h"
#include "ui/win32/common_dialogs.h"
#include "ui/win32/gdi.h"
#include "ui/win32/tool_bar.h"

struct ControlSpec {
  enum Kind : uint8_t {
    Label,     // static text
    Edit,      // single-line edit
    List,      // drop-down list, no free text
    Button,    // push button
    OkButton,  // the default button (Enter)
    CancelButton,
    Check,       // check box
    Swatch,      // colour swatch: small lowered panel, clickable
    FontSample,  // lowered panel showing "Font" in the edited font, clickable
    Spin,        // integer edit with up-down arrows
    Browse,      // flat button with a folder glyph
    Group,       // group box
    Picture,     // the decorative picture
  } kind;
  int id;
  const char* text;
  int x, y, width, height;
};

class PropertyDialog : public DialogForm, public dialogs::OpenFileDialog {
 public:
  PropertyDialog(const DialogLayout& layout, std::span<const ControlSpec> controls,
                 int picture_index);
  bool Create(ui::Size screen);

  // dialogs::OpenFileDialog: the dialog's own open-file dialog, shared by its file buttons.
  std::optional<std::string> Choose(const dialogs::OpenFileRequest& request) override;

 protected:
  // Runs the dialog modally on the values the subclass has just put into its controls: the
  // flags start cleared, as the filling itself set Changed.
  dialogs::DialogFlags RunModal();
  // A click on a button, swatch, font sample or the browse button (not OK or Cancel).
  virtual void OnClick(int id) = 0;
  // A change of an edit, list or check box, after Changed was set.
  virtual void OnFieldChanged(int) {}

  HWND Item(int id) const { return ::GetDlgItem(Handle(), id); }
  std::string Text(int id) const;
  void SetText(int id, const std::string& text);
  void FillList(int id, std::span<const char* const> items);
  int ListIndex(int id) const;
  void SetListIndex(int id, int index);
  bool Checked(int id) const;
  void SetChecked(int id, bool on);
  int32_t SpinValue(int id) const { return dialogs::SpinEditValue(Text(id)); }
  void SetSpinValue(int id, int32_t value) { SetText(id, std::to_string(value)); }
  ui::Color SwatchColor(int id) const;
  void SetSwatchColor(int id, ui::Color color);
  const ui::Font& SampleFont(int id) const;
  void SetSampleFont(int id, const ui::Font& font);
  void Enable(int id, bool on) { ::EnableWindow(Item(id), on ? TRUE : FALSE); }
  void MarkChanged() { flags_.Changed = true; }

  // The colour and font dialogs, one of each per property dialog.
  void PickColor(int swatch);
  void PickFont(int sample);
  // The CD file picker on an edit; true when it put a new path into the edit.
  bool PickFile(int edit, const std::string& filter, dialogs::RefusalStyle style);

  core::AppState* app_ = nullptr;  // not owned; bound by the program

 public:
  void Bind(core::AppState& app) { app_ = &app; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  bool CreateControls();
  // The table row of a control; null for the OK and Cancel buttons and the spin arrows.
  const ControlSpec* SpecOf(int id) const;
  void DrawItem(const DRAWITEMSTRUCT& item);
  void OnCommand(int id, int code);

  std::span<const ControlSpec> controls_;
  int picture_index_;
  dialogs::DialogFlags flags_;
  bool done_ = true;
  std::map<int, ui::Color> swatches_;
  std::map<int, ui::Font> samples_;
  ui::win32::GdiObject<HFONT> font_;  // the dialog's text font
  ui::win32::OwnedImageList images_;  // the tool bar's pictures
  ui::win32::ColorDialog color_dialog_;
  ui::win32::FontDialog font_dialog_;
  HWND tooltip_ = nullptr;  // destroyed with the dialog
};
