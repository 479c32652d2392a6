// Numbers, dates and names as ECMA-119 and Joliet record them.
#include "core/iso_names.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "core/utf8.h"

namespace core::disc {

namespace {

// The seconds a directory record can hold: 1900-01-01 to 2155-12-31 23:59:59.
constexpr int64_t kFirstRecordable = -2208988800;
constexpr int64_t kLastRecordable = 5869584000 - 1;
constexpr uint32_t kDaysFrom1900To1970 = 25567;

struct Civil {
  uint32_t year, month, day, hour, minute, second;
};

// Days to a Gregorian date by the era arithmetic of the proleptic calendar (400-year eras of
// 146097 days, years counted from March so that the leap day comes last). Counted from 1900,
// the clamped time is never negative, and 32 bits hold everything but the seconds: the days are
// (seconds / 128) / 675, with no 64-bit division.
Civil CivilTime(int64_t seconds) {
  seconds = std::clamp(seconds, kFirstRecordable, kLastRecordable);
  const auto since_1900 = static_cast<uint64_t>(seconds - kFirstRecordable);
  const auto days = static_cast<uint32_t>(since_1900 >> 7) / 675;
  const uint32_t rest = static_cast<uint32_t>(since_1900) - days * 86400;
  const uint32_t z = days - kDaysFrom1900To1970 + 719468;  // days since 0000-03-01
  const uint32_t era = z / 146097;
  const uint32_t day_of_era = z - era * 146097;
  const uint32_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const uint32_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const uint32_t month_from_march = (5 * day_of_year + 2) / 153;
  Civil c;
  c.day = day_of_year - (153 * month_from_march + 2) / 5 + 1;
  c.month = month_from_march < 10 ? month_from_march + 3 : month_from_march - 9;
  c.year = year_of_era + era * 400 + (c.month <= 2 ? 1 : 0);
  c.hour = rest / 3600;
  c.minute = rest / 60 % 60;
  c.second = rest % 60;
  return c;
}

// Strict UTF-8 to UCS-2: the count of characters, of which the first `room` are written at
// `out`, those Joliet forbids (controls and * / : ; ? \\) as '_' and noted in `forbidden`; -1 for
// text that is not well-formed UTF-8 and for anything beyond U+FFFF, which UCS-2 cannot hold.
long Ucs2(std::string_view text, char16_t* out, size_t room, bool& forbidden) {
  long count = 0;
  forbidden = false;
  for (size_t i = 0; i < text.size();) {
    const Utf8Character character = DecodeUtf8(text, i);
    if (character.length == 0 || character.code > 0xFFFF) return -1;
    uint32_t code = character.code;
    if (code < 0x20 || (code < 0x80 && std::memchr("*/:;?\\", static_cast<int>(code), 6))) {
      forbidden = true;
      code = '_';
    }
    if (static_cast<size_t>(count) < room) out[count] = static_cast<char16_t>(code);
    ++count;
    i += character.length;
  }
  return count;
}

// d-characters: capitals, digits and '_'; every other character (a multi-byte one counted
// once) becomes '_'. Writes at most `room` and returns the count written.
size_t DCharacters(std::string_view text, char* out, size_t room) {
  size_t n = 0;
  for (const char ch : text) {
    const auto c = static_cast<uint8_t>(ch);
    if ((c & 0xC0) == 0x80) continue;
    if (n == room) break;
    out[n++] = c >= 'a' && c <= 'z'                               ? static_cast<char>(c - 32)
               : (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ? static_cast<char>(c)
                                                                  : '_';
  }
  return n;
}

// A short name's stem (the first 8 of its d-characters) and extension (3), before uniqueness.
struct Stem {
  char stem[8], extension[3];
  size_t stem_size, extension_size;
};

Stem StemAndExtension(const ShortNameSlot& slot) {
  const std::string_view name = slot.name;
  const size_t dot = slot.folder ? name.npos : name.rfind('.');
  Stem s;
  s.stem_size = DCharacters({name.data(), std::min(dot, name.size())}, s.stem, 8);
  s.extension_size = dot == name.npos ? 0
                                      : DCharacters({name.data() + dot + 1, name.size() - dot - 1},
                                                    s.extension, 3);
  return s;
}

// The short name, NUL-padded to 13 bytes: the stem, shortened for "_" and at least three
// digits of `number` when it is not 0, then the extension.
void Compose(const Stem& s, unsigned number, char out[13]) {
  char suffix[12];
  size_t at = sizeof suffix;
  if (number > 0) {
    for (unsigned rest = number; rest > 0 || sizeof suffix - at < 3; rest /= 10) {
      suffix[--at] = static_cast<char>('0' + rest % 10);
    }
    suffix[--at] = '_';
  }
  const size_t length = sizeof suffix - at;
  char name[24];
  size_t size = length <= 8 ? std::min(s.stem_size, 8 - length) : s.stem_size;
  std::memcpy(name, s.stem, size);
  std::memcpy(name + size, suffix + at, length);
  size = std::min<size_t>(size + length, 8);
  if (size == 0) name[size++] = '_';
  if (s.extension_size > 0) {
    name[size++] = '.';
    std::memcpy(name + size, s.extension, s.extension_size);
    size += s.extension_size;
  }
  std::memset(out, 0, 13);
  std::memcpy(out, name, size);
}

// Where `name` is or would go among the `size` members in `taken` (sorted by short name); true
// in `found` when it is there.
size_t Find(const ShortNameSlot* slots, const uint32_t* taken, size_t size, const char* name,
            bool& found) {
  size_t low = 0, high = size;
  while (low < high) {
    const size_t mid = (low + high) / 2;
    if (std::memcmp(slots[taken[mid]].short_name, name, 13) < 0) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  found = low < size && std::memcmp(slots[taken[low]].short_name, name, 13) == 0;
  return low;
}

uint32_t Unit(const char* at, size_t unit) {
  const auto* p = reinterpret_cast<const uint8_t*>(at);
  return unit == 1 ? p[0] : uint32_t{p[0]} << 8 | p[1];
}

}  // namespace

void PutLittle(uint8_t* at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

void PutBig(uint8_t* at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[bytes - 1 - i] = static_cast<uint8_t>(value >> (8 * i));
}

void PutBoth(uint8_t* at, uint32_t value, int bytes) {
  PutLittle(at, value, bytes);
  PutBig(at + bytes, value, bytes);
}

void PutRecordDate(uint8_t* at, int64_t seconds_since_1970) {
  const Civil c = CivilTime(seconds_since_1970);
  const uint32_t fields[7] = {c.year - 1900, c.month, c.day, c.hour, c.minute, c.second, 0};
  for (int i = 0; i < 7; ++i) at[i] = static_cast<uint8_t>(fields[i]);
}

void PutVolumeDate(uint8_t* at, int64_t seconds_since_1970) {
  uint8_t r[7];
  PutRecordDate(r, seconds_since_1970);
  const uint32_t year = r[0] + 1900u;
  const uint32_t fields[8] = {year / 100, year % 100, r[1], r[2], r[3], r[4], r[5], 0};
  for (int i = 0; i < 8; ++i) {  // the last: hundredths of a second
    at[2 * i] = static_cast<uint8_t>('0' + fields[i] / 10);
    at[2 * i + 1] = static_cast<uint8_t>('0' + fields[i] % 10);
  }
  at[16] = 0;  // UTC
}

void ShortNames(ShortNameSlot* slots, const uint32_t* members, size_t count) {
  // The members holding their short name, sorted by it, then those that found it taken.
  const std::unique_ptr<uint32_t[]> buffer(new uint32_t[2 * count + 1]);
  uint32_t* const taken = buffer.get();
  uint32_t* const twins = taken + count;
  size_t taken_size = 0, twins_size = 0;
  // Names that are unique as they are come first, so that a file called NAME_001.EXT keeps its
  // name even when NAME.EXT has a twin. Twins of one name follow, each continuing where the
  // last stopped (so that thousands of them take linear time): the slot that kept the name
  // keeps the count.
  for (size_t i = 0; i < count + twins_size; ++i) {
    const uint32_t member = i < count ? members[i] : twins[i - count];
    ShortNameSlot& slot = slots[member];
    const Stem s = StemAndExtension(slot);
    bool found;
    ShortNameSlot* const first =
        i < count ? nullptr : &slots[taken[Find(slots, taken, taken_size, slot.short_name, found)]];
    slot.next_twin = 1;
    size_t at;
    do {
      Compose(s, first ? first->next_twin++ : 0, slot.short_name);
      at = Find(slots, taken, taken_size, slot.short_name, found);
    } while (first && found);
    if (found) {
      twins[twins_size++] = member;
    } else {
      std::memmove(taken + at + 1, taken + at, (taken_size++ - at) * sizeof *taken);
      taken[at] = member;
    }
  }
}

size_t RecordedShortName(const char* short_name, bool folder, uint8_t* out) {
  size_t size = std::strlen(short_name);
  std::memcpy(out, short_name, size);
  if (!folder) {
    if (!std::memchr(short_name, '.', size)) out[size++] = '.';
    out[size++] = ';';
    out[size++] = '1';
  }
  return size;
}

size_t JolietName(std::string_view utf8, uint8_t* out) {
  char16_t name[kJolietNameLimit];
  bool forbidden;
  const long count = Ucs2(utf8, name, kJolietNameLimit, forbidden);
  if (count <= 0 || count > static_cast<long>(kJolietNameLimit) || forbidden) return 0;
  for (long i = 0; i < count; ++i) PutBig(out + 2 * i, name[i], 2);
  return 2 * static_cast<size_t>(count);
}

size_t VolumeLabel(std::string_view label, bool joliet, char16_t out[32]) {
  bool forbidden;
  const long count = joliet ? Ucs2(label, out, 16, forbidden) : -1;
  if (count >= 0) return std::min<size_t>(static_cast<size_t>(count), 16);
  char plain[32];
  const size_t size = DCharacters(label, plain, joliet ? 16 : 32);
  for (size_t i = 0; i < size; ++i) out[i] = static_cast<char16_t>(plain[i]);
  return size;
}

bool RecordBefore(std::string_view a, bool a_folder, std::string_view b, bool b_folder, Tree tree) {
  const size_t unit = tree == kPrimaryTree ? 1 : 2;
  const uint32_t pad = tree == kPrimaryTree ? ' ' : 0;
  // Each identifier's name and extension: [0, name) and [extension, end), in bytes. A version
  // ends the identifier; a file's extension follows its last '.'.
  struct Parts {
    std::string_view id;
    size_t name, extension, end;
  } parts[2];
  for (int k = 0; k < 2; ++k) {
    Parts& p = parts[k];
    p.id = k == 0 ? a : b;
    p.end = 0;
    while (p.end < p.id.size() && Unit(&p.id[p.end], unit) != ';') p.end += unit;
    p.name = p.extension = p.end;
    if (k == 0 ? a_folder : b_folder) continue;
    for (size_t dot = p.end; dot > 0; dot -= unit) {
      if (Unit(&p.id[dot - unit], unit) == '.') {
        p.name = dot - unit;
        p.extension = dot;
        break;
      }
    }
  }
  // By name, then by extension, the shorter padded.
  for (int by_extension = 0; by_extension < 2; ++by_extension) {
    const Parts& pa = parts[0];
    const Parts& pb = parts[1];
    const size_t a_at = by_extension ? pa.extension : 0;
    const size_t b_at = by_extension ? pb.extension : 0;
    const size_t a_size = (by_extension ? pa.end : pa.name) - a_at;
    const size_t b_size = (by_extension ? pb.end : pb.name) - b_at;
    for (size_t i = 0; i < std::max(a_size, b_size); i += unit) {
      const uint32_t ca = i < a_size ? Unit(&a[a_at + i], unit) : pad;
      const uint32_t cb = i < b_size ? Unit(&b[b_at + i], unit) : pad;
      if (ca != cb) return ca < cb;
    }
  }
  return false;
}

}  // namespace core::disc
