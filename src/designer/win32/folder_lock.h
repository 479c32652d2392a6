// Which CD folder this designer has open, told to the other designers on the machine through a
// named mutex per folder (designer::FolderKey of its full path, as the folder browser, the settings
// file and the CDROM folder beside the designer give it), so that nothing is written into the
// folder and nothing stays behind when a designer ends, however it ends.
#pragma once

#include <cstdint>
#include <string>

#include "ui/win32/gdi.h"

class FolderLock {
 public:
  // Whether another designer has `folder` open; this designer's own folder never counts.
  bool HeldElsewhere(const std::string& folder) const;
  // Whether `folder`, however it is spelt, is the one this designer has open.
  bool Holds(const std::string& folder) const;
  // This designer has `folder` open from now on, and no longer the folder it had.
  void Hold(const std::string& folder);

 private:
  uint64_t held_ = 0;  // the key of the folder held
  ui::win32::OwnedKernelHandle mutex_;
};
