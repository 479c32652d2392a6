// MCI sound playback.
#include "ui/win32/mci_player.h"

#include "ui/win32/wide_text.h"

namespace ui::win32 {

void MciPlayer::Close() {
  if (device_ == 0) return;
  send_(device_, MCI_CLOSE, MCI_WAIT, 0);
  device_ = 0;
  --open_count_;
}

bool MciPlayer::Play(const std::string& path) {
  Close();
  const std::wstring element = WideOf(path);
  MCI_OPEN_PARMSW open{};
  open.lpstrElementName = element.c_str();
  if (send_(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&open)) != 0) {
    return false;
  }
  device_ = open.wDeviceID;
  ++open_count_;
  MCI_PLAY_PARMS play{};
  play.dwCallback = reinterpret_cast<DWORD_PTR>(notify_);
  const DWORD flags = notify_ != nullptr ? MCI_NOTIFY : 0;
  if (send_(device_, MCI_PLAY, flags, reinterpret_cast<DWORD_PTR>(&play)) != 0) {
    // A medium that cannot play (no output device, a file the device cannot read) would
    // otherwise hold its device open, and the driver with it, until the next sound.
    Close();
    return false;
  }
  return true;
}

}  // namespace ui::win32
