// The picture cache.
#include "ui/picture_cache.h"

namespace ui {

const PictureCache::Entry* PictureCache::Find(const std::string& path, FileStamp stamp, Size shown,
                                              bool glyph) const {
  for (const Entry& entry : entries_) {
    if (entry.path == path && entry.stamp == stamp && entry.shown == shown &&
        (entry.glyph != nullptr) == glyph) {
      return &entry;
    }
  }
  return nullptr;
}

std::unique_ptr<Picture> PictureCache::FindPicture(const std::string& path, FileStamp stamp,
                                                   Size shown) const {
  const Entry* entry = Find(path, stamp, shown, false);
  return entry != nullptr ? entry->picture->Clone() : nullptr;
}

std::unique_ptr<PixelBitmap> PictureCache::FindGlyph(const std::string& path,
                                                     FileStamp stamp) const {
  const Entry* entry = Find(path, stamp, {}, true);
  return entry != nullptr ? std::make_unique<PixelBitmap>(*entry->glyph) : nullptr;
}

void PictureCache::Keep(Entry entry) {
  if (entry.bytes > most_bytes_) return;
  // A file written again makes what was kept of it useless.
  std::erase_if(entries_, [&](const Entry& e) {
    const bool stale = e.path == entry.path && !(e.stamp == entry.stamp);
    if (stale) kept_bytes_ -= e.bytes;
    return stale;
  });
  if (kept_bytes_ + entry.bytes > most_bytes_) Clear();
  kept_bytes_ += entry.bytes;
  entries_.push_back(std::move(entry));
}

void PictureCache::KeepPicture(const std::string& path, FileStamp stamp, Size shown,
                               const Picture& picture, uint64_t bytes) {
  Keep({path, stamp, shown, picture.Clone(), nullptr, bytes});
}

void PictureCache::KeepGlyph(const std::string& path, FileStamp stamp, const PixelBitmap& glyph) {
  const uint64_t bytes =
      uint64_t{4} * static_cast<uint64_t>(glyph.Width()) * static_cast<uint64_t>(glyph.Height());
  Keep({path, stamp, {}, nullptr, std::make_unique<PixelBitmap>(glyph), bytes});
}

void PictureCache::Clear() {
  entries_.clear();
  kept_bytes_ = 0;
}

}  // namespace ui
