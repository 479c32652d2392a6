// Application title, icon, main window and the message loop.
#include "ui/win32/application.h"

namespace ui::win32 {
namespace {

// The resource id of the program's icon; the resource script gives the icon this number.
constexpr int kApplicationIconId = 1;

std::string title = "AutoRun";
HWND main_window = nullptr;
HACCEL accelerators = nullptr;
HWND accelerator_target = nullptr;

HICON LoadProgramIcon(int size) {
  return static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr),
                                         MAKEINTRESOURCEA(kApplicationIconId), IMAGE_ICON, size,
                                         size, LR_SHARED));
}

}  // namespace

const std::string& Application::Title() {
  return title;
}

void Application::SetTitle(const std::string& text) {
  title = text;
}

HICON Application::Icon() {
  return LoadProgramIcon(::GetSystemMetrics(SM_CXICON));
}
HICON Application::SmallIcon() {
  return LoadProgramIcon(::GetSystemMetrics(SM_CXSMICON));
}

void Application::SetTaskbarIcon(HICON icon) {
  if (main_window == nullptr || icon == nullptr) return;
  ::SendMessageA(main_window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

HWND Application::MainWindow() {
  return main_window;
}
void Application::SetMainWindow(HWND hwnd) {
  main_window = hwnd;
}

void Application::SetAccelerators(HACCEL table, HWND target) {
  accelerators = table;
  accelerator_target = target;
}

int Application::Run() {
  MSG message{};
  BOOL got = 0;
  while ((got = ::GetMessageA(&message, nullptr, 0, 0)) != 0) {
    if (got == -1) return 1;
    if (accelerators != nullptr && accelerator_target != nullptr &&
        ::TranslateAcceleratorA(accelerator_target, accelerators, &message)) {
      continue;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace ui::win32
