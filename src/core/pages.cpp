// Pages' names and files.
#include "core/pages.h"

#include <algorithm>

#include "core/paths.h"
#include "core/product_names.h"

namespace core {

bool IsPageFile(std::string_view name) {
  return name.size() > kPageExtension.size() &&
         EqualsIgnoringAsciiCase(name.substr(name.size() - kPageExtension.size()), kPageExtension);
}

bool IsStartPage(std::string_view file) {
  return EqualsIgnoringAsciiCase(NameInPath(file), kProjectFileName);
}

std::string PageName(std::string_view file) {
  std::string_view name = NameInPath(file);
  if (IsPageFile(name)) name.remove_suffix(kPageExtension.size());
  return std::string(name);
}

std::string PageTarget(std::string_view name) {
  std::string target = "\\";
  target.append(name).append(kPageExtension);
  return target;
}

std::vector<std::string> PageFiles(const std::vector<fs::FolderItem>& listing) {
  std::vector<std::string> pages;
  for (const fs::FolderItem& item : listing) {
    if (!item.info.folder && item.path.find('\\') == std::string::npos && IsPageFile(item.path)) {
      pages.push_back(item.path);
    }
  }
  std::sort(pages.begin(), pages.end(), [](const std::string& a, const std::string& b) {
    if (IsStartPage(a) != IsStartPage(b)) return IsStartPage(a);
    return CompareIgnoringAsciiCase(a, b) < 0;
  });
  return pages;
}

}  // namespace core
