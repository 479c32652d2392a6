// File access for the native build (tests, fuzzing, benchmarks): Windows paths are mapped by
// turning every backslash into a slash.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/file_system.h"

namespace core::fs {
namespace {

thread_local int last_errno = 0;

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
  const std::string temp = target + ".~tmp";
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

std::string LastErrorText() {
  return std::strerror(last_errno);
}

}  // namespace core::fs
