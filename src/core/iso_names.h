// The small encodings of a disc image (ECMA-119, ISO 9660, with Microsoft's Joliet
// supplement): numbers recorded in both byte orders, recording dates, the short names of the
// primary directory tree and the UCS-2 names of the Joliet tree. No file system, no state.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace core::disc {

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

// The primary tree's names for the entries of one folder (UTF-8 names, true for a folder), in
// the same order: capitals, digits and '_' only, 8 characters and a 3-character extension for
// a file, 8 characters for a folder, each unique in the folder. A name that is already short
// and unique keeps it; the others become NAME_001.EXT, NAME_002.EXT, ... The result carries no
// version: an extension-less file is "README", recorded as "README.;1".
std::vector<std::string> ShortNames(const std::vector<std::pair<std::string, bool>>& entries);

// The identifier recorded for a short name: files gain the separator if they lack one and the
// version ";1"; folders stay as they are.
std::string RecordedShortName(const std::string& short_name, bool folder);

// Joliet names are UCS-2, recorded big-endian, at most this many characters long.
inline constexpr size_t kJolietNameLimit = 64;

// The Joliet name for a UTF-8 name; false when Joliet cannot hold it: bad UTF-8, a character
// outside the Basic Multilingual Plane, a control character or one of * / : ; ? \, an empty
// name, or more than kJolietNameLimit characters.
bool JolietName(const std::string& utf8, std::u16string& name);

// The volume labels derived from the one the user gives: the primary descriptor's in capitals,
// digits and '_' (at most 32), the Joliet descriptor's in UCS-2 (at most 16 characters, a
// character Joliet cannot hold becomes '_').
std::string PrimaryVolumeLabel(const std::string& label);
std::u16string JolietVolumeLabel(const std::string& label);

// The order of directory records (ECMA-119 9.3): by name, then by extension, each padded with
// `pad` (a space in the primary tree, 0 in the Joliet tree); a folder's identifier is all name,
// a file's extension follows its last '.', and a version (";1") is ignored.
bool RecordBefore(const std::u16string& a, bool a_folder, const std::u16string& b, bool b_folder,
                  char16_t pad);

}  // namespace core::disc
