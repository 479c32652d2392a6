// The property dialog base: child controls from the table, the fill and read-back of the fields
// they edit, change tracking, the pickers, the owner-drawn swatches, font samples, browse button
// and picture, and the modal run with its check of the number fields on OK.
#include "dialogs/win32/property_dialog.h"

#include <commctrl.h>

#include "core/text.h"
#include "ui/win32/application.h"
#include "ui/win32/dialog_font.h"
#include "ui/win32/gdi_canvas.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"

using ui::win32::Utf8Of;
using ui::win32::WideOf;

namespace {

constexpr int kSpinArrowsIdOffset = 1000;

struct WindowStyle {
  const wchar_t* class_name;
  DWORD style;
  DWORD ex_style;
};

WindowStyle StyleOf(ControlSpec::Kind kind) {
  constexpr DWORD tab = WS_TABSTOP;
  switch (kind) {
    case ControlSpec::Label:
      return {L"STATIC", SS_LEFT, 0};
    case ControlSpec::Edit:
    case ControlSpec::Spin:
      return {L"EDIT", ES_AUTOHSCROLL | tab, WS_EX_CLIENTEDGE};
    case ControlSpec::List:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | tab, 0};
    case ControlSpec::FixedList:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_DISABLED, 0};
    case ControlSpec::Button:
    case ControlSpec::CancelButton:
      return {L"BUTTON", BS_PUSHBUTTON | tab, 0};
    case ControlSpec::OkButton:
      return {L"BUTTON", BS_DEFPUSHBUTTON | tab, 0};
    case ControlSpec::Check:
      return {L"BUTTON", BS_AUTOCHECKBOX | tab, 0};
    case ControlSpec::Swatch:
    case ControlSpec::FontSample:
      return {L"STATIC", SS_OWNERDRAW | SS_NOTIFY, WS_EX_STATICEDGE};
    case ControlSpec::Browse:
      return {L"BUTTON", BS_OWNERDRAW, 0};
    case ControlSpec::Group:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlSpec::Picture:
      return {L"STATIC", SS_OWNERDRAW, 0};
  }
  return {L"STATIC", 0, 0};
}

int ControlId(const ControlSpec& c) {
  return c.kind == ControlSpec::OkButton       ? IDOK
         : c.kind == ControlSpec::CancelButton ? IDCANCEL
                                               : c.id;
}

}  // namespace

PropertyDialog::PropertyDialog(const DialogLayout& layout, const void* rows, size_t row_count,
                               RowAtFunction row_at, int picture_index)
    : DialogForm(layout),
      rows_(rows),
      row_count_(row_count),
      row_at_(row_at),
      picture_index_(picture_index) {}

bool PropertyDialog::Create(ui::Size screen) {
  return DialogForm::Create(screen) && CreateControls();
}

ui::Rect PropertyDialog::DeviceRect(const ControlSpec& c) const {
  const bool list = c.kind == ControlSpec::List || c.kind == ControlSpec::FixedList;
  const int height = list ? c.height + 200 : c.height;  // the drop-down
  return DeviceScale().ToDevice(ui::Rect{c.x, c.y, c.x + c.width, c.y + height});
}

void PropertyDialog::FitSpinArrows(const ControlSpec& spin) const {
  HWND edit = Item(spin.id);
  HWND arrows = Item(spin.id + kSpinArrowsIdOffset);
  // The arrows take their width from the edit, which they lay out for 96 DPI: above that they
  // are widened by the scale at the edit's right end, and the edit gives up that much more.
  ::SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  if (DeviceScale().IsIdentity()) return;
  RECT r[2]{};  // the arrows', then the edit's
  ::GetWindowRect(arrows, &r[0]);
  ::GetWindowRect(edit, &r[1]);
  ::MapWindowPoints(HWND_DESKTOP, Handle(), reinterpret_cast<POINT*>(r), 4);
  const ui::Rect full = DeviceRect(spin);
  const int width = DeviceScale().ToDevice(r[0].right - r[0].left);
  const int left = full.right - width;
  constexpr UINT kKeep = SWP_NOZORDER | SWP_NOACTIVATE;
  ::SetWindowPos(arrows, nullptr, left, r[0].top, width, r[0].bottom - r[0].top, kKeep);
  ::SetWindowPos(edit, nullptr, 0, 0, left - (r[0].left - r[1].right) - full.left, full.Height(),
                 kKeep | SWP_NOMOVE);
}

bool PropertyDialog::CreateControls() {
  HINSTANCE module = ::GetModuleHandleW(nullptr);
  font_ = ui::win32::CreateDialogFont(DeviceScale());
  // The dialogs show the picture of what opens them.
  images_ = ui::win32::LoadToolStrip(DeviceScale());
  tooltip_ = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, 0, 0, 0, 0, Handle(),
                               nullptr, module, nullptr);
  // Creation order is the Tab order.
  for (size_t i = 0; const ControlSpec* spec = Control(i); ++i) {
    const ControlSpec& c = *spec;
    const WindowStyle s = StyleOf(c.kind);
    const ui::Rect place = DeviceRect(c);
    HWND child = ::CreateWindowExW(
        s.ex_style, s.class_name, WideOf(c.text ? c.text : "").c_str(),
        WS_CHILD | WS_VISIBLE | s.style, place.left, place.top, place.Width(), place.Height(),
        Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(c))), module, nullptr);
    if (child == nullptr) return false;
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    for (const char* item : c.items) {
      ::SendMessageW(child, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideOf(item).c_str()));
    }
    if (c.kind == ControlSpec::Spin) {
      HWND arrows = ::CreateWindowExW(
          0, UPDOWN_CLASSW, nullptr,
          WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS |
              UDS_NOTHOUSANDS,
          0, 0, 0, 0, Handle(),
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id + kSpinArrowsIdOffset)), module,
          nullptr);
      FitSpinArrows(c);
      // The arrows step only through the numbers the field takes.
      ::SendMessageW(arrows, UDM_SETRANGE32, static_cast<WPARAM>(c.number->min), c.number->max);
    }
    if (c.kind == ControlSpec::Browse && tooltip_ != nullptr) {
      TTTOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.hwnd = Handle();
      tool.uId = reinterpret_cast<UINT_PTR>(child);
      std::wstring tip = WideOf(c.text);  // the tip keeps a copy
      tool.lpszText = tip.data();
      ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
      ::SetWindowTextW(child, L"");
    }
  }
  return true;
}

std::string PropertyDialog::Text(int id) const {
  HWND item = Item(id);
  const int length = ::GetWindowTextLengthW(item);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = ::GetWindowTextW(item, text.data(), length + 1);
  return Utf8Of(text.c_str(), got);
}

void PropertyDialog::SetText(int id, const std::string& text) {
  // The same text again is no change: the edit would still report one.
  if (Text(id) != text) ::SetWindowTextW(Item(id), WideOf(text).c_str());
}

int PropertyDialog::ListIndex(int id) const {
  return static_cast<int>(::SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
}

namespace {

// The value kept for control `id`, or null.
template <typename Value>
const Value* ValueOf(const std::vector<std::pair<int, Value>>& values, int id) {
  for (const auto& [key, value] : values) {
    if (key == id) return &value;
  }
  return nullptr;
}

template <typename Value>
void Keep(std::vector<std::pair<int, Value>>& values, int id, const Value& value) {
  for (auto& [key, kept] : values) {
    if (key == id) {
      kept = value;
      return;
    }
  }
  values.emplace_back(id, value);
}

}  // namespace

ui::Color PropertyDialog::SwatchColor(int id) const {
  const ui::Color* found = ValueOf(swatches_, id);
  return found == nullptr ? ui::kColorButtonFace : *found;
}

void PropertyDialog::SetSwatchColor(int id, ui::Color color) {
  Keep(swatches_, id, color);
  ::InvalidateRect(Item(id), nullptr, TRUE);
}

const ui::Font& PropertyDialog::SampleFont(int id) const {
  static const ui::Font kNone;
  const ui::Font* found = ValueOf(samples_, id);
  return found == nullptr ? kNone : *found;
}

void PropertyDialog::SetSampleFont(int id, const ui::Font& font) {
  Keep(samples_, id, font);
  ::InvalidateRect(Item(id), nullptr, TRUE);
}

void PropertyDialog::PickColor(int swatch) {
  ui::Color color = SwatchColor(swatch);
  if (!color_dialog_.Choose(Handle(), color)) return;
  SetSwatchColor(swatch, color);
  Touch(swatch);
  MarkChanged();  // the same colour again still counts
}

void PropertyDialog::PickFont(int sample) {
  ui::Font font = SampleFont(sample);
  if (!font_dialog_.Choose(Handle(), font)) return;
  SetSampleFont(sample, font);
  Touch(sample);
  MarkChanged();
}

bool PropertyDialog::PickFile(int edit, const std::string& filter, dialogs::RefusalStyle style) {
  if (app_ == nullptr) return false;
  const auto chosen =
      dialogs::PickCdFile(*app_, *this, Text(edit), filter, style, ui::win32::Application::Title());
  if (!chosen) return false;
  SetText(edit, *chosen);  // choosing the file the field already names changes nothing
  return true;
}

void PropertyDialog::Fill(const ControlSpec& control, void* value, bool unknown) {
  HWND item = Item(control.id);
  if (unknown) unknown_rows_ |= RowBit(control.id);
  switch (control.kind) {
    case ControlSpec::Edit:
      SetText(control.id, unknown ? std::string() : *static_cast<const std::string*>(value));
      break;
    case ControlSpec::Spin: {
      // The edit keeps the value it was filled with, which OK takes as it is, in range or not.
      const int number = unknown ? control.number->min : *static_cast<const int*>(value);
      ::SetWindowLongPtrW(item, GWLP_USERDATA, number);
      SetText(control.id, unknown ? std::string() : std::to_string(number));
      break;
    }
    case ControlSpec::List:
    case ControlSpec::FixedList: {
      const int index = unknown ? -1 : *static_cast<const int*>(value);  // -1: no item chosen
      ::SendMessageW(item, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
      break;
    }
    case ControlSpec::Check:
      // Only a box without a common value has the third state, and clicks may bring it back.
      ::SendMessageW(item, BM_SETSTYLE, unknown ? BS_AUTO3STATE : BS_AUTOCHECKBOX, TRUE);
      ::SendMessageW(item, BM_SETCHECK,
                     unknown                            ? BST_INDETERMINATE
                     : *static_cast<const bool*>(value) ? BST_CHECKED
                                                        : BST_UNCHECKED,
                     0);
      break;
    case ControlSpec::Swatch:
      SetSwatchColor(control.id, *static_cast<const ui::Color*>(value));
      break;
    case ControlSpec::FontSample:
      SetSampleFont(control.id, *static_cast<const ui::Font*>(value));
      break;
    default:
      break;
  }
}

bool PropertyDialog::ReadBack(const ControlSpec& control, void* value) {
  HWND item = Item(control.id);
  if (several_ && (touched_rows_ & RowBit(control.id)) == 0) return false;
  switch (control.kind) {
    case ControlSpec::Edit:
      *static_cast<std::string*>(value) = Text(control.id);
      return true;
    case ControlSpec::Spin:
      if (several_ && dialogs::LeftBlank(Text(control.id))) return false;
      // OK let only readable numbers through; after Cancel the value is not written anyway.
      if (const auto number = SpinNumber(control)) *static_cast<int*>(value) = *number;
      return true;
    case ControlSpec::List:
    case ControlSpec::FixedList:
      *static_cast<int*>(value) = ListIndex(control.id);
      return true;
    case ControlSpec::Check: {
      const LRESULT state = ::SendMessageW(item, BM_GETCHECK, 0, 0);
      *static_cast<bool*>(value) = state == BST_CHECKED;
      return state != BST_INDETERMINATE;
    }
    case ControlSpec::Swatch:
      *static_cast<ui::Color*>(value) = SwatchColor(control.id);
      return true;
    case ControlSpec::FontSample:
      *static_cast<ui::Font*>(value) = SampleFont(control.id);
      return true;
    default:
      return false;
  }
}

dialogs::DialogFlags PropertyDialog::RunFields(const void* rows, size_t row_count,
                                               RowAtFunction row_at, FieldAtFunction field_at,
                                               void* fields, dialogs::SharedFields* shared) {
  several_ = shared != nullptr;
  unknown_rows_ = 0;
  // "Button Properties: 4 buttons": the author sees that OK gives all of them what is changed.
  Properties().SetCaption(several_ ? core::Joined({Layout().caption, ": ", shared->what})
                                   : Layout().caption);
  for (size_t i = 0; i < row_count; ++i) {
    const ControlSpec& row = *row_at(rows, i);
    Fill(row, field_at(rows, i, fields), several_ && (shared->unknown & row.FieldBit()) != 0);
  }
  OnFilled();
  const dialogs::DialogFlags flags = RunModal();
  for (size_t i = 0; i < row_count; ++i) {
    const ControlSpec& row = *row_at(rows, i);
    if (ReadBack(row, field_at(rows, i, fields)) && several_) shared->changed |= row.FieldBit();
  }
  return flags;
}

uint64_t PropertyDialog::RowBit(int id) const {
  for (size_t i = 0; const ControlSpec* c = Control(i); ++i) {
    if (c->id == id) return uint64_t{1} << i;
  }
  return 0;
}

void PropertyDialog::Touch(int id) {
  touched_rows_ |= RowBit(id);
  unknown_rows_ &= ~RowBit(id);
}

std::optional<int32_t> PropertyDialog::SpinNumber(const ControlSpec& spin) const {
  const auto filled = static_cast<int32_t>(::GetWindowLongPtrW(Item(spin.id), GWLP_USERDATA));
  return dialogs::ReadNumber(*spin.number, Text(spin.id), filled);
}

bool PropertyDialog::NumbersReadable() {
  for (size_t i = 0; const ControlSpec* c = Control(i); ++i) {
    if (c->kind != ControlSpec::Spin || SpinNumber(*c)) continue;
    if (several_ && dialogs::LeftBlank(Text(c->id))) continue;  // each object keeps its own
    RefuseNumber(c->id, *c->number);
    return false;
  }
  return true;
}

void PropertyDialog::RefuseNumber(int id, const dialogs::NumberField& field) {
  ::MessageBoxW(Handle(), WideOf(dialogs::NumberMessage(field)).c_str(),
                WideOf(Layout().caption).c_str(), MB_OK | MB_ICONWARNING);
  ::SetFocus(Item(id));
  ::SendMessageW(Item(id), EM_SETSEL, 0, -1);
}

void PropertyDialog::OnClick(const ControlSpec& clicked) {
  const ControlSpec* target = clicked.target != 0 ? SpecOf(clicked.target) : &clicked;
  if (target == nullptr) return;
  if (target->kind == ControlSpec::Swatch) PickColor(target->id);
  if (target->kind == ControlSpec::FontSample) PickFont(target->id);
  if (target->kind == ControlSpec::Edit) {
    PickFile(target->id, clicked.filter ? clicked.filter : "", dialogs::RefusalStyle::Plain);
  }
}

std::optional<std::string> PropertyDialog::Choose(const dialogs::OpenFileRequest& request) {
  return ui::win32::ChooseOpenFile(Handle(), request.filter, request.initial_folder,
                                   request.file_name);
}

const ControlSpec* PropertyDialog::SpecOf(int id) const {
  for (size_t i = 0; const ControlSpec* c = Control(i); ++i) {
    if (c->id == id) return c;
  }
  return nullptr;
}

dialogs::DialogFlags PropertyDialog::RunModal() {
  flags_ = {};
  touched_rows_ = 0;
  done_ = false;
  const HWND came_from = ::GetActiveWindow();  // before the focus below makes this one active
  CentreOverDesigner();
  // The first text field the author can type into comes up focused with its text selected, so
  // that typing replaces it, as in Windows' own dialogs; without one, the first control.
  HWND first = ::GetNextDlgTabItem(Handle(), nullptr, FALSE);
  for (size_t i = 0; const ControlSpec* c = Control(i); ++i) {
    if ((c->kind == ControlSpec::Edit || c->kind == ControlSpec::Spin) &&
        ::IsWindowEnabled(Item(c->id))) {
      first = Item(c->id);
      ::SendMessageW(first, EM_SETSEL, 0, -1);
      break;
    }
  }
  if (first != nullptr) ::SetFocus(first);
  ui::win32::RunModal(Handle(), done_, came_from);
  done_ = true;
  return flags_;
}

void PropertyDialog::DrawItem(const DRAWITEMSTRUCT& item) {
  const auto id = static_cast<int>(item.CtlID);
  ui::win32::FillSolid(item.hDC, item.rcItem, ui::kColorButtonFace);
  const ControlSpec* spec = SpecOf(id);
  if (spec == nullptr) return;
  auto draw_image = [&](int index, int x, int y) {
    // A disabled browse button shows its glyph faded.
    const UINT style = (item.itemState & ODS_DISABLED) ? ILD_BLEND50 : ILD_NORMAL;
    if (images_) ::ImageList_Draw(images_.Get(), index, item.hDC, x, y, style);
  };
  switch (spec->kind) {
    case ControlSpec::Swatch:
      // Objects of different colours: the swatch shows the dialog's face.
      if (!Unknown(id)) ui::win32::FillSolid(item.hDC, item.rcItem, SwatchColor(id));
      break;
    case ControlSpec::FontSample: {
      if (Unknown(id)) break;  // objects of different fonts: no sample
      ui::win32::GdiCanvas canvas(item.hDC, DeviceScale().Dpi());
      const RECT& r = item.rcItem;
      canvas.DrawText("Font", {r.left, r.top, r.right, r.bottom}, SampleFont(id),
                      ui::TextFormat{ui::TextAlign::Center, false});
      break;
    }
    case ControlSpec::Browse: {
      const bool pressed = (item.itemState & ODS_SELECTED) != 0;
      RECT edge = item.rcItem;
      ::DrawEdge(item.hDC, &edge, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
      const int shift = pressed ? 1 : 0;
      const int side = DeviceScale().ToDevice(32);
      draw_image(ui::win32::kPictureOpen, (item.rcItem.right - side) / 2 + shift,
                 (item.rcItem.bottom - side) / 2 + shift);
      break;
    }
    case ControlSpec::Picture:
      draw_image(picture_index_, 0, 0);
      break;
    default:
      break;
  }
}

void PropertyDialog::OnCommand(int id, int code) {
  if (done_) return;  // a field filled between runs is no change
  if (id == IDOK && code == BN_CLICKED) {
    if (!NumbersReadable()) return;
    flags_.Accepted = true;
    done_ = true;
    return;
  }
  if (id == IDCANCEL && code == BN_CLICKED) {
    done_ = true;
    return;
  }
  const ControlSpec* spec = SpecOf(id);
  if (spec == nullptr) return;
  const bool changed =
      ((spec->kind == ControlSpec::Edit || spec->kind == ControlSpec::Spin) && code == EN_CHANGE) ||
      (spec->kind == ControlSpec::List && code == CBN_SELCHANGE) ||
      (spec->kind == ControlSpec::Check && code == BN_CLICKED);
  if (changed) {
    Touch(id);
    MarkChanged();
    OnFieldChanged(id);
    return;
  }
  const bool clicked =
      ((spec->kind == ControlSpec::Button || spec->kind == ControlSpec::Browse) &&
       code == BN_CLICKED) ||
      ((spec->kind == ControlSpec::Swatch || spec->kind == ControlSpec::FontSample) &&
       code == STN_CLICKED);
  if (clicked) OnClick(*spec);
}

void PropertyDialog::OnScaleChanged() {
  // Cheap enough for a modal dialog dragged to a screen of another DPI: the font, the places
  // and the pictures again.
  ui::win32::GdiObject<HFONT> font = ui::win32::CreateDialogFont(DeviceScale());
  for (size_t i = 0; const ControlSpec* spec = Control(i); ++i) {
    HWND child = ::GetDlgItem(Handle(), ControlId(*spec));
    const ui::Rect place = DeviceRect(*spec);
    ::SetWindowPos(child, nullptr, place.left, place.top, place.Width(), place.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    if (spec->kind == ControlSpec::Spin) FitSpinArrows(*spec);
  }
  font_ = std::move(font);  // the old font goes once no control uses it
  images_ = ui::win32::LoadToolStrip(DeviceScale());
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT PropertyDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);  // Enter is OK
    case WM_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_CLOSE:
      done_ = true;  // the close box: like Cancel
      return 0;
    default:
      return DialogForm::HandleMessage(message, wparam, lparam);
  }
}
