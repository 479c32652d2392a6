// A common-controls tool bar built from a table: flat, with one image list of 32 x 32 pictures
// cut from a bitmap resource (magenta is transparent), push buttons, fixed-width separators and
// grouped two-state buttons of which exactly one is down. Hints come from the table.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <span>

#include "ui/win32/gdi.h"

namespace ui::win32 {

struct ToolButtonSpec {
  enum Style : uint8_t { Button, Separator, GroupedCheck } style;
  int id;            // command id sent in WM_COMMAND; 0 for separators
  int image;         // image index, or the width of a separator
  const char* hint;  // nullptr: no hint shown
  bool down;         // grouped buttons: down at start
};

using OwnedImageList = OwnedHandle<HIMAGELIST, &::ImageList_Destroy>;

// The tool strip's 32 x 32 pictures (ToolStripPicture), see-through where the artwork is keyed.
OwnedImageList LoadToolStrip();

class ToolBar {
 public:
  // Creates the bar as a child of `parent` with buttons of `button_size`; the images come from
  // bitmap resource `bitmap_id`. The bar lies across the parent's top, or with `left` given at
  // that place and only as wide as its buttons. False when the bar cannot be made.
  bool Create(HWND parent, SIZE button_size, std::span<const ToolButtonSpec> spec, int left = -1);

  HWND Handle() const { return hwnd_; }
  // The hint of a command id, or nullptr.
  const char* HintFor(int id) const;
  bool IsDown(int id) const;
  void PutDown(int id);
  // The bar's size after it sized itself to its buttons and its parent's width.
  SIZE Extent() const;
  // Lets the bar's tooltip show `hint` over `child`, a window lying on the bar.
  void AddHint(HWND child, const char* hint);

 private:
  HWND hwnd_ = nullptr;  // child window: destroyed with its parent
  OwnedImageList images_;
  std::span<const ToolButtonSpec> spec_;
};

}  // namespace ui::win32
