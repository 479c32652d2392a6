// File access on Windows through the wide entry points: a UTF-8 path becomes UTF-16 at the call,
// and a name the system gives back becomes UTF-8 at once, so every name reaches the program as it
// is (the ANSI entry points put "?" or a look-alike in place of what the code page lacks).
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "core/file_system.h"
#include "core/file_system_listing.h"
#include "core/text.h"
#include "core/win32/file_system_win32.h"
#include "ui/win32/wide_text.h"

namespace core::fs {

std::wstring SystemPath(const std::string& path) {
  std::wstring wide = ui::win32::WideOf(path);
  if (wide.size() < MAX_PATH) return wide;
  std::string full = path;
  std::replace(full.begin(), full.end(), '/', '\\');
  const bool network = full[0] == '\\' && full[1] == '\\' && full[2] != '?' && full[2] != '.';
  if (!network && !(full[1] == ':' && full[2] == '\\')) return wide;
  return ui::win32::WideOf(
      Joined({network ? "\\\\?\\UNC" : "\\\\?\\", std::string_view(full).substr(network ? 1 : 0)}));
}

namespace {

// The program does all its file work on its one window thread, so a plain variable will do: a
// thread-local one would bring the threads library's emulated storage into the player.
DWORD last_error = 0;
// The module's own code for a device or a pipe where a file was to be read (bit 29 marks a code
// as the application's, never the system's).
constexpr DWORD kNotAFile = 0x20000001;

struct HandleCloser {
  void operator()(HANDLE h) const { ::CloseHandle(h); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

UniqueHandle OpenHandle(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
  HANDLE h = ::CreateFileW(SystemPath(path).c_str(), access, share, nullptr, disposition,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    last_error = ::GetLastError();
    return nullptr;
  }
  return UniqueHandle(h);
}

bool WriteAll(HANDLE h, const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(h, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
      last_error = ::GetLastError();
      return false;
    }
    done += written;
  }
  return true;
}

struct FindCloser {
  void operator()(HANDLE h) const { ::FindClose(h); }
};
using UniqueFind = std::unique_ptr<void, FindCloser>;

// FILETIME counts 100-nanosecond steps from 1601-01-01 UTC.
int64_t SecondsSince1970(FILETIME time) {
  const uint64_t ticks = (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  constexpr int64_t kTicksFrom1601To1970 = 116444736000000000;
  return (static_cast<int64_t>(ticks) - kTicksFrom1601To1970) / 10000000;
}

FileInfo InfoOf(DWORD attributes, DWORD size_high, DWORD size_low, FILETIME written) {
  FileInfo info;
  info.folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  info.size = info.folder ? 0 : (static_cast<uint64_t>(size_high) << 32) | size_low;
  info.modified = SecondsSince1970(written);
  return info;
}

bool AttributesAre(const std::string& path, bool directory) {
  if (path.empty()) return false;
  const DWORD attributes = ::GetFileAttributesW(SystemPath(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  return ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == directory;
}

// Puts a complete temporary file in place of `path`, replacing what was there.
bool MoveOver(const std::string& temp, const std::string& path) {
  return ::MoveFileExW(SystemPath(temp).c_str(), SystemPath(path).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace

bool ListOneFolder(const std::string& root, const std::string& relative,
                   std::vector<FolderItem>& items) {
  const std::string pattern = (relative.empty() ? root : root + "\\" + relative) + "\\*";
  // The basic information leaves out the 8.3 names, which nothing here uses, and large fetches
  // take a big folder in fewer calls.
  WIN32_FIND_DATAW found{};
  const HANDLE first =
      ::FindFirstFileExW(SystemPath(pattern).c_str(), FindExInfoBasic, &found,
                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (first == INVALID_HANDLE_VALUE) {
    // The root of an empty drive has not even "." and "..".
    if (::GetLastError() == ERROR_FILE_NOT_FOUND) return true;
    last_error = ::GetLastError();
    return false;
  }
  UniqueFind find(first);
  do {
    const wchar_t* const wide_name = found.cFileName;
    if (wide_name[0] == L'.' && (wide_name[1] == 0 || (wide_name[1] == L'.' && wide_name[2] == 0)))
      continue;
    const std::string name = ui::win32::Utf8Of(wide_name);
    items.push_back({relative.empty() ? name : relative + "\\" + name,
                     InfoOf(found.dwFileAttributes, found.nFileSizeHigh, found.nFileSizeLow,
                            found.ftLastWriteTime)});
    FolderItem& item = items.back();
    // A junction or a link to a folder is not followed, so that a loop cannot trap the listing. A
    // link to a file is what it leads to (the listing holds the link's own size); a link that leads
    // nowhere cannot be read.
    if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
      std::optional<FileInfo> target;
      if (!item.info.folder) target = Stat(root + "\\" + item.path);
      if (target && !target->folder) {
        item.info = *target;
      } else {
        item.info.size = 0;
        item.info.folder = false;
        item.info.link = true;
      }
    }
  } while (::FindNextFileW(find.get(), &found));
  const DWORD error = ::GetLastError();
  if (error != ERROR_NO_MORE_FILES) {
    last_error = error;
    return false;
  }
  return true;
}

bool FileExists(const std::string& path) {
  return AttributesAre(path, false);
}
bool DirectoryExists(const std::string& path) {
  return AttributesAre(path, true);
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path) {
  UniqueHandle h = OpenHandle(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  if (!h) return std::nullopt;
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(h.get(), chunk, sizeof chunk, &got, nullptr)) {
      last_error = ::GetLastError();
      return std::nullopt;
    }
    if (got == 0) break;
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  return bytes;
}

WriteOutcome ReplaceFileContents(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string temp = path + kTemporarySuffix;
  {
    UniqueHandle h = OpenHandle(temp, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!h) return WriteOutcome::CannotCreate;
    if (!WriteAll(h.get(), bytes) || !::FlushFileBuffers(h.get())) {
      if (last_error == 0) last_error = ::GetLastError();
      h.reset();
      ::DeleteFileW(SystemPath(temp).c_str());
      return WriteOutcome::WriteFailed;
    }
  }
  if (!MoveOver(temp, path)) {
    last_error = ::GetLastError();
    ::DeleteFileW(SystemPath(temp).c_str());
    return WriteOutcome::CannotCreate;  // the target refuses a file (a folder, read-only)
  }
  return WriteOutcome::Written;
}

PiecewiseFile::PiecewiseFile(const std::string& path)
    : path_(path), temp_(path + kTemporarySuffix) {
  handle_ = OpenHandle(temp_, GENERIC_WRITE, 0, CREATE_ALWAYS).release();
}

PiecewiseFile::~PiecewiseFile() {
  Discard();
}

void PiecewiseFile::Discard() {
  if (handle_ == nullptr) return;
  ::CloseHandle(handle_);
  handle_ = nullptr;
  ::DeleteFileW(SystemPath(temp_).c_str());
}

bool PiecewiseFile::Write(const uint8_t* data, size_t size) {
  while (size > 0) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 1u << 20));
    if (!::WriteFile(handle_, data, chunk, &written, nullptr) || written == 0) {
      last_error = ::GetLastError();
      return false;
    }
    data += written;
    size -= written;
  }
  return true;
}

bool PiecewiseFile::Commit() {
  const bool closed = ::CloseHandle(handle_) != 0;
  handle_ = nullptr;
  if (closed && MoveOver(temp_, path_)) return true;
  last_error = ::GetLastError();
  ::DeleteFileW(SystemPath(temp_).c_str());
  return false;
}

bool ReadInPieces(const std::string& path,
                  bool (*piece)(void* context, const uint8_t* data, size_t size), void* context) {
  UniqueHandle h = OpenHandle(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  if (!h) return false;
  if (::GetFileType(h.get()) != FILE_TYPE_DISK) {
    last_error = kNotAFile;
    return false;
  }
  std::vector<uint8_t> block(1u << 18);
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(h.get(), block.data(), static_cast<DWORD>(block.size()), &got, nullptr)) {
      last_error = ::GetLastError();
      return false;
    }
    if (got == 0) return true;
    if (!piece(context, block.data(), got)) return false;
  }
}

bool CopyFileOver(const std::string& from, const std::string& to) {
  if (::CopyFileW(SystemPath(from).c_str(), SystemPath(to).c_str(), FALSE)) return true;
  last_error = ::GetLastError();
  return false;
}

void MakeFoldersAbove(const std::string& path) {
  std::wstring folders = SystemPath(path);
  for (wchar_t& c : folders) {
    if (c != L'\\' || &c == &folders[0]) continue;
    c = L'\0';
    // A folder that is there already refuses, as it should.
    ::CreateDirectoryW(folders.c_str(), nullptr);
    c = L'\\';
  }
}

std::optional<FileInfo> Stat(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (path.empty() ||
      !::GetFileAttributesExW(SystemPath(path).c_str(), GetFileExInfoStandard, &data)) {
    last_error = ::GetLastError();
    return std::nullopt;
  }
  return InfoOf(data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow, data.ftLastWriteTime);
}

std::string NameInCapitals(std::string_view name) {
  // CharUpperBuffW upper-cases each unit by itself, the same in every language ("i" is always
  // "I"), as the file system's upcase table does.
  std::wstring wide = ui::win32::WideOf(name);
  ::CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return ui::win32::Utf8Of(wide);
}

std::string LastErrorText() {
  if (last_error == kNotAFile) return kNotAFileText;
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, last_error, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
  std::string text =
      length > 0 && buffer != nullptr ? ui::win32::Utf8Of(buffer, static_cast<int>(length)) : "";
  ::LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
    text.pop_back();
  }
  return text.empty() ? Joined({"Error ", Decimal(last_error)}) : text;
}

void NoteSystemError() {
  last_error = ::GetLastError();
}

std::string FullPath(const std::string& path) {
  wchar_t* full = ::_wfullpath(nullptr, ui::win32::WideOf(path).c_str(), 0);
  if (full == nullptr) return path;
  std::string text = ui::win32::Utf8Of(full);
  std::free(full);
  return text;
}

}  // namespace core::fs
