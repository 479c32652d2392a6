// A property dialog window: fixed single border with only the close box, a given client size,
// created once at start-up and hidden between uses (closing hides it, never destroys it).
#pragma once

#include <string>

#include "ui/form.h"
#include "ui/geometry.h"
#include "ui/win32/form_window.h"

struct DialogLayout {
  const wchar_t* class_name;  // the dialog's class, e.g. L"TLinkForm"
  const char* caption;
  ui::Size client;
  // Where the window opens; centred on the screen when not given.
  bool centred = true;
  ui::Point designed_place{};
};

class DialogForm : public ui::win32::FormWindow {
 public:
  explicit DialogForm(const DialogLayout& layout);
  bool Create(ui::Size screen);

 protected:
  const DialogLayout& Layout() const { return layout_; }
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  ui::Form form_;
  DialogLayout layout_;
};

// The dialogs the designer creates at start-up, in their creation order.
extern const DialogLayout kLinkFormLayout;
extern const DialogLayout kLabelPropertyFormLayout;
extern const DialogLayout kButtonPropertyFormLayout;
extern const DialogLayout kImagePropertyFormLayout;
extern const DialogLayout kFormPropertyFormLayout;
extern const DialogLayout kGridSizeFormLayout;
