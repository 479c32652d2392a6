// The small encodings of a disc image (ECMA-119, ISO 9660, with Microsoft's Joliet
// supplement): numbers recorded in both byte orders, recording dates, the short names of the
// primary directory tree and the UCS-2 names of the Joliet tree. No file system, no state.
// Identifiers are handled as the bytes they are recorded as (single bytes in the primary tree,
// big-endian UCS-2 in the Joliet tree), in plain buffers: this code goes into the player, and
// string classes of other character types would bring their whole code along.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace core::disc {

// The two directory trees of an image: the primary one with short names for DOS and old drivers,
// and the Joliet one with the real names. They index the arrays that hold a fact for each tree.
enum Tree : uint8_t { kPrimaryTree, kJolietTree, kTrees };

// Numbers of `bytes` bytes (2 or 4). Both-endian is the little-endian copy followed by the
// big-endian one, 2 * `bytes` in all.
void PutLittle(uint8_t* at, uint32_t value, int bytes);
void PutBig(uint8_t* at, uint32_t value, int bytes);
void PutBoth(uint8_t* at, uint32_t value, int bytes);

// A directory record's date: 7 bytes (years since 1900, month, day, hour, minute, second, zone
// 0 = UTC). Years outside 1900..2155 are clamped, as a byte cannot hold them.
void PutRecordDate(uint8_t* at, int64_t seconds_since_1970);
// A volume descriptor's date: 16 digits "YYYYMMDDHHMMSS00" and a zone byte of 0 (UTC).
void PutVolumeDate(uint8_t* at, int64_t seconds_since_1970);

// One entry of a folder for ShortNames: its UTF-8 name and kind in, its short name out.
struct ShortNameSlot {
  std::string_view name;
  bool folder = false;
  char short_name[13] = {};  // NUL-terminated, NUL-padded
  uint32_t next_twin = 0;    // ShortNames' own: the number the next twin of this name tries
};

// The primary tree's names for the entries slots[members[0]], slots[members[1]], ... of one
// folder: capitals, digits and '_' only, 8 characters and a 3-character extension for a file,
// 8 characters for a folder, each unique in the folder. A name that is already short and
// unique keeps it; the others become NAME_001.EXT, NAME_002.EXT, ... The result carries no
// version: an extension-less file is "README", recorded as "README.;1".
void ShortNames(ShortNameSlot* slots, const uint32_t* members, size_t count);

// Writes the identifier recorded for a short name and returns its length (at most 14): files
// gain the separator if they lack one and the version ";1"; folders stay as they are.
size_t RecordedShortName(const char* short_name, bool folder, uint8_t* out);

// Joliet names are UCS-2, recorded big-endian, at most this many characters long.
inline constexpr size_t kJolietNameLimit = 64;

// Writes the Joliet name (big-endian UCS-2, up to 2 * utf8.size() bytes) for a UTF-8 name and
// returns its bytes; 0 when Joliet cannot hold it: bad UTF-8, a character outside the Basic
// Multilingual Plane, a control character or one of * / : ; ? \, an empty name, or more than
// kJolietNameLimit characters.
size_t JolietName(std::string_view utf8, uint8_t* out);

// The volume labels derived from the one the user gives, as characters: the primary
// descriptor's in capitals, digits and '_' (at most 32), the Joliet descriptor's in UCS-2 (at
// most 16 characters, a character Joliet cannot hold becomes '_'). Returns the count.
size_t VolumeLabel(std::string_view label, bool joliet, char16_t out[32]);

// The order of directory records (ECMA-119 9.3) of one tree: by name,
// then by extension, each padded (with a space in the primary tree, 0 in the Joliet tree); a
// folder's identifier is all name, a file's extension follows its last '.', and a version
// (";1") is ignored.
bool RecordBefore(std::string_view a, bool a_folder, std::string_view b, bool b_folder, Tree tree);

}  // namespace core::disc
