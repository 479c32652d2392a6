// Menus and accelerator tables from item tables.
#include "ui/win32/menu_table.h"

#include "ui/win32/wide_text.h"
namespace ui::win32 {

std::string ShortcutText(const Shortcut& s) {
  if (s.key == 0) return "";
  std::string text;
  if (s.ctrl) text += "Ctrl+";
  if (s.alt) text += "Alt+";
  if (s.shift) text += "Shift+";
  if (s.key == VK_DELETE) return text + "Del";
  if (s.key == VK_INSERT) return text + "Ins";
  if (s.key >= VK_F1 && s.key <= VK_F12) return text + "F" + std::to_string(s.key - VK_F1 + 1);
  return text + static_cast<char>(s.key);
}

OwnedMenu BuildPopupMenu(std::span<const MenuItemSpec> items) {
  OwnedMenu menu(::CreatePopupMenu());
  for (const MenuItemSpec& item : items) {
    if (item.id == 0) {
      ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::string text = item.caption;
    if (const std::string keys = ShortcutText(item.shortcut); !keys.empty()) text += "\t" + keys;
    ::AppendMenuW(menu.Get(), MF_STRING, static_cast<UINT_PTR>(item.id), WideOf(text).c_str());
  }
  return menu;
}

void AppendAccelerators(std::span<const MenuItemSpec> items, std::vector<ACCEL>& table) {
  for (const MenuItemSpec& item : items) {
    if (item.id == 0 || item.shortcut.key == 0) continue;
    BYTE flags = FVIRTKEY;
    if (item.shortcut.ctrl) flags |= FCONTROL;
    if (item.shortcut.alt) flags |= FALT;
    if (item.shortcut.shift) flags |= FSHIFT;
    table.push_back({flags, item.shortcut.key, static_cast<WORD>(item.id)});
  }
}

OwnedAccelerators BuildAccelerators(const std::vector<ACCEL>& table) {
  return OwnedAccelerators(
      ::CreateAcceleratorTableW(const_cast<ACCEL*>(table.data()), static_cast<int>(table.size())));
}

}  // namespace ui::win32
