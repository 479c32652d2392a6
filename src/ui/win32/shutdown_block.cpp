// Shutdown block reasons.
#include "ui/win32/shutdown_block.h"

#include "ui/win32/wide_text.h"

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
  if (create(window, WideOf(reason).c_str())) window_ = window;
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
