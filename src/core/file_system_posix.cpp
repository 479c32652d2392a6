// File access for the native build (tests, fuzzing, benchmarks): Windows paths are mapped by
// turning every backslash into a slash; names are UTF-8 on both sides.
#include <dirent.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wctype.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/file_system.h"
#include "core/file_system_listing.h"
#include "core/utf8.h"

namespace core::fs {
namespace {

thread_local int last_errno = 0;
constexpr int kNotAFile = -1;  // no errno: a device or a pipe where a file was to be read

std::string Native(const std::string& path) {
  std::string result = path;
  for (char& c : result) {
    if (c == '\\') c = '/';
  }
  return result;
}

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using UniqueFile = std::unique_ptr<FILE, FileCloser>;

bool StatIs(const std::string& path, mode_t type) {
  struct stat st {};
  if (::stat(Native(path).c_str(), &st) != 0) return false;
  return (st.st_mode & S_IFMT) == type;
}

struct DirCloser {
  void operator()(DIR* d) const { ::closedir(d); }
};
using UniqueDir = std::unique_ptr<DIR, DirCloser>;

FileInfo InfoOf(const struct stat& st) {
  FileInfo info;
  info.folder = S_ISDIR(st.st_mode);
  info.size = info.folder ? 0 : static_cast<uint64_t>(st.st_size);
  info.modified = static_cast<int64_t>(st.st_mtime);
  return info;
}

bool WriteAll(FILE* f, const std::vector<uint8_t>& bytes) {
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
    last_errno = errno;
    return false;
  }
  if (std::fflush(f) != 0) {
    last_errno = errno;
    return false;
  }
  return true;
}

}  // namespace

bool ListOneFolder(const std::string& root, const std::string& relative,
                   std::vector<FolderItem>& items) {
  const std::string folder = Native(relative.empty() ? root : root + "\\" + relative);
  UniqueDir dir(::opendir(folder.c_str()));
  if (!dir) {
    last_errno = errno;
    return false;
  }
  errno = 0;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    const std::string full = folder + "/" + name;
    if (::lstat(full.c_str(), &st) != 0) {
      last_errno = errno;
      return false;
    }
    // A link to a file is listed as that file; a link to a folder, or one that leads nowhere, as
    // a link, not followed.
    const int64_t modified = st.st_mtime;
    const bool link =
        S_ISLNK(st.st_mode) && (::stat(full.c_str(), &st) != 0 || S_ISDIR(st.st_mode));
    items.push_back({relative.empty() ? name : relative + "\\" + name,
                     link ? FileInfo{0, modified, false, true} : InfoOf(st)});
    errno = 0;
  }
  if (errno != 0) {
    last_errno = errno;
    return false;
  }
  return true;
}

bool FileExists(const std::string& path) {
  return !path.empty() && StatIs(path, S_IFREG);
}
bool DirectoryExists(const std::string& path) {
  return !path.empty() && StatIs(path, S_IFDIR);
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path) {
  UniqueFile f(std::fopen(Native(path).c_str(), "rb"));
  if (!f) {
    last_errno = errno;
    return std::nullopt;
  }
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, f.get())) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  if (std::ferror(f.get())) {
    last_errno = errno;
    return std::nullopt;
  }
  return bytes;
}

WriteOutcome ReplaceFileContents(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string target = Native(path);
  const std::string temp = target + kTemporarySuffix;
  UniqueFile f(std::fopen(temp.c_str(), "wb"));
  if (!f) {
    last_errno = errno;
    return WriteOutcome::CannotCreate;
  }
  const bool written = WriteAll(f.get(), bytes);
  const bool closed = std::fclose(f.release()) == 0;
  if (!written || !closed) {
    if (last_errno == 0) last_errno = errno;
    std::remove(temp.c_str());
    return WriteOutcome::WriteFailed;
  }
  if (std::rename(temp.c_str(), target.c_str()) != 0) {
    last_errno = errno;
    std::remove(temp.c_str());
    return WriteOutcome::CannotCreate;  // the target refuses a file (a folder, read-only)
  }
  return WriteOutcome::Written;
}

PiecewiseFile::PiecewiseFile(const std::string& path)
    : path_(Native(path)), temp_(path_ + kTemporarySuffix) {
  handle_ = std::fopen(temp_.c_str(), "wb");
  if (handle_ == nullptr) last_errno = errno;
}

PiecewiseFile::~PiecewiseFile() {
  Discard();
}

void PiecewiseFile::Discard() {
  if (handle_ == nullptr) return;
  std::fclose(static_cast<FILE*>(handle_));
  handle_ = nullptr;
  std::remove(temp_.c_str());
}

bool PiecewiseFile::Write(const uint8_t* data, size_t size) {
  if (std::fwrite(data, 1, size, static_cast<FILE*>(handle_)) == size) return true;
  last_errno = errno;
  return false;
}

bool PiecewiseFile::Commit() {
  const bool closed = std::fclose(static_cast<FILE*>(handle_)) == 0;
  handle_ = nullptr;
  if (closed && std::rename(temp_.c_str(), path_.c_str()) == 0) return true;
  last_errno = errno;
  std::remove(temp_.c_str());
  return false;
}

bool ReadInPieces(const std::string& path,
                  bool (*piece)(void* context, const uint8_t* data, size_t size), void* context) {
  // Asked before opening: opening a pipe waits for a writer.
  struct stat st {};
  if (::stat(Native(path).c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    last_errno = kNotAFile;
    return false;
  }
  UniqueFile f(std::fopen(Native(path).c_str(), "rb"));
  if (!f) {
    last_errno = errno;
    return false;
  }
  std::vector<uint8_t> block(1u << 18);
  for (size_t got; (got = std::fread(block.data(), 1, block.size(), f.get())) > 0;) {
    if (!piece(context, block.data(), got)) return false;
  }
  if (!std::ferror(f.get())) return true;
  last_errno = errno;
  return false;
}

bool CopyFileOver(const std::string& from, const std::string& to) {
  auto bytes = ReadWholeFile(from);
  if (!bytes) return false;
  UniqueFile f(std::fopen(Native(to).c_str(), "wb"));
  if (!f) {
    last_errno = errno;
    return false;
  }
  const bool written = WriteAll(f.get(), *bytes);
  return std::fclose(f.release()) == 0 && written;
}

void MakeFoldersAbove(const std::string& path) {
  std::string folders = Native(path);
  for (size_t slash = folders.find('/', 1); slash != std::string::npos;
       slash = folders.find('/', slash + 1)) {
    folders[slash] = '\0';
    ::mkdir(folders.c_str(), 0777);  // one that is there already refuses, as it should
    folders[slash] = '/';
  }
}

std::optional<FileInfo> Stat(const std::string& path) {
  struct stat st {};
  if (path.empty() || ::stat(Native(path).c_str(), &st) != 0) {
    last_errno = errno;
    return std::nullopt;
  }
  return InfoOf(st);
}

std::string NameInCapitals(std::string_view name) {
  // The C.UTF-8 locale upper-cases a character by itself, by Unicode's simple mapping, as Windows
  // does with a unit of the Basic Multilingual Plane; a character beyond it, like a surrogate pair
  // on Windows, and a byte that is not UTF-8 stay as they are.
  static const locale_t kUtf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  std::string capitals;
  capitals.reserve(name.size());
  for (size_t at = 0; at < name.size();) {
    const Utf8Character c = DecodeUtf8(name, at);
    if (c.length == 0) {
      capitals += name[at++];
      continue;
    }
    const bool plain = c.code > 0xFFFF || kUtf8 == locale_t{};
    AppendUtf8(capitals, plain ? c.code : static_cast<uint32_t>(::towupper_l(c.code, kUtf8)));
    at += c.length;
  }
  return capitals;
}

std::string LastErrorText() {
  return last_errno == kNotAFile ? kNotAFileText : std::strerror(last_errno);
}

std::string FullPath(const std::string& path) {
  std::string native = Native(path);
  if (native.empty() || native[0] != '/') {
    char here[4096];
    if (::getcwd(here, sizeof here) != nullptr) native = std::string(here) + "/" + native;
  }
  // The steps followed as the system follows them.
  std::string full;
  for (size_t at = 0; at < native.size();) {
    const size_t end = std::min(native.find('/', at), native.size());
    const std::string_view step(native.data() + at, end - at);
    if (step == "..") {
      full.resize(full.empty() ? 0 : full.rfind('/'));
    } else if (!step.empty() && step != ".") {
      (full += '/') += step;
    }
    at = end + 1;
  }
  return full.empty() ? "/" : full;
}

}  // namespace core::fs
