// Property dialog windows.
#include "dialogs/win32/dialog_form.h"

const DialogLayout kLinkFormLayout{L"TLinkForm", "Edit Link", {546, 170}};
const DialogLayout kLabelPropertyFormLayout{
    L"TLabelPropertyForm", "Label Properties", {422, 250}, false, {192, 107}};
const DialogLayout kButtonPropertyFormLayout{
    L"TButtonPropertyForm", "Button Properties", {448, 282}};
const DialogLayout kImagePropertyFormLayout{L"TImagePropertyForm", "Image Properties", {488, 162}};
const DialogLayout kFormPropertyFormLayout{L"TFormPropertyForm", "Form Properties", {618, 346}};
const DialogLayout kGridSizeFormLayout{L"TGridSizeForm", "Grid Size", {188, 86}};

DialogForm::DialogForm(const DialogLayout& layout) : FormWindow(form_), layout_(layout) {
  form_.SetCaption(layout.caption);
  form_.SetBorderStyle(ui::kBorderSingle);
  form_.SetBorderIcons(ui::kIconSystemMenu);
}

bool DialogForm::Create(ui::Size screen) {
  if (!CreateForm(layout_.class_name)) return false;
  // A dialog paints beneath its controls too: group boxes leave their inside to the parent.
  const LONG style = ::GetWindowLongW(Handle(), GWL_STYLE);
  ::SetWindowLongW(Handle(), GWL_STYLE, style & ~static_cast<LONG>(WS_CLIPCHILDREN));
  SetClientSize(layout_.client.width, layout_.client.height);
  if (layout_.centred) {
    form_.CenterOn(screen);
  } else {
    form_.SetBounds(layout_.designed_place.x, layout_.designed_place.y, form_.Width(),
                    form_.Height());
  }
  return true;
}

LRESULT DialogForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CLOSE) {
    Hide();
    return 0;
  }
  return FormWindow::HandleMessage(message, wparam, lparam);
}
