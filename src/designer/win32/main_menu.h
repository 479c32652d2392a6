// The designer's main menu: its items, captions and shortcut texts, and the command ids that
// WM_COMMAND carries.
#pragma once

#include <windows.h>

enum class MainMenuCommand : int {
  Open = 101,
  Save = 102,
  SaveAndTest = 103,
  Exit = 105,
};

// Builds the menu bar; the caller gives it to a window (which then owns it).
HMENU BuildMainMenu();

// The menu's keyboard shortcuts; the caller destroys the table.
HACCEL BuildMainMenuShortcuts();
