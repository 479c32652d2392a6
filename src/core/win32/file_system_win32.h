// The Windows side of the file module, as far as its tests and the Windows code around it need
// to see it.
#pragma once

#include <string>

namespace core::fs {

// The UTF-16 path the wide file functions take for a UTF-8 path. A full path of MAX_PATH
// characters or more gets the "\\?\" form ("\\?\UNC\server\share\..." for a network path), which
// lifts Windows' limit of 260 characters; as that form also turns off the system's own tidying of
// a path, its slashes become backslashes here. A relative path cannot take that form and is left
// as it is; the program makes no long path with "." or ".." steps.
std::wstring SystemPath(const std::string& path);

// Makes the system's last error the one LastErrorText describes, for a file that the program
// opened without this module (the command line's report).
void NoteSystemError();

}  // namespace core::fs
