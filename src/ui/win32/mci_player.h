// The single sound channel of the presentation window over the media control interface: a new
// sound closes the old one (cutting it off), opens the file with the device chosen from it, and
// plays without waiting. The last medium stays open until the next one or the end.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <string>

namespace ui::win32 {

class MciPlayer {
 public:
  MciPlayer() = default;
  MciPlayer(const MciPlayer&) = delete;
  MciPlayer& operator=(const MciPlayer&) = delete;
  ~MciPlayer() { Close(); }

  // Completion notices go to this window (the player needs no handling of them).
  void SetNotifyWindow(HWND window) { notify_ = window; }
  // Closes the current medium and plays `path`; false when opening or playing fails.
  bool Play(const std::string& path);
  void Close();
  bool IsOpen() const { return device_ != 0; }

 private:
  MCIDEVICEID device_ = 0;
  HWND notify_ = nullptr;  // not owned
};

}  // namespace ui::win32
