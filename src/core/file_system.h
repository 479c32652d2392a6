// The one door of the portable code to files. Paths are Windows paths (backslash separators);
// the native build turns backslashes into slashes, so the same code and tests run on Linux.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace core::fs {

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// The whole content of a file, or nothing when it cannot be opened or read to its end.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path);

enum class WriteOutcome { Written, CannotCreate, WriteFailed };

// Writes `bytes` to `path` through a temporary file beside it, and replaces `path` only once
// the new content is complete, so that a failed write leaves the previous file as it was.
// CannotCreate: neither the temporary file nor, in the end, `path` itself could be made (a
// folder of that name, a read-only file); WriteFailed: the content could not be written.
WriteOutcome ReplaceFileContents(const std::string& path, const std::vector<uint8_t>& bytes);

// Copies a file, replacing the destination. False when anything fails.
bool CopyFileOver(const std::string& from, const std::string& to);

// The system's own words for the last failed file operation of this thread.
std::string LastErrorText();

}  // namespace core::fs
