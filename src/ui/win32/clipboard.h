// The system clipboard: open while a Clipboard lives, and closed again on every path, since an
// open clipboard blocks every other program's copy and paste. Data goes in as global memory that
// the clipboard takes over, and comes out read under a lock.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ui::win32 {

class Clipboard {
 public:
  // Fails while another program holds the clipboard open.
  explicit Clipboard(HWND owner) : open_(::OpenClipboard(owner) != FALSE) {}
  ~Clipboard() {
    if (open_) ::CloseClipboard();
  }
  Clipboard(const Clipboard&) = delete;
  Clipboard& operator=(const Clipboard&) = delete;

  bool IsOpen() const { return open_; }
  // Empties the clipboard and makes the owner its owner, before the first Put.
  bool Empty() { return open_ && ::EmptyClipboard() != FALSE; }
  // Hands a copy of the bytes to the clipboard under `format`.
  bool Put(UINT format, const void* bytes, size_t size);
  // The bytes under `format` (perhaps followed by some more: the clipboard rounds sizes up); none
  // when the clipboard holds nothing in that format.
  std::vector<uint8_t> Get(UINT format) const;

 private:
  bool open_ = false;
};

}  // namespace ui::win32
