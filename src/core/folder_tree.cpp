// A CD folder's whole tree, walked the same way on every platform.
#include <cstdlib>

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
  // Sorted by the C library's sort, through pointers (it moves its elements byte by byte, which a
  // string does not survive): std::sort would bring a sort of its own into the player.
  if (items.size() < 2) return true;  // qsort takes no empty list
  std::vector<FolderItem*> order(items.size());
  for (size_t i = 0; i < items.size(); ++i) order[i] = &items[i];
  std::qsort(order.data(), order.size(), sizeof(FolderItem*), [](const void* a, const void* b) {
    return (*static_cast<FolderItem* const*>(a))
        ->path.compare((*static_cast<FolderItem* const*>(b))->path);
  });
  std::vector<FolderItem> sorted;
  sorted.reserve(items.size());
  for (FolderItem* item : order) sorted.push_back(std::move(*item));
  items.swap(sorted);
  return true;
}

}  // namespace core::fs
