// Application title, icon, main window and the message loop.
#include "ui/win32/application.h"

#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ui::win32 {
namespace {

std::string title = "AutoRun";
HWND main_window = nullptr;
std::vector<std::pair<HWND, HACCEL>> accelerators;  // tables not owned

bool TranslateShortcut(MSG& message) {
  if (message.hwnd == nullptr) return false;
  HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
  for (const auto& [window, table] : accelerators) {
    if (window == root) return ::TranslateAcceleratorW(window, table, &message) != 0;
  }
  return false;
}

HICON LoadProgramIcon(int size) {
  return static_cast<HICON>(::LoadImageA(::GetModuleHandleW(nullptr),
                                         MAKEINTRESOURCEA(QUORVANE_ICON_PROGRAM), IMAGE_ICON, size,
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
  ::SendMessageW(main_window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

std::string Application::ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return Utf8Of(path.c_str(), static_cast<int>(length));
    path.resize(path.size() * 2);  // cut short: a longer path than MAX_PATH
  }
}

HWND Application::MainWindow() {
  return main_window;
}
void Application::SetMainWindow(HWND hwnd) {
  main_window = hwnd;
}

void Application::SetAccelerators(HWND window, HACCEL table) {
  std::erase_if(accelerators, [window](const auto& entry) { return entry.first == window; });
  if (table != nullptr) accelerators.emplace_back(window, table);
}

int Application::Run() {
  MSG message{};
  BOOL got = 0;
  while ((got = ::GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (got == -1) return 1;
    if (TranslateShortcut(message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace ui::win32
