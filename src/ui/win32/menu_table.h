// Menus and their keyboard shortcuts built from one table, so that a caption, the shortcut text
// shown beside it and the accelerator that carries it out cannot drift apart.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

#include "ui/win32/gdi.h"

namespace ui::win32 {

struct Shortcut {
  WORD key = 0;  // virtual key; 0: none
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
};

struct MenuItemSpec {
  int id;               // 0: separator
  const char* caption;  // as shown, without the shortcut
  Shortcut shortcut;
};

using OwnedMenu = OwnedHandle<HMENU, &::DestroyMenu>;
using OwnedAccelerators = OwnedHandle<HACCEL, &::DestroyAcceleratorTable>;

// "Ctrl+Alt+P", "Del", "Shift+Ins", "F1"; empty for no shortcut.
std::string ShortcutText(const Shortcut& shortcut);
// A popup menu of the items, each caption followed by a tab and its shortcut text.
OwnedMenu BuildPopupMenu(std::span<const MenuItemSpec> items);
// Appends the items' shortcuts as accelerators that send their ids.
void AppendAccelerators(std::span<const MenuItemSpec> items, std::vector<ACCEL>& table);
OwnedAccelerators BuildAccelerators(const std::vector<ACCEL>& table);

}  // namespace ui::win32
