// Numbers, dates and names as ECMA-119 and Joliet record them.
#include "core/iso_names.h"

#include <algorithm>
#include <string_view>

namespace core::disc {

namespace {

// The years a directory record can hold: 1900-01-01 to 2155-12-31 23:59:59.
constexpr int64_t kFirstRecordable = -2208988800;
constexpr int64_t kLastRecordable = 5869584000 - 1;

struct Civil {
  int year, month, day, hour, minute, second;
};

// Days to a Gregorian date by the era arithmetic of the proleptic calendar (400-year eras of
// 146097 days, years counted from March so that the leap day comes last).
Civil CivilTime(int64_t seconds) {
  seconds = std::clamp(seconds, kFirstRecordable, kLastRecordable);
  int64_t days = seconds / 86400;
  int64_t rest = seconds % 86400;
  if (rest < 0) rest += 86400, --days;
  const int64_t z = days + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t day_of_era = z - era * 146097;
  const int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int64_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int64_t month_from_march = (5 * day_of_year + 2) / 153;
  Civil c;
  c.day = static_cast<int>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
  c.month = static_cast<int>(month_from_march < 10 ? month_from_march + 3 : month_from_march - 9);
  c.year = static_cast<int>(year_of_era + era * 400 + (c.month <= 2 ? 1 : 0));
  c.hour = static_cast<int>(rest / 3600);
  c.minute = static_cast<int>(rest / 60 % 60);
  c.second = static_cast<int>(rest % 60);
  return c;
}

// Strict UTF-8 to UCS-2: false for malformed or overlong sequences, surrogates and anything
// beyond U+FFFF (a four-byte sequence).
bool DecodeUtf8(const std::string& text, std::u16string& out) {
  out.clear();
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<uint8_t>(text[i]);
    const int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : -1;
    if (extra < 0 || text.size() - i <= static_cast<size_t>(extra)) return false;
    uint32_t code = extra == 0 ? lead : lead & (extra == 1 ? 0x1F : 0x0F);
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<uint8_t>(text[i + static_cast<size_t>(k)]);
      if ((next & 0xC0) != 0x80) return false;
      code = code << 6 | (next & 0x3F);
    }
    if ((extra == 1 && code < 0x80) || (extra == 2 && code < 0x800) ||
        (code >= 0xD800 && code <= 0xDFFF))
      return false;
    out.push_back(static_cast<char16_t>(code));
    i += static_cast<size_t>(extra) + 1;
  }
  return true;
}

bool JolietForbids(char16_t c) {
  return c < 0x20 || c == u'*' || c == u'/' || c == u':' || c == u';' || c == u'?' || c == u'\\';
}

// d-characters: capitals, digits and '_'; every other character (a multi-byte one counted
// once) becomes '_'.
std::string DCharacters(std::string_view text) {
  std::string out;
  for (const char ch : text) {
    const auto c = static_cast<uint8_t>(ch);
    if ((c & 0xC0) == 0x80) continue;
    if (c >= 'a' && c <= 'z') {
      out.push_back(static_cast<char>(c - 'a' + 'A'));
    } else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back('_');
    }
  }
  return out;
}

// The short name's stem and extension, before truncation.
std::pair<std::string, std::string> StemAndExtension(const std::string& name, bool folder) {
  const size_t dot = folder ? std::string::npos : name.rfind('.');
  if (dot == std::string::npos) return {DCharacters(name), {}};
  return {DCharacters(std::string_view(name).substr(0, dot)),
          DCharacters(std::string_view(name).substr(dot + 1)).substr(0, 3)};
}

std::string Compose(std::string stem, const std::string& extension, unsigned number) {
  if (number > 0) {
    char suffix[12] = {'_'};  // "_" and at least three digits
    size_t length = 1;
    for (unsigned rest = number; rest > 0 || length < 4; rest /= 10) {
      suffix[length++] = static_cast<char>('0' + rest % 10);
    }
    std::reverse(suffix + 1, suffix + length);
    stem.resize(std::min(stem.size(), 8 - length));
    stem.append(suffix, length);
  }
  stem.resize(std::min<size_t>(stem.size(), 8));
  if (stem.empty()) stem.push_back('_');
  return extension.empty() ? stem : stem + '.' + extension;
}

// Takes `name` if nobody has it yet (`taken` is sorted).
bool Take(std::vector<std::string>& taken, const std::string& name) {
  const auto at = std::lower_bound(taken.begin(), taken.end(), name);
  if (at != taken.end() && *at == name) return false;
  taken.insert(at, name);
  return true;
}

int ComparePadded(std::u16string_view a, std::u16string_view b, char16_t pad) {
  for (size_t i = 0, n = std::max(a.size(), b.size()); i < n; ++i) {
    const char16_t ca = i < a.size() ? a[i] : pad;
    const char16_t cb = i < b.size() ? b[i] : pad;
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return 0;
}

std::pair<std::u16string_view, std::u16string_view> NameAndExtension(const std::u16string& id,
                                                                     bool folder) {
  std::u16string_view name(id);
  name = name.substr(0, name.find(u';'));
  const size_t dot = folder ? std::u16string_view::npos : name.rfind(u'.');
  if (dot == std::u16string_view::npos) return {name, {}};
  return {name.substr(0, dot), name.substr(dot + 1)};
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
  const int fields[7] = {c.year - 1900, c.month, c.day, c.hour, c.minute, c.second, 0};
  for (int i = 0; i < 7; ++i) at[i] = static_cast<uint8_t>(fields[i]);
}

void PutVolumeDate(uint8_t* at, int64_t seconds_since_1970) {
  const Civil c = CivilTime(seconds_since_1970);
  const int fields[7] = {c.year / 100, c.year % 100, c.month, c.day, c.hour, c.minute, c.second};
  for (int i = 0; i < 7; ++i) {
    at[2 * i] = static_cast<uint8_t>('0' + fields[i] / 10);
    at[2 * i + 1] = static_cast<uint8_t>('0' + fields[i] % 10);
  }
  at[14] = at[15] = '0';  // hundredths of a second
  at[16] = 0;             // UTC
}

std::vector<std::string> ShortNames(const std::vector<std::pair<std::string, bool>>& entries) {
  std::vector<std::string> names(entries.size());
  std::vector<std::string> taken;
  taken.reserve(entries.size());
  // Names that are unique as they are come first, so that a file called NAME_001.EXT keeps its
  // name even when NAME.EXT has a twin.
  std::vector<size_t> twins;
  for (size_t i = 0; i < entries.size(); ++i) {
    const auto [stem, extension] = StemAndExtension(entries[i].first, entries[i].second);
    names[i] = Compose(stem, extension, 0);
    if (!Take(taken, names[i])) twins.push_back(i);
  }
  // Twins of one name continue where the last one stopped, so that thousands of them take
  // linear time.
  std::vector<std::pair<std::string, unsigned>> next_number;  // sorted by the twins' name
  for (const size_t i : twins) {
    auto at =
        std::lower_bound(next_number.begin(), next_number.end(), names[i],
                         [](const auto& item, const std::string& n) { return item.first < n; });
    if (at == next_number.end() || at->first != names[i])
      at = next_number.insert(at, {names[i], 1});
    const auto [stem, extension] = StemAndExtension(entries[i].first, entries[i].second);
    for (unsigned& number = at->second;; ++number) {
      names[i] = Compose(stem, extension, number);
      if (Take(taken, names[i])) break;
    }
    ++at->second;
  }
  return names;
}

std::string RecordedShortName(const std::string& short_name, bool folder) {
  if (folder) return short_name;
  return short_name + (short_name.find('.') == std::string::npos ? ".;1" : ";1");
}

bool JolietName(const std::string& utf8, std::u16string& name) {
  if (!DecodeUtf8(utf8, name) || name.empty() || name.size() > kJolietNameLimit) return false;
  return std::none_of(name.begin(), name.end(), JolietForbids);
}

std::string PrimaryVolumeLabel(const std::string& label) {
  return DCharacters(label).substr(0, 32);
}

std::u16string JolietVolumeLabel(const std::string& label) {
  std::u16string out;
  if (!DecodeUtf8(label, out)) {
    const std::string plain = PrimaryVolumeLabel(label);
    out.assign(plain.begin(), plain.end());
  }
  for (char16_t& c : out) {
    if (JolietForbids(c)) c = u'_';
  }
  return out.substr(0, 16);
}

bool RecordBefore(const std::u16string& a, bool a_folder, const std::u16string& b, bool b_folder,
                  char16_t pad) {
  const auto [a_name, a_extension] = NameAndExtension(a, a_folder);
  const auto [b_name, b_extension] = NameAndExtension(b, b_folder);
  const int by_name = ComparePadded(a_name, b_name, pad);
  if (by_name != 0) return by_name < 0;
  return ComparePadded(a_extension, b_extension, pad) < 0;
}

}  // namespace core::disc
