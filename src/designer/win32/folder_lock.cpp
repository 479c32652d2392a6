// The CD folder's named mutex.
#include "designer/win32/folder_lock.h"

#include "designer/design_file.h"

namespace {

struct MutexName {
  explicit MutexName(uint64_t key) {
    ::wsprintfW(text, L"Quorvane CD folder %08lx%08lx", static_cast<unsigned long>(key >> 32),
                static_cast<unsigned long>(key));
  }
  wchar_t text[40];
};

}  // namespace

bool FolderLock::HeldElsewhere(const std::string& folder) const {
  const uint64_t key = designer::FolderKey(folder);
  return key != held_ &&
         ui::win32::OwnedKernelHandle(::OpenMutexW(SYNCHRONIZE, FALSE, MutexName(key).text));
}

bool FolderLock::Holds(const std::string& folder) const {
  return designer::FolderKey(folder) == held_;
}

void FolderLock::Hold(const std::string& folder) {
  held_ = designer::FolderKey(folder);
  // Nobody owns the mutex: it is there while any designer has the folder open.
  mutex_.Reset(::CreateMutexW(nullptr, FALSE, MutexName(held_).text));
}
