// The designer's main menu, built from a table.
#include "designer/win32/main_menu.h"

#include <iterator>

namespace {

struct MenuItem {
  const char* caption;  // nullptr: separator
  MainMenuCommand command;
};

HMENU BuildPopup(const MenuItem* items, size_t count) {
  HMENU popup = ::CreatePopupMenu();
  for (size_t i = 0; i < count; ++i) {
    if (items[i].caption == nullptr) {
      ::AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    } else {
      ::AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(items[i].command), items[i].caption);
    }
  }
  return popup;
}

}  // namespace

HMENU BuildMainMenu() {
  static const MenuItem kFile[] = {
      {"&Open...\tCtrl+O", MainMenuCommand::Open},
      {"&Save\tCtrl+S", MainMenuCommand::Save},
      {"Save and &Test\tCtrl+T", MainMenuCommand::SaveAndTest},
      {nullptr, MainMenuCommand::Open},
      {"E&xit...\tCtrl+X", MainMenuCommand::Exit},
  };
  HMENU bar = ::CreateMenu();
  ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildPopup(kFile, std::size(kFile))),
                "&File");
  return bar;
}

HACCEL BuildMainMenuShortcuts() {
  ACCEL keys[] = {
      {FVIRTKEY | FCONTROL, 'O', static_cast<WORD>(MainMenuCommand::Open)},
      {FVIRTKEY | FCONTROL, 'S', static_cast<WORD>(MainMenuCommand::Save)},
      {FVIRTKEY | FCONTROL, 'T', static_cast<WORD>(MainMenuCommand::SaveAndTest)},
      {FVIRTKEY | FCONTROL, 'X', static_cast<WORD>(MainMenuCommand::Exit)},
  };
  return ::CreateAcceleratorTableA(keys, static_cast<int>(std::size(keys)));
}
