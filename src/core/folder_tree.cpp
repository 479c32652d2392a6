// A CD folder's whole tree, walked the same way on every platform.
#include <algorithm>

#include "core/file_system_listing.h"

namespace core::fs {

bool ListFolderTree(const std::string& root, std::vector<FolderItem>& items) {
  items.clear();
  if (!ListOneFolder(root, "", items)) return false;
  // Breadth first: the items vector itself is the queue of folders still to read.
  for (size_t next = 0; next < items.size(); ++next) {
    if (!items[next].info.folder) continue;
    const std::string relative = items[next].path;
    if (!ListOneFolder(root, relative, items)) return false;
  }
  std::sort(items.begin(), items.end(),
            [](const FolderItem& a, const FolderItem& b) { return a.path < b.path; });
  return true;
}

}  // namespace core::fs
