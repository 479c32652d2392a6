// Which files Save As copies, and the key of a CD folder.
#include "designer/design_file.h"

#include "core/text.h"

namespace designer {

std::vector<std::string> FilesToCopy(const std::vector<std::string>& named, const std::string& from,
                                     const std::string& to) {
  std::vector<std::string> files;
  for (const std::string& path : named) {
    bool listed = false;  // a picture may well be named twice, as the normal and the hot one
    for (const std::string& file : files) listed = listed || file == path;
    if (!listed && core::fs::FileExists(core::Joined({from, "\\", path})) &&
        !core::fs::Stat(core::Joined({to, "\\", path}))) {
      files.push_back(path);
    }
  }
  return files;
}

std::string CopyFiles(const std::vector<std::string>& files, const std::string& from,
                      const std::string& to) {
  for (const std::string& path : files) {
    const std::string copy = core::Joined({to, "\\", path});
    core::fs::MakeFoldersAbove(copy);
    if (!core::fs::CopyFileOver(core::Joined({from, "\\", path}), copy)) return copy;
  }
  return {};
}

uint64_t FolderKey(const std::string& full_path) {
  // FNV-1a over the path in Windows' capitals, backslashes, no trailing one: 64 bits, so two
  // folders a designer opens never meet by chance.
  const std::string capitals = core::fs::NameInCapitals(full_path);
  size_t end = capitals.size();
  while (end > 0 && (capitals[end - 1] == '\\' || capitals[end - 1] == '/')) --end;
  uint64_t key = 14695981039346656037u;
  for (size_t i = 0; i < end; ++i) {
    key = (key ^ static_cast<uint8_t>(capitals[i] == '/' ? '\\' : capitals[i])) * 1099511628211u;
  }
  return key;
}

}  // namespace designer
