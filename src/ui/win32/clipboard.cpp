// Opening, filling and reading the system clipboard.
#include "ui/win32/clipboard.h"

#include <cstring>

#include "ui/win32/gdi.h"

namespace ui::win32 {
namespace {

using GlobalMemory = OwnedHandle<HGLOBAL, &::GlobalFree>;

// Global memory locked for reading while this lives: copying out of it may throw.
class GlobalLockScope {
 public:
  explicit GlobalLockScope(HGLOBAL memory) : memory_(memory), data_(::GlobalLock(memory)) {}
  ~GlobalLockScope() {
    if (data_ != nullptr) ::GlobalUnlock(memory_);
  }
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;
  uint8_t* Data() const { return static_cast<uint8_t*>(data_); }

 private:
  HGLOBAL memory_;
  void* data_;
};

}  // namespace

bool Clipboard::Put(UINT format, const void* bytes, size_t size) {
  if (!open_) return false;
  GlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, size));
  if (!memory) return false;
  void* data = ::GlobalLock(memory.Get());
  if (data == nullptr) return false;
  std::memcpy(data, bytes, size);  // nothing between the lock and the unlock can throw
  ::GlobalUnlock(memory.Get());
  if (::SetClipboardData(format, memory.Get()) == nullptr) return false;
  memory.Disown();  // the clipboard frees it now
  return true;
}

std::vector<uint8_t> Clipboard::Get(UINT format) const {
  HANDLE memory = open_ ? ::GetClipboardData(format) : nullptr;  // the clipboard's own
  if (memory == nullptr) return {};
  const GlobalLockScope lock(memory);
  if (lock.Data() == nullptr) return {};
  return std::vector<uint8_t>(lock.Data(), lock.Data() + ::GlobalSize(memory));
}

}  // namespace ui::win32
