// Path text operations.
#include "core/paths.h"

namespace core {

std::string_view NameInPath(std::string_view path) {
  const size_t slash = path.rfind('\\');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view FolderOfPath(std::string_view path) {
  const size_t slash = path.rfind('\\');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

std::string FileNamePart(const std::string& path) {
  return std::string(NameInPath(path));
}

std::string FolderPart(const std::string& path) {
  const auto slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FolderWithoutTrailingBackslash(const std::string& path) {
  return std::string(FolderOfPath(path));
}

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

int CompareIgnoringAsciiCase(std::string_view a, std::string_view b) {
  const size_t common = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < common; ++i) {
    const auto upper = [](char c) {
      return static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    };
    if (upper(a[i]) != upper(b[i])) return upper(a[i]) < upper(b[i]) ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareIgnoringAsciiCase(a, b) == 0;
}

std::string RelativeToFolder(const std::string& folder, const std::string& path) {
  if (folder.empty()) return {};
  const size_t n = folder.size();
  if (path.compare(0, n, folder) != 0) return {};
  const bool below =
      (path.size() > n && path[n] == '\\') || (folder.back() == '\\' && path.size() > n);
  return below ? path.substr(n) : std::string();
}

}  // namespace core
