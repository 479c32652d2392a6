// The folders the author chooses: the folder picker of Windows Vista on, opened where the author
// is, and the shell's classic folder browser where that picker is missing. Both offer only
// file-system folders.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The chosen folder's path, or nothing when the author cancels. The picker opens in
// `start_folder` (none: where it likes), with `prompt` as its title. With `new_folders` the
// author can also make a new folder there: under Wine, whose picker cannot, the classic browser
// runs instead.
std::optional<std::string> PickFolder(HWND owner, const std::string& prompt,
                                      const std::string& start_folder, bool new_folders);

// The classic browser, with the folder `start_folder` selected; with `new_folders`, the larger,
// resizable browser that can also make a new folder.
std::optional<std::string> BrowseForFolder(HWND owner, const std::string& prompt,
                                           const std::string& start_folder,
                                           bool new_folders = false);
