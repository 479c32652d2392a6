// The shell's folder browser, limited to file-system folders and opened at a given folder.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The chosen folder's path, or nothing when the author cancels. With `new_folders`, the larger,
// resizable browser that can also make a new folder.
std::optional<std::string> BrowseForFolder(HWND owner, const std::string& prompt,
                                           const std::string& start_folder,
                                           bool new_folders = false);
