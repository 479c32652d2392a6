// The application object: its title (the taskbar text and the caption of plain messages), its
// icon, and the main window whose closing ends the message loop.
#pragma once

#include <windows.h>

#include <string>

namespace ui::win32 {

class Application {
 public:
  static const std::string& Title();
  static void SetTitle(const std::string& title);

  // The running executable's full path, in UTF-8, however long and in whatever script.
  static std::string ExecutablePath();

  // The program's own icon from the resources (large and small).
  static HICON Icon();
  static HICON SmallIcon();
  // The taskbar icon of the running program; defaults to the program's own icon.
  static void SetTaskbarIcon(HICON icon);

  // The first top-level window created; closing it ends the message loop.
  static HWND MainWindow();
  static void SetMainWindow(HWND hwnd);

  // Keyboard shortcuts per top-level window: while `window` (or a child of it) has the keyboard,
  // keys of `table` become WM_COMMAND messages to `window`. A null table removes the entry.
  static void SetAccelerators(HWND window, HACCEL table);

  // Runs the message loop until the main window is gone; returns the exit code.
  static int Run();
};

}  // namespace ui::win32
