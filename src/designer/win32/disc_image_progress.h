// "Making Disc Image": how far the image is, as a bar and as the percentage and the megabytes
// written, and the Cancel button. Writing an image takes seconds to minutes, and the program's
// one thread does it, so the progress calls are where the window gets its messages: the bar
// moves, the designer repaints, Cancel is heard. A short write shows no window at all: it
// appears once the work has taken half a second.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/win32/gdi.h"

class DiscImageProgress {
 public:
  // Makes the window, hidden, over `owner`, and starts the clock.
  explicit DiscImageProgress(HWND owner);
  DiscImageProgress(const DiscImageProgress&) = delete;  // the window points to this object
  DiscImageProgress& operator=(const DiscImageProgress&) = delete;

  // Bytes written of the total so far; false once the author cancelled.
  bool Step(uint64_t done, uint64_t total);

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

  ui::win32::OwnedHandle<HWND, &::DestroyWindow> window_;
  DWORD started_;
  bool cancelled_ = false;
  uint64_t shown_megabytes_ = ~uint64_t{0};  // the text under the bar says these
};
