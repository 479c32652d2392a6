// One decode per picture file: the pictures and glyphs a design uses, kept by file (its path and
// the time and size it was last written with) for as long as the design is open, so that a
// menu that shows one picture on a hundred objects decodes it once. What it keeps is bounded:
// past the bound it starts afresh.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/geometry.h"
#include "ui/picture.h"
#include "ui/pixel_bitmap.h"

namespace ui {

// A file as it was when it was read; another write gives another stamp.
struct FileStamp {
  uint64_t write_time = 0;
  uint64_t size = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

class PictureCache {
 public:
  explicit PictureCache(uint64_t most_bytes = uint64_t{96} << 20) : most_bytes_(most_bytes) {}

  // A copy of the picture kept for the file, decoded for `shown` (see Platform), or null.
  std::unique_ptr<Picture> FindPicture(const std::string& path, FileStamp stamp, Size shown) const;
  std::unique_ptr<PixelBitmap> FindGlyph(const std::string& path, FileStamp stamp) const;
  void KeepPicture(const std::string& path, FileStamp stamp, Size shown, const Picture& picture,
                   uint64_t bytes);
  void KeepGlyph(const std::string& path, FileStamp stamp, const PixelBitmap& glyph);
  void Clear();
  uint64_t KeptBytes() const { return kept_bytes_; }

 private:
  struct Entry {
    std::string path;
    FileStamp stamp;
    Size shown;
    std::unique_ptr<Picture> picture;  // or
    std::unique_ptr<PixelBitmap> glyph;
    uint64_t bytes = 0;
  };
  const Entry* Find(const std::string& path, FileStamp stamp, Size shown, bool glyph) const;
  void Keep(Entry entry);

  uint64_t most_bytes_;
  uint64_t kept_bytes_ = 0;
  std::vector<Entry> entries_;
};

}  // namespace ui
