// The one door of the portable code to files. Paths are Windows paths (backslash separators) in
// UTF-8; the native build turns backslashes into slashes, so the same code and tests run on Linux.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core::fs {

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// The whole content of a file, or nothing when it cannot be opened or read to its end.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path);

enum class WriteOutcome { Written, CannotCreate, WriteFailed };

// What a file's temporary name beside it adds to its name while it is being written.
inline constexpr char kTemporarySuffix[] = ".~tmp";

// Writes `bytes` to `path` through a temporary file beside it, and replaces `path` only once
// the new content is complete, so that a failed write leaves the previous file as it was.
// CannotCreate: neither the temporary file nor, in the end, `path` itself could be made (a
// folder of that name, a read-only file); WriteFailed: the content could not be written.
WriteOutcome ReplaceFileContents(const std::string& path, const std::vector<uint8_t>& bytes);

// Copies a file, replacing the destination. False when anything fails.
bool CopyFileOver(const std::string& from, const std::string& to);

// Makes the folders above the file `path` that are missing (a copy's destination), as far as it
// can: the copy into them then says whether they are there.
void MakeFoldersAbove(const std::string& path);

// A file too large to hold in memory (a disc image), written in pieces under a temporary name
// beside `path`. Commit puts it in place of `path`; until then the previous file stays as it was,
// and destroying it uncommitted (cancelled, failed) deletes the temporary file.
class PiecewiseFile {
 public:
  explicit PiecewiseFile(const std::string& path);
  ~PiecewiseFile();
  PiecewiseFile(const PiecewiseFile&) = delete;
  PiecewiseFile& operator=(const PiecewiseFile&) = delete;
  bool IsOpen() const { return handle_ != nullptr; }
  bool Write(const uint8_t* data, size_t size);
  bool Commit();

 private:
  void Discard();
  std::string path_;
  std::string temp_;
  void* handle_ = nullptr;  // the platform's open file
};

// Hands the content of a file to `piece` in blocks; false when the file cannot be read to its
// end, or as soon as `piece` returns false. A device or a pipe is no file: reading one could give
// bytes without end, or wait for them forever, so it is refused (LastErrorText: kNotAFileText).
bool ReadInPieces(const std::string& path,
                  bool (*piece)(void* context, const uint8_t* data, size_t size), void* context);

inline constexpr char kNotAFileText[] = "It is a device or a pipe, not a file.";

// What the check of a CD folder needs to know of a file or folder.
struct FileInfo {
  uint64_t size = 0;     // bytes; 0 for a folder
  int64_t modified = 0;  // last write, seconds since 1970-01-01 00:00 UTC
  bool folder = false;
  bool link = false;  // a link to a folder (or a junction) or one that leads nowhere: not followed
};

// The facts of one file or folder, or nothing when it does not exist or cannot be read.
std::optional<FileInfo> Stat(const std::string& path);

// One entry below a listed root: its path relative to the root, folders joined by backslashes,
// with no leading backslash ("pics\logo.jpg").
struct FolderItem {
  std::string path;
  FileInfo info;
};

// Every file and folder below `root`, at any depth, sorted by path (byte order), replacing the
// contents of `items`. A link to a file is listed as that file. Links to folders (symbolic links,
// junctions) and links that lead nowhere are listed as links, neither files nor folders, and not
// followed, so that a loop cannot trap the listing. False, with LastErrorText set, when the root
// or any folder below it cannot be read; `items` then holds what was read so far.
bool ListFolderTree(const std::string& root, std::vector<FolderItem>& items);

// A name in the form in which Windows compares names in a folder: each UTF-16 unit upper-cased on
// its own, as NTFS's upcase table and the CD file system do ("Ä.txt" and "ä.txt" are one name;
// "ß" stays "ß"), so two names Windows takes as one come out equal. Many names may go at once,
// NULs between them: each character is upper-cased by itself.
std::string NameInCapitals(std::string_view name);

// The system's own words for the last failed file operation of this thread.
std::string LastErrorText();

// `path` as the system takes it from the current folder: whole from the drive or the network
// share on, with its "." and ".." steps followed.
std::string FullPath(const std::string& path);

}  // namespace core::fs
