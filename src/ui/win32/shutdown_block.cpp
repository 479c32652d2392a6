// Shutdown block reasons.
#include "ui/win32/shutdown_block.h"

namespace ui::win32 {
namespace {

template <typename Function>
Function User32Entry(const char* name) {
  HMODULE user32 = ::GetModuleHandleA("user32.dll");
  return user32 == nullptr
             ? nullptr
             : reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(user32, name)));
}

}  // namespace

void ShutdownBlockReason::Create(HWND window, const std::string& reason) {
  using CreateReason = BOOL(WINAPI*)(HWND, LPCWSTR);
  Destroy();
  const auto create = User32Entry<CreateReason>("ShutdownBlockReasonCreate");
  if (create == nullptr) return;
  std::wstring text(reason.size() + 1, L'\0');
  const int length = ::MultiByteToWideChar(CP_ACP, 0, reason.c_str(), -1, text.data(),
                                           static_cast<int>(text.size()));
  if (length <= 0) return;
  if (create(window, text.c_str())) window_ = window;
}

void ShutdownBlockReason::Destroy() {
  using DestroyReason = BOOL(WINAPI*)(HWND);
  if (window_ == nullptr) return;
  if (const auto destroy = User32Entry<DestroyReason>("ShutdownBlockReasonDestroy")) {
    destroy(window_);
  }
  window_ = nullptr;
}

}  // namespace ui::win32
