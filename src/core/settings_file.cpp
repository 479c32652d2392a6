// Settings file parsing and formatting.
#include "core/settings_file.h"

#include "core/paths.h"

namespace core {

std::string ParseDefaultPath(const std::string& contents) {
  const std::string key = UpperAscii(kDefaultPathKey);
  size_t start = 0;
  while (start <= contents.size()) {
    size_t end = contents.find('\n', start);
    if (end == std::string::npos) end = contents.size();
    std::string line = contents.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t equals = line.find('=');
    if (equals != std::string::npos && UpperAscii(line.substr(0, equals)) == key) {
      return line.substr(equals + 1);
    }
    start = end + 1;
  }
  return {};
}

std::string SettingsFileContents(const std::string& cd_folder) {
  return std::string(kDefaultPathKey) + "=" + cd_folder + "\r\n";
}

}  // namespace core
