// A property dialog window: fixed single border with only the close box, a given client size,
// created once at start-up and hidden between uses (closing hides it, never destroys it). It
// opens centred over the designer's windows, where the author is looking.
#pragma once

#include <array>
#include <string>

#include "ui/form.h"
#include "ui/geometry.h"
#include "ui/win32/form_window.h"

struct DialogLayout {
  const wchar_t* class_name;  // the dialog's class, e.g. L"TLinkForm"
  const char* caption;
  ui::Size client;
};

class DialogForm : public ui::win32::FormWindow {
 public:
  explicit DialogForm(const DialogLayout& layout);
  bool Create(ui::Size screen);
  // The designer's main window and design window, which the dialog opens centred over.
  void OpenOver(HWND main_window, HWND canvas) { designer_ = {main_window, canvas}; }

 protected:
  const DialogLayout& Layout() const { return layout_; }
  // Centred over the shown designer windows, inside the work area of their screen; where it
  // was when there are none.
  void CentreOverDesigner();
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  ui::Form form_;
  DialogLayout layout_;
  std::array<HWND, 2> designer_{};  // not owned
};

// The dialogs the designer creates at start-up, in their creation order.
extern const DialogLayout kLinkFormLayout;
extern const DialogLayout kLabelPropertyFormLayout;
extern const DialogLayout kButtonPropertyFormLayout;
extern const DialogLayout kImagePropertyFormLayout;
extern const DialogLayout kFormPropertyFormLayout;
extern const DialogLayout kGridSizeFormLayout;
