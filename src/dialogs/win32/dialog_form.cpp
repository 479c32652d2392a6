// Property dialog windows.
#include "dialogs/win32/dialog_form.h"

#include <algorithm>
#include <optional>

const DialogLayout kLinkFormLayout{L"TLinkForm", "Edit Link", {546, 170}};
const DialogLayout kLabelPropertyFormLayout{L"TLabelPropertyForm", "Label Properties", {422, 250}};
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
  form_.CenterOn(screen);
  return true;
}

void DialogForm::CentreOverDesigner() {
  std::optional<ui::Rect> over;
  for (HWND window : designer_) {
    RECT r{};
    if (!::IsWindowVisible(window) || ::IsIconic(window) || !::GetWindowRect(window, &r)) continue;
    over = over ? ui::Rect{std::min(over->left, static_cast<int32_t>(r.left)),
                           std::min(over->top, static_cast<int32_t>(r.top)),
                           std::max(over->right, static_cast<int32_t>(r.right)),
                           std::max(over->bottom, static_cast<int32_t>(r.bottom))}
                : ui::Rect{r.left, r.top, r.right, r.bottom};
  }
  RECT own{};
  if (!over || !::GetWindowRect(Handle(), &own)) return;
  const RECT middle{over->left, over->top, over->right, over->bottom};
  MONITORINFO screen{};
  screen.cbSize = sizeof screen;
  if (!::GetMonitorInfoW(::MonitorFromRect(&middle, MONITOR_DEFAULTTONEAREST), &screen)) return;
  const RECT& work = screen.rcWork;
  const ui::Point place = ui::CentredOver(*over, {own.right - own.left, own.bottom - own.top},
                                          {work.left, work.top, work.right, work.bottom});
  ::SetWindowPos(Handle(), nullptr, place.x, place.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT DialogForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CLOSE) {
    Hide();
    return 0;
  }
  return FormWindow::HandleMessage(message, wparam, lparam);
}
