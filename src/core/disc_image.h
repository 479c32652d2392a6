// "Make Disc Image": the CD folder as an ISO 9660 image with a Joliet tree, ready to burn.
// Portable: the caller lists the folder and supplies the bytes of each file (through the file
// module on Windows); the image goes to a sink, so nothing here touches a file system.
//
// Layout: 16 empty sectors, the primary and the Joliet volume descriptors and the terminator,
// the path tables (little- and big-endian, for each tree), the directories of the primary tree,
// those of the Joliet tree, then the files, each starting on a sector of its own and shared by
// both trees. The primary tree holds short names (NAME.EXT;1) for DOS and old drivers; Windows
// reads the Joliet tree with the real names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/file_system.h"

namespace core::disc {

inline constexpr uint32_t kSectorSize = 2048;
// Folders deeper than this below the root do not fit the primary tree (eight levels with the
// root); the image is refused rather than recorded against the standard.
inline constexpr int kDeepestFolder = 7;

// One file or folder of the CD folder, as its listing gives it: the path relative,
// '\\'-separated, UTF-8 ("art\\logo.png"); folders are listed too, and a missing parent is made
// on the way; a file's size (< 4 GiB) and last write. A link is left out: it stays off the disc.
using Entry = fs::FolderItem;

struct ImageOptions {
  std::string volume_label;  // the Joliet label (16 characters); the primary one is derived
  int64_t created = 0;       // seconds since 1970-01-01 UTC
};

class ByteSink {
 public:
  virtual bool Write(const uint8_t* data, size_t size) = 0;

 protected:
  ~ByteSink() = default;  // never owned through this interface: no destructor in every sink's table
};

class FileSource {
 public:
  virtual ~FileSource() = default;
  // Streams a file's content in pieces to `pieces`; false on a read failure. A piece the sink
  // refuses (returns false for) asks the source to stop.
  virtual bool Read(const std::string& path, ByteSink& pieces) = 0;
};

enum class ImageResult {
  Written,
  Cancelled,
  ReadFailed,  // the source failed
  Changed,     // a file's length is no longer the listed size
  WriteFailed,
  TooLarge,  // a file of 4 GiB or more, a name Joliet cannot hold, folders nested too deep
};

// Hears, with the context it was given, the bytes written so far and the total after every
// piece; returning false cancels. A plain function: a std::function would bring its type erasure
// and exception paths into the player.
using ImageProgress = bool (*)(void* context, uint64_t done, uint64_t total);

// Writes the image of `entries` to `sink`, telling `progress` (may be null) how far it is.
ImageResult WriteImage(const std::vector<Entry>& entries, const ImageOptions& options,
                       FileSource& source, ByteSink& sink, ImageProgress progress = nullptr,
                       void* context = nullptr);

// The bytes WriteImage writes for `entries` (also for a tree it would refuse, so that the
// medium check can still say how much room it needs).
uint64_t ImageSize(const std::vector<Entry>& entries);

}  // namespace core::disc
