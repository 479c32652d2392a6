// Base of every Win32 window of the program: registers the window class once, binds the C++
// object to its HWND on WM_NCCREATE and forgets it on WM_NCDESTROY. The program is built without
// exceptions: a failure that ends a command is reported where it happens (ui::Platform's
// ReportError), and nothing can cross the window procedure.
#pragma once

#include <windows.h>

#include <string>

namespace ui::win32 {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }
  bool Visible() const { return hwnd_ != nullptr && ::IsWindowVisible(hwnd_); }
  void Show(int show_command = SW_SHOW) { ::ShowWindow(hwnd_, show_command); }
  void Hide() { ::ShowWindow(hwnd_, SW_HIDE); }
  void Close() { ::SendMessageW(hwnd_, WM_CLOSE, 0, 0); }

 protected:
  // Creates the window; `class_name` is registered on first use with this module's icon. The
  // class is a Unicode one, so the window's texts and typed characters are UTF-16.
  bool CreateWindowOfClass(const wchar_t* class_name, DWORD ex_style, DWORD style,
                           const std::string& caption, RECT bounds, HWND parent, HMENU menu);

  // Handles one message; the default passes it to DefWindowProc.
  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam) {
    return ::DefWindowProcW(hwnd_, message, wparam, lparam);
  }

 private:
  static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  HWND hwnd_ = nullptr;  // owned: destroyed with the object
};

// The application's general error handler: reports an error that ended a command in a box
// titled with the application title.
void ReportUnhandledError(const char* what);

}  // namespace ui::win32
