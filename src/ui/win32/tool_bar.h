// A common-controls tool bar built from a table: flat, with one image list of 32 x 32 pictures
// cut from a bitmap resource (magenta is transparent), push buttons, fixed-width separators and
// grouped two-state buttons of which exactly one is down. Hints come from the table. Sizes are
// design units; on a screen above 96 DPI pictures, buttons and separators are scaled.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <span>
#include <vector>

#include "ui/scale.h"
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

// The tool strip's 32 x 32 pictures (ToolStripPicture), see-through where the artwork is keyed,
// at `scale` (each picture nearest-pixel scaled to scale.ToDevice(32) square).
OwnedImageList LoadToolStrip(Scale scale = {});

class ToolBar {
 public:
  // Creates the bar as a child of `parent` with buttons of `button_size` at `scale`; the images
  // come from the tool strip. The bar lies across the parent's top, or when `placed` where
  // MoveTo puts it and only as wide as its buttons. False when the bar cannot be made.
  bool Create(HWND parent, SIZE button_size, std::span<const ToolButtonSpec> spec, Scale scale,
              bool placed = false);
  // Lays the bar out again at another scale: pictures, buttons and separators; the grouped
  // button that is down stays down.
  void Rescale(Scale scale);
  // A placed bar: to `left`, `top` (device pixels) on its parent, above its siblings.
  void MoveTo(int left, int top = 0);

  // The runs of buttons between the table's separators (the table starts with a button), left
  // to right: each one's width and the width of the separators after it, in device pixels.
  struct Group {
    int width = 0;
    int gap = 0;
  };
  std::vector<Group> Groups() const;
  // Lays the groups out in rows: a group whose flag is set starts a row of its own at the bar's
  // left edge, and the separators before it are hidden. All flags clear: one row, as made.
  void StartRows(const std::vector<bool>& starts);

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
  // Puts the table's buttons on the bar again, at the current scale and rows.
  void AddButtons();
  // For each entry of the table, the group it belongs to or, for a separator, follows.
  std::vector<size_t> GroupOfEntries() const;

  std::span<const ToolButtonSpec> spec_;
  SIZE button_size_{};     // design units
  int button_height_ = 0;  // device pixels
  Scale scale_;
  std::vector<bool> row_starts_;  // as StartRows last set them
};

}  // namespace ui::win32
