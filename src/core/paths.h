// Text operations on Windows paths, byte for byte in the system code page: no case folding
// beyond ASCII, no normalisation.
#pragma once

#include <string>
#include <string_view>

namespace core {

// The part after the last backslash.
std::string FileNamePart(const std::string& path);
// FileNamePart and FolderWithoutTrailingBackslash as views into `path`, for work over many paths.
std::string_view NameInPath(std::string_view path);
std::string_view FolderOfPath(std::string_view path);
// The part up to and including the last backslash (empty when there is none).
std::string FolderPart(const std::string& path);
// The folder part without its one trailing backslash.
std::string FolderWithoutTrailingBackslash(const std::string& path);
// Upper case of the ASCII letters a-z only; every other byte is kept.
std::string UpperAscii(std::string text);
// The order of two texts as UpperAscii makes them, without making them: negative, zero or
// positive.
int CompareIgnoringAsciiCase(std::string_view a, std::string_view b);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// The CD-relative form ("\sub\file") of a path inside `folder`, or "" when the path does not lie
// in the folder or below it. Letter case counts; a sibling folder whose name merely starts like
// the folder is outside.
std::string RelativeToFolder(const std::string& folder, const std::string& path);

}  // namespace core
