// Check Disc: what would go wrong if the CD folder were made into a disc now. The rules look at
// the design and at a listing of the CD folder only, never at the disc itself, so they run the
// same natively and on Windows and a window, the command line and the image writer share them.
//
// The rules, exactly (a "name" is one file or folder name; a "path" is the path below the CD
// folder, backslashes included, no leading backslash; both are UTF-8, and their lengths are
// counted in UTF-16 units, as Windows counts them and Joliet stores them):
//
// Errors
//  - a file the design names does not exist in the CD folder: a button's glyph and hot glyph, an
//    image's picture and hot picture, the target of a link that opens (a file or a folder), plays
//    or prints a file, a link's sound file, the start sound, the window icon; the same for the
//    start link; an "open" link's start folder that is not a folder;
//  - a glyph or a picture (under the mouse too) that exists but that the player cannot show (an
//    empty file, a text named .gif, a damaged PNG): the player's own loader, ui::Platform's
//    LoadBitmapFile and LoadPictureFile, decides;
//  - such a name lies outside the CD folder: a drive ("C:\...") or network ("\\server\...")
//    path, or one whose ".." climbs above the CD folder;
//  - two names in one folder that differ only in letter case, as Windows compares names: each
//    UTF-16 unit upper-cased by itself ("Ä.txt" and "ä.txt" are one name; fs::NameInCapitals);
//  - a name longer than 64 characters, or holding a control character or one of * / : ; ? \ ;
//  - a name that ends in a dot or a space, which Windows cannot open;
//  - a name holding a character outside the Basic Multilingual Plane (an emoji), which Joliet's
//    UCS-2 cannot record, or bytes that are not UTF-8 (which only a POSIX listing can give);
//  - a path longer than 240 characters (on the drive "D:\" + path must stay below Windows'
//    260-character limit with room for a file name beside it);
//  - a folder more than 6 levels below the CD folder (the root's own folders are level 1; ISO
//    9660 allows 8 levels counting the root, and the mkisofs family keeps one for relocation);
//  - a file of 4 GiB (4,294,967,296 bytes) or more: ISO 9660 records a size in 32 bits;
//  - an image larger than the chosen medium, as the image writer lays it out (disc::ImageSize).
// Warnings
//  - a link to a folder (a symbolic link, a junction) or a link that leads nowhere: it stays off
//    the disc;
//  - AutoRun.exe, AutoRun.ard, autorun.inf or AutoRun.ico is missing from the CD folder;
//  - AutoRun.ard or autorun.inf, which every save rewrites, is older than the design's last save,
//    or the design has changes not saved yet;
//  - a font the design uses is not one every Windows since Windows 7 ships;
//  - the address of an "Open URL" or "Send Email" link is not well formed (core/address_rules.h);
//  - a button with a link has an empty caption;
//  - a link that opens, plays or prints a file names no file.
// Each name or path error is reported once, at the highest folder it concerns.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app_state.h"
#include "core/file_system.h"

namespace core {

enum class DiscMedium : uint8_t { Cd700, Cd650, Dvd, DvdDualLayer };

struct DiscMediumInfo {
  DiscMedium medium;
  const char* name;     // as the drop-down shows it
  const char* keyword;  // as the command line takes it
  uint64_t capacity;    // bytes an image may take: sectors of 2,048 bytes
};

// In the drop-down's order, CD 700 MB first.
extern const std::array<DiscMediumInfo, 4> kDiscMedia;
const DiscMediumInfo& MediumInfo(DiscMedium medium);

// The largest name, path and folder depth a disc holds, and the first file size it cannot.
inline constexpr size_t kMaxDiscNameLength = 64;
inline constexpr size_t kMaxDiscPathLength = 240;
inline constexpr size_t kMaxDiscFolderDepth = 6;
inline constexpr uint64_t kFirstTooLargeFileSize = uint64_t{1} << 32;

struct CheckOptions {
  DiscMedium medium = DiscMedium::Cd700;
  // When the design was last saved into the CD folder, seconds since 1970 UTC; nothing when it
  // has not been saved in this session.
  std::optional<int64_t> design_saved_time;
  bool design_has_unsaved_changes = false;
};

enum class Severity : uint8_t { Error, Warning };

// Where the author mends what a finding names: the properties of its object (of the window, when
// it names none), the link of its object (the start link), or, for the folder's own findings,
// nowhere in the design.
enum class FindingPlace : uint8_t { Folder, Properties, Link };

struct Finding {
  Severity severity = Severity::Error;
  int object = -1;   // index in Project.Objects; -1 for the window or the folder
  std::string what;  // one sentence for the author
  std::string file;  // as the design names it, or the path below the CD folder; may be empty
  FindingPlace place = FindingPlace::Folder;
  friend bool operator==(const Finding&, const Finding&) = default;
};

// Checks the design against `folder`, the listing of app.CDFolder (fs::ListFolderTree). Errors
// come first, then warnings, each in the order: the window, the objects, the folder.
std::vector<Finding> CheckDisc(const AppState& app, const std::vector<fs::FolderItem>& folder,
                               const CheckOptions& options);

// The paths below the CD folder (backslashes, no leading one) of the files the design names and
// the rules above look for, in the order checked (a file named twice comes twice): the glyphs,
// pictures, sounds and icon, and what links open, play or print. Names outside the CD folder and
// start folders are left out; a link may open a folder, which a caller can tell by looking.
std::vector<std::string> FilesTheDesignNames(const AppState& app);

// "2 errors, 1 warning", "1 error", "3 warnings" or "No problems found".
std::string CheckSummary(const std::vector<Finding>& findings);

// For the command line: 0 when nothing was found, 1 for warnings only, 2 when there are errors.
int CheckExitCode(const std::vector<Finding>& findings);

// The part of the rules the font findings are made of, for the tests.
bool IsKnownWindowsFont(std::string_view name);

}  // namespace core
