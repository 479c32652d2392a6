// Settings file parsing and rewriting, line by line in place: the designer and the player are
// one small file.
#include "core/settings_file.h"

#include <string_view>

#include "core/file_system.h"
#include "core/paths.h"
#include "core/stored_text.h"

namespace core {
namespace {

constexpr std::string_view kRecentFolderKey = "RecentFolder";

// Takes the next line off `rest`, without its line end (a CR before the LF is dropped too).
std::string_view NextLine(std::string_view& rest) {
  const size_t end = rest.find('\n');
  std::string_view line = rest.substr(0, end);
  rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// The line's name (before its first equals sign) in upper case; a line without one has none.
std::string UpperName(std::string_view line) {
  const size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string()
                                          : UpperAscii(std::string(line.substr(0, equals)));
}

std::string RecentFolderKey(size_t number) {
  return std::string(kRecentFolderKey) + static_cast<char>('0' + number);
}

// RECENTFOLDER1 to RECENTFOLDER8.
bool IsRecentFolderName(const std::string& upper_name) {
  const std::string key = UpperAscii(std::string(kRecentFolderKey));
  return upper_name.size() == key.size() + 1 && upper_name.compare(0, key.size(), key) == 0 &&
         upper_name.back() >= '1' &&
         upper_name.back() <= static_cast<char>('0' + kMaxRecentFolders);
}

}  // namespace

std::string SettingValue(const std::string& contents, const std::string& name) {
  const std::string key = UpperAscii(name);
  for (std::string_view rest = contents; !rest.empty();) {
    const std::string_view line = NextLine(rest);
    if (UpperName(line) == key) return std::string(line.substr(line.find('=') + 1));
  }
  return {};
}

std::vector<std::string> RecentFolders(const std::string& contents) {
  std::vector<std::string> folders;
  for (size_t i = 1; i <= kMaxRecentFolders; ++i) {
    std::string folder = SettingValue(contents, RecentFolderKey(i));
    if (!folder.empty()) folders.push_back(std::move(folder));
  }
  return folders;
}

std::string WithRecentFolder(const std::string& contents, const std::string& folder) {
  std::string text;
  for (std::string_view rest = contents; !rest.empty();) {
    const std::string_view line = NextLine(rest);
    if (!IsRecentFolderName(UpperName(line))) text.append(line).append("\r\n");
  }
  std::vector<std::string> folders = RecentFolders(contents);
  folders.insert(folders.begin(), folder);
  size_t number = 0;
  for (size_t i = 0; i < folders.size() && number < kMaxRecentFolders; ++i) {
    // A folder named again, in any letter case, moves to the top instead of doubling.
    if (i > 0 && UpperAscii(folders[i]) == UpperAscii(folder)) continue;
    text.append(RecentFolderKey(++number)).append("=").append(folders[i]).append("\r\n");
  }
  return text;
}

std::string WithSetting(const std::string& contents, const std::string& name,
                        const std::string& value, bool first) {
  const std::string line = name + "=" + value + "\r\n";
  const std::string key = UpperAscii(name);
  std::string text;
  bool replaced = false;
  for (std::string_view rest = contents; !rest.empty();) {
    const std::string_view old = NextLine(rest);
    // Only the first line of a name is ever read: that one takes the new value.
    if (!replaced && UpperName(old) == key) {
      text += line;
      replaced = true;
    } else {
      text.append(old).append("\r\n");
    }
  }
  if (replaced) return text;
  return first ? line + text : text + line;
}

SnapSettings ReadSnapSettings(const std::string& contents) {
  SnapSettings settings;
  for (const SnapFlag& flag : kSnapFlags) {
    settings.*flag.setting = SettingValue(contents, flag.key) == "1";
  }
  const std::string size = SettingValue(contents, kGridSizeKey);
  int32_t value = 0;
  for (const char c : size) {
    value = c >= '0' && c <= '9' && value <= kMaxGridSize ? value * 10 + (c - '0') : -1;
    if (value < 0) break;
  }
  if (value >= kMinGridSize && value <= kMaxGridSize) settings.GridSize = value;
  return settings;
}

std::string SettingsFileContents(const std::string& existing, const std::string& cd_folder) {
  return WithRecentFolder(WithSetting(existing, kDefaultPathKey, cd_folder, true), cd_folder);
}

std::string SettingsFilePath(const std::string& exe_path) {
  return FolderWithoutTrailingBackslash(exe_path) + "\\" + kSettingsFileName;
}

std::string ReadSettingsFile(const std::string& path) {
  // A settings file that exists but cannot be read counts as a missing one.
  if (!fs::FileExists(path)) return {};
  const auto bytes = fs::ReadWholeFile(path);
  return bytes ? TextOfStored({reinterpret_cast<const char*>(bytes->data()), bytes->size()})
               : std::string();
}

std::vector<uint8_t> SettingsFileBytes(const std::string& text) {
  const std::string stored = StoredText(text);
  return std::vector<uint8_t>(stored.begin(), stored.end());
}

namespace {

bool WriteSettings(const std::string& path, const std::string& text) {
  return fs::ReplaceFileContents(path, SettingsFileBytes(text)) == fs::WriteOutcome::Written;
}

}  // namespace

bool RememberRecentFolder(const std::string& path, const std::string& folder) {
  return WriteSettings(path, WithRecentFolder(ReadSettingsFile(path), folder));
}

bool RememberSetting(const std::string& path, const std::string& name, const std::string& value) {
  return WriteSettings(path, WithSetting(ReadSettingsFile(path), name, value));
}

}  // namespace core
