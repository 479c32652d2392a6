// The modal loop of the property dialogs, and modal scopes around system dialogs.
#include "ui/win32/modal_loop.h"

namespace ui::win32 {
namespace {

struct Disabling {
  HWND keep;
  std::vector<HWND>& disabled;
};

BOOL CALLBACK DisableOther(HWND hwnd, LPARAM data) {
  auto* state = reinterpret_cast<Disabling*>(data);
  if (hwnd != state->keep && ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd)) {
    ::EnableWindow(hwnd, FALSE);
    state->disabled.push_back(hwnd);
  }
  return TRUE;
}

std::vector<HWND> DisableAllBut(HWND keep) {
  std::vector<HWND> disabled;
  Disabling state{keep, disabled};
  ::EnumThreadWindows(::GetCurrentThreadId(), &DisableOther, reinterpret_cast<LPARAM>(&state));
  return disabled;
}

void EnableAll(const std::vector<HWND>& windows) {
  for (HWND hwnd : windows) {
    if (::IsWindow(hwnd)) ::EnableWindow(hwnd, TRUE);
  }
}

}  // namespace

void RunModal(HWND window, const bool& done, HWND came_from) {
  const std::vector<HWND> disabled = DisableAllBut(window);
  ::ShowWindow(window, SW_SHOW);
  ::SetForegroundWindow(window);
  MSG message{};
  while (!done) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      ::PostQuitMessage(static_cast<int>(message.wParam));  // the outer loop ends too
      break;
    }
    if (got == -1) break;
    if (::IsDialogMessageW(window, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  // The owners come back before the window goes, so that the activation returns to them: to the
  // window the author came from, given the activation while this one still shows (hiding the
  // active window would hand the activation to its owner instead).
  EnableAll(disabled);
  if (came_from != nullptr && came_from != window && ::IsWindow(came_from) &&
      ::IsWindowVisible(came_from)) {
    ::SetForegroundWindow(came_from);
  }
  ::ShowWindow(window, SW_HIDE);
}

ModalScope::ModalScope(HWND owner) : disabled_(DisableAllBut(owner)) {}

ModalScope::~ModalScope() {
  EnableAll(disabled_);
}

}  // namespace ui::win32
