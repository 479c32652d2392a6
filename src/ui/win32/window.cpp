// Window class registration, object binding and the window procedure.
#include "ui/win32/window.h"

#include "ui/win32/application.h"
#include "ui/win32/wide_text.h"

namespace ui::win32 {

Window::~Window() {
  if (hwnd_ != nullptr) {
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
}

bool Window::CreateWindowOfClass(const wchar_t* class_name, DWORD ex_style, DWORD style,
                                 const std::string& caption, RECT bounds, HWND parent, HMENU menu) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (!::GetClassInfoExW(instance, class_name, &existing)) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &Window::WindowProcedure;
    wc.hInstance = instance;
    wc.hIcon = Application::Icon();
    wc.hIconSm = Application::SmallIcon();
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;  // every window paints its own background
    wc.lpszClassName = class_name;
    if (!::RegisterClassExW(&wc)) return false;
  }
  hwnd_ = ::CreateWindowExW(ex_style, class_name, WideOf(caption).c_str(), style, bounds.left,
                            bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                            parent, menu, instance, this);
  return hwnd_ != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefaultHandling(message, wparam, lparam);
}

LRESULT CALLBACK Window::WindowProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    auto* self = static_cast<Window*>(create->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcW(hwnd, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return ::DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return self->HandleMessage(message, wparam, lparam);
}

void ReportUnhandledError(const char* what) {
  ::MessageBoxW(::GetActiveWindow(), WideOf(what).c_str(), WideOf(Application::Title()).c_str(),
                MB_OK | MB_ICONERROR);
}

}  // namespace ui::win32
