// The yardstick for the player's start-up time: the plainest Win32 program that shows a
// window of one colour, the same size and place as the benchmark's menu.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(hwnd, &ps);
      HBRUSH brush = ::CreateSolidBrush(RGB(0, 128, 0));
      ::FillRect(dc, &ps.rcPaint, brush);
      ::DeleteObject(brush);
      ::EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &Procedure;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = "BareWindow";
  ::RegisterClassA(&wc);
  HWND hwnd = ::CreateWindowExA(0, "BareWindow", "Bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 212, 174,
                                600, 420, nullptr, nullptr, instance, nullptr);
  if (hwnd == nullptr) return 1;
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return 0;
}
