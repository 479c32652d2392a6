// The designer's settings file Quorvane.ini: plain name=value lines without sections, of which
// only DefaultPath (the CD folder last saved to) is read and written.
#pragma once

#include <string>

namespace core {

inline constexpr char kSettingsFileName[] = "Quorvane.ini";
inline constexpr char kDefaultPathKey[] = "DefaultPath";

// The value of the first line whose name is DefaultPath in any letter case: everything after
// that line's first equals sign, unchanged. Empty when no line names it.
std::string ParseDefaultPath(const std::string& contents);

// The whole settings file as deployment writes it.
std::string SettingsFileContents(const std::string& cd_folder);

}  // namespace core
