// The platform's part of listing a folder tree, for the portable walk over it.
#pragma once

#include <string>
#include <vector>

#include "core/file_system.h"

namespace core::fs {

// Appends the files and folders of one folder (`relative` to `root`, "" for the root itself),
// each named by its path relative to `root`. False, with LastErrorText set, when the folder
// cannot be read.
bool ListOneFolder(const std::string& root, const std::string& relative,
                   std::vector<FolderItem>& items);

}  // namespace core::fs
