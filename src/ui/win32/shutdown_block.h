// The reason Windows shows while this program keeps the session from ending (log off, shut down,
// restart), through ShutdownBlockReasonCreate where the system has it (looked up at run time:
// older systems lack it, and it must not keep the program from starting there).
#pragma once

#include <windows.h>

#include <string>

namespace ui::win32 {

class ShutdownBlockReason {
 public:
  ShutdownBlockReason() = default;
  ~ShutdownBlockReason() { Destroy(); }
  ShutdownBlockReason(const ShutdownBlockReason&) = delete;
  ShutdownBlockReason& operator=(const ShutdownBlockReason&) = delete;

  // Gives `window` the reason (UTF-8 text), replacing one it had.
  void Create(HWND window, const std::string& reason);
  void Destroy();

 private:
  HWND window_ = nullptr;  // not owned: the window the reason is held for, null when none
};

}  // namespace ui::win32
