// The designer's settings file Quorvane.ini: plain name=value lines without sections. DefaultPath
// is the CD folder last saved to; RecentFolder1 to RecentFolder8 are the CD folders last opened
// or saved to, the most recent first, for the File menu; SnapToObjects, ShowGrid, SnapToGrid and
// GridSize are the author's snapping and grid. Rewriting one setting keeps every other line as it
// was, so that settings this version does not know survive it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/product_names.h"

namespace core {

inline constexpr char kDefaultPathKey[] = "DefaultPath";
inline constexpr size_t kMaxRecentFolders = 8;

// How a drag lands: on other objects' and the design area's edges and centres, on the grid. All
// off unless the author switched them on; they belong to the designer, never to a design.
struct SnapSettings {
  bool ToObjects = false;
  bool ShowGrid = false;
  bool ToGrid = false;
  int32_t GridSize = 8;
};
// The switches of the snapping and the grid with their names in the settings file.
struct SnapFlag {
  const char* key;
  bool SnapSettings::*setting;
};
inline constexpr SnapFlag kSnapFlags[] = {{"SnapToObjects", &SnapSettings::ToObjects},
                                          {"ShowGrid", &SnapSettings::ShowGrid},
                                          {"SnapToGrid", &SnapSettings::ToGrid}};
inline constexpr char kGridSizeKey[] = "GridSize";
// Finer than 2 the dots would cover the design; coarser than 100 no grid is left to snap to.
inline constexpr int32_t kMinGridSize = 2;
inline constexpr int32_t kMaxGridSize = 100;

// The value of the first line whose name is `name` in any letter case: everything after that
// line's first equals sign, unchanged. Empty when no line names it.
std::string SettingValue(const std::string& contents, const std::string& name);
inline std::string ParseDefaultPath(const std::string& contents) {
  return SettingValue(contents, kDefaultPathKey);
}

// The recent CD folders, the most recent first; empty values are skipped.
std::vector<std::string> RecentFolders(const std::string& contents);

// The settings with `folder` first among the recent folders (a folder named again in another
// letter case moves rather than doubles) and at most eight of them; other lines kept.
std::string WithRecentFolder(const std::string& contents, const std::string& folder);

// The settings with the first line named `name` (in any letter case) set to `value`, or a line
// for it added last (first when `first`); every other line kept.
std::string WithSetting(const std::string& contents, const std::string& name,
                        const std::string& value, bool first = false);

// The snapping and grid settings: a flag is on when its value is 1; a grid size that is no
// whole number from 2 to 100 counts as missing.
SnapSettings ReadSnapSettings(const std::string& contents);

// The settings as a save leaves them: DefaultPath names `cd_folder` (its line first when there was
// none), `cd_folder` is the most recent folder, and every other line is kept. For no settings
// file yet, `existing` is empty.
std::string SettingsFileContents(const std::string& existing, const std::string& cd_folder);

// The settings file's path: beside the designer.
std::string SettingsFilePath(const std::string& exe_path);
// The settings file read as text; empty when it is missing or cannot be read.
std::string ReadSettingsFile(const std::string& path);

// The file's bytes for its text: in the system code page while every line fits it, as older
// designers wrote and read it; else UTF-8 behind its mark, which ReadSettingsFile honours.
std::vector<uint8_t> SettingsFileBytes(const std::string& text);
// Puts `folder` first among the recent folders of the settings file at `path`; false when the
// file could not be written.
bool RememberRecentFolder(const std::string& path, const std::string& folder);
// Sets one setting in the settings file at `path`; false when the file could not be written.
bool RememberSetting(const std::string& path, const std::string& name, const std::string& value);

}  // namespace core
