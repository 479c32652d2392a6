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
  // How commands reach the media control interface: mciSendCommandW, or a stand-in through
  // which a test refuses requests that a machine without sound output would refuse.
  using SendCommand = MCIERROR(WINAPI*)(MCIDEVICEID, UINT, DWORD_PTR, DWORD_PTR);

  MciPlayer() = default;
  explicit MciPlayer(SendCommand send) : send_(send) {}
  MciPlayer(const MciPlayer&) = delete;
  MciPlayer& operator=(const MciPlayer&) = delete;
  ~MciPlayer() { Close(); }

  // Completion notices go to this window (the player needs no handling of them).
  void SetNotifyWindow(HWND window) { notify_ = window; }
  // Closes the current medium and plays `path`; false when opening or playing fails, and then
  // the channel is left closed.
  bool Play(const std::string& path);
  void Close();
  bool IsOpen() const { return device_ != 0; }
  // Devices all channels hold open right now (one GUI thread: a plain count), so tests can prove
  // that no sound leaves a device behind.
  static int OpenCount() { return open_count_; }

 private:
  MCIDEVICEID device_ = 0;
  HWND notify_ = nullptr;  // not owned
  SendCommand send_ = &::mciSendCommandW;
  static inline int open_count_ = 0;
};

}  // namespace ui::win32
