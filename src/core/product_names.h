// The names Quorvane and its discs go by, in one place: the product, the caption of a new menu,
// the files a save puts into a CD folder, and the files the designer keeps beside itself.
#pragma once

namespace core {

inline constexpr char kProductName[] = "Quorvane";
inline constexpr char kNewMenuCaption[] = "AutoRun";

// In the CD folder. The player is this program under the name that makes it the player.
inline constexpr char kPlayerFileName[] = "AutoRun.exe";
inline constexpr char kProjectFileName[] = "AutoRun.ard";
inline constexpr char kCdIconName[] = "AutoRun.ico";
inline constexpr char kAutorunInfName[] = "autorun.inf";

// Beside the designer.
inline constexpr char kSettingsFileName[] = "Quorvane.ini";

}  // namespace core
