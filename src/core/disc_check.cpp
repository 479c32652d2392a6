// Check Disc: the rules over the design and the CD folder's listing.
#include "core/disc_check.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <unordered_map>

#include "core/paths.h"
#include "core/product_names.h"
#include "core/project_ops.h"

namespace core {

// A CD holds 333,000 (74 minutes) or 360,000 (80 minutes) sectors, a DVD 2,295,104 and a
// dual-layer DVD 4,173,824, of 2,048 bytes each.
const std::array<DiscMediumInfo, 4> kDiscMedia = {{
    {DiscMedium::Cd700, "CD 700 MB", "cd700", 360000ull * 2048},
    {DiscMedium::Cd650, "CD 650 MB", "cd650", 333000ull * 2048},
    {DiscMedium::Dvd, "DVD 4.7 GB", "dvd", 2295104ull * 2048},
    {DiscMedium::DvdDualLayer, "DVD DL 8.5 GB", "dvddl", 4173824ull * 2048},
}};

const DiscMediumInfo& MediumInfo(DiscMedium medium) {
  for (const auto& info : kDiscMedia) {
    if (info.medium == medium) return info;
  }
  return kDiscMedia.front();
}

size_t PortableCharacterCount(std::string_view text) {
  size_t units = 0;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80                   ? 1
                          : lead >= 0xC2 && lead < 0xE0 ? 2
                          : lead >= 0xE0 && lead < 0xF0 ? 3
                          : lead >= 0xF0 && lead < 0xF5 ? 4
                                                        : 0;
    bool valid = length != 0 && i + length <= text.size();
    for (size_t k = 1; valid && k < length; ++k) {
      valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    }
    if (!valid) return text.size();  // not UTF-8: one character per byte
    units += length == 4 ? 2 : 1;
    i += length;
  }
  return units;
}

namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

// Host names: dot-separated labels of letters, digits and hyphens (bytes above 127 allowed for
// international names), no label empty or longer than 63 or starting or ending with a hyphen.
bool IsHostName(std::string_view host, size_t min_labels) {
  if (host.empty() || host.size() > 253) return false;
  size_t labels = 0;
  size_t start = 0;
  for (;;) {
    const size_t dot = host.find('.', start);
    const std::string_view label =
        host.substr(start, dot == std::string_view::npos ? dot : dot - start);
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') {
      return false;
    }
    for (const char c : label) {
      if (!IsAsciiLetter(c) && !IsDigit(c) && c != '-' && static_cast<unsigned char>(c) < 0x80) {
        return false;
      }
    }
    ++labels;
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  return labels >= min_labels;
}

bool HasBlankOrControl(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F; });
}

// The fonts of every Windows from 7 on: the TrueType core fonts, those Windows 7 brought, and
// the raster fonts every version keeps.
constexpr std::string_view kWindowsFonts[] = {
    "Arial",
    "Arial Black",
    "Calibri",
    "Cambria",
    "Cambria Math",
    "Candara",
    "Comic Sans MS",
    "Consolas",
    "Constantia",
    "Corbel",
    "Courier",
    "Courier New",
    "Ebrima",
    "Fixedsys",
    "Franklin Gothic Medium",
    "Gabriola",
    "Georgia",
    "Impact",
    "Lucida Console",
    "Lucida Sans Unicode",
    "Marlett",
    "Microsoft Sans Serif",
    "Modern",
    "MS Sans Serif",
    "MS Serif",
    "MV Boli",
    "Palatino Linotype",
    "Roman",
    "Script",
    "Segoe Print",
    "Segoe Script",
    "Segoe UI",
    "Segoe UI Symbol",
    "Small Fonts",
    "Sylfaen",
    "Symbol",
    "System",
    "Tahoma",
    "Terminal",
    "Times New Roman",
    "Trebuchet MS",
    "Verdana",
    "Webdings",
    "Wingdings",
};

}  // namespace

bool IsKnownWindowsFont(std::string_view name) {
  const auto same = [&](std::string_view known) { return EqualsIgnoringAsciiCase(known, name); };
  return std::any_of(std::begin(kWindowsFonts), std::end(kWindowsFonts), same);
}

bool IsWellFormedUrl(std::string_view address) {
  size_t scheme_end = 0;
  for (const std::string_view scheme : {"http://", "https://", "ftp://"}) {
    if (address.size() > scheme.size() &&
        EqualsIgnoringAsciiCase(address.substr(0, scheme.size()), scheme)) {
      scheme_end = scheme.size();
    }
  }
  if (scheme_end == 0 || HasBlankOrControl(address)) return false;
  const std::string_view rest = address.substr(scheme_end);
  const size_t host_end = std::min(rest.find_first_of("/?#"), rest.size());
  std::string_view host = rest.substr(0, host_end);
  if (const size_t colon = host.rfind(':');
      colon != std::string_view::npos && host.find(']', colon) == std::string_view::npos) {
    const std::string_view port = host.substr(colon + 1);
    if (port.empty() || port.size() > 5 || !std::all_of(port.begin(), port.end(), IsDigit)) {
      return false;
    }
    uint32_t number = 0;
    for (const char c : port) number = number * 10 + static_cast<uint32_t>(c - '0');
    if (number == 0 || number > 65535) return false;
    host = host.substr(0, colon);
  }
  if (host.size() > 2 && host.front() == '[' && host.back() == ']') {  // an IPv6 address
    const std::string_view inside = host.substr(1, host.size() - 2);
    return std::all_of(inside.begin(), inside.end(), [](char c) {
      return IsDigit(c) || c == ':' || c == '.' || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    });
  }
  return IsHostName(host, 1);
}

bool IsWellFormedEmail(std::string_view address) {
  // The player puts "mailto:" in front; what follows "?" (subject, body) is the mail program's.
  const std::string_view recipients = address.substr(0, address.find('?'));
  if (recipients.empty()) return false;
  size_t start = 0;
  for (;;) {
    const size_t comma = recipients.find(',', start);
    const std::string_view one =
        recipients.substr(start, comma == std::string_view::npos ? comma : comma - start);
    const size_t at = one.find('@');
    if (at == std::string_view::npos || at == 0 || at > 64) return false;
    const std::string_view local = one.substr(0, at);
    const std::string_view domain = one.substr(at + 1);
    constexpr std::string_view kLocalMarks = "!#$%&'*+-/=^_`{|}~.";
    const bool local_ok =
        local.front() != '.' && local.back() != '.' && local.find("..") == std::string_view::npos &&
        std::all_of(local.begin(), local.end(), [&](char c) {
          return IsAsciiLetter(c) || IsDigit(c) || kLocalMarks.find(c) != std::string_view::npos;
        });
    const size_t last_dot = domain.rfind('.');
    const std::string_view top =
        last_dot == std::string_view::npos ? std::string_view() : domain.substr(last_dot + 1);
    if (!local_ok || !IsHostName(domain, 2) || top.size() < 2 ||
        !std::all_of(top.begin(), top.end(), IsAsciiLetter)) {
      return false;
    }
    if (comma == std::string_view::npos) return true;
    start = comma + 1;
  }
}

namespace {

// Joins the parts of a message. (GCC 12 warns wrongly of overlapping copies, at -O2, in a chain
// that starts with a literal plus a temporary string.)
std::string Sentence(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const auto part : parts) text += part;
  return text;
}

std::string Megabytes(uint64_t bytes) {
  const uint64_t tenths = (bytes * 10 + (1u << 19)) >> 20;
  return Sentence({std::to_string(tenths / 10), ".", std::to_string(tenths % 10), " MB"});
}
// "4,294,967,296"
std::string Grouped(uint64_t number) {
  const std::string digits = std::to_string(number);
  std::string grouped;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

std::string_view NamePart(std::string_view path) {
  const size_t slash = path.rfind('\\');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}
std::string_view ParentPart(std::string_view path) {
  const size_t slash = path.rfind('\\');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}
size_t Depth(std::string_view path) {
  return static_cast<size_t>(std::count(path.begin(), path.end(), '\\')) + 1;
}

// Where a name of the design points on the disc.
struct Resolved {
  enum Place { InFolder, OnDrive, OnNetwork, AboveFolder } place = InFolder;
  std::string path;  // below the CD folder (InFolder only)
};

// A name with a drive or a network path is absolute; any other is taken from the CD folder, with
// or without its leading backslash (the player joins the start sound with one, the other names
// without), and "." and ".." steps are followed as Windows follows them.
Resolved Resolve(std::string name) {
  std::replace(name.begin(), name.end(), '/', '\\');
  if (name.size() >= 2 && name[0] == '\\' && name[1] == '\\') return {Resolved::OnNetwork, {}};
  const size_t drive = name.size() >= 1 && name[0] == '\\' ? 1 : 0;
  if (name.size() >= drive + 2 && IsAsciiLetter(name[drive]) && name[drive + 1] == ':') {
    return {Resolved::OnDrive, {}};
  }
  std::vector<std::string_view> steps;
  std::string_view rest = name;
  while (!rest.empty()) {
    const size_t slash = std::min(rest.find('\\'), rest.size());
    const std::string_view step = rest.substr(0, slash);
    rest.remove_prefix(std::min(slash + 1, rest.size()));
    if (step.empty() || step == ".") continue;
    if (step == "..") {
      if (steps.empty()) return {Resolved::AboveFolder, {}};
      steps.pop_back();
      continue;
    }
    steps.push_back(step);
  }
  Resolved resolved;
  for (const auto step : steps) {
    if (!resolved.path.empty()) resolved.path += '\\';
    resolved.path += step;
  }
  return resolved;
}

enum class Need { File, FileOrFolder, Folder };

class Checker {
 public:
  Checker(const AppState& app, const std::vector<fs::FolderItem>& folder,
          const CheckOptions& options)
      : app_(app), folder_(folder), options_(options) {
    index_.reserve(folder.size());
    for (const auto& item : folder) index_.emplace(UpperAscii(item.path), &item);
  }

  std::vector<Finding> Run() {
    CheckWindow();
    for (size_t i = 0; i < app_.Project.Objects.size(); ++i) {
      CheckObject(static_cast<int>(i), *app_.Project.Objects[i]);
    }
    CheckSavedFiles();
    CheckFolderItems();
    CheckCaseClashes();
    CheckTotalSize();
    std::stable_partition(findings_.begin(), findings_.end(),
                          [](const Finding& f) { return f.severity == Severity::Error; });
    return std::move(findings_);
  }

 private:
  void Add(Severity severity, int object, std::string what, std::string file) {
    findings_.push_back({severity, object, std::move(what), std::move(file)});
  }

  const fs::FolderItem* Find(const std::string& path) const {
    const auto found = index_.find(UpperAscii(path));
    return found == index_.end() ? nullptr : found->second;
  }

  // `role` starts the sentence: "The button's glyph".
  void CheckNamed(int object, const std::string& name, const std::string& role, Need need) {
    if (name.empty()) return;
    const Resolved resolved = Resolve(name);
    if (resolved.place == Resolved::InFolder) {
      const fs::FolderItem* item = resolved.path.empty() ? nullptr : Find(resolved.path);
      const bool root_folder = resolved.path.empty() && need != Need::File;
      if (root_folder ||
          (item && (item->info.folder ? need != Need::File : need != Need::Folder))) {
        return;
      }
      if (item) {
        Add(Severity::Error, object,
            role + (item->info.folder ? " is a folder, not a file." : " is a file, not a folder."),
            name);
      } else {
        Add(Severity::Error, object, role + " does not exist in the CD folder.", name);
      }
      return;
    }
    if (resolved.place == Resolved::OnDrive && !app_.CDFolder.empty()) {
      const std::string full = name.front() == '\\' ? name.substr(1) : name;
      const std::string inside = RelativeToFolder(UpperAscii(app_.CDFolder), UpperAscii(full));
      if (!inside.empty()) {
        Add(Severity::Error, object,
            role +
                " is named by its full path, which will not be the same on the disc; "
                "choose it again from the CD folder.",
            name);
        return;
      }
    }
    Add(Severity::Error, object,
        role +
            (resolved.place == Resolved::OnNetwork ? " lies on the network"
                                                   : " lies outside the CD folder") +
            ", so it will not be on the disc.",
        name);
  }

  void CheckLink(int object, const TCommand& link, const std::string& whose) {
    const char* verb = link.Action == kActionOpenFile    ? "opens"
                       : link.Action == kActionPlaySound ? "plays"
                       : link.Action == kActionPrintFile ? "prints"
                                                         : nullptr;
    if (verb != nullptr) {
      if (link.Target.empty()) {
        Add(Severity::Warning, object,
            "The " + whose + " " + verb + " no file: its target is empty.", "");
      } else {
        const std::string what = link.Action == kActionPlaySound ? "sound" : "file";
        CheckNamed(object, link.Target, "The " + what + " the " + whose + " " + verb,
                   link.Action == kActionOpenFile ? Need::FileOrFolder : Need::File);
      }
      if (link.Action == kActionOpenFile) {
        CheckNamed(object, link.StartDirectory, "The start folder of the " + whose, Need::Folder);
      }
    } else if (link.Action == kActionOpenUrl && !IsWellFormedUrl(link.Target)) {
      Add(Severity::Warning, object,
          "The web address of the " + whose +
              " is not well formed: it needs http://, https:// or ftp:// and a host name.",
          link.Target);
    } else if (link.Action == kActionSendEmail && !IsWellFormedEmail(link.Target)) {
      Add(Severity::Warning, object,
          "The e-mail address of the " + whose + " is not well formed (name@example.com).",
          link.Target);
    }
    CheckNamed(object, link.SoundFile, "The sound of the " + whose, Need::File);
  }

  void CheckFont(int object, const ui::Font& font) {
    if (font.name.empty() || IsKnownWindowsFont(font.name)) return;
    if (std::find(fonts_reported_.begin(), fonts_reported_.end(), font.name) !=
        fonts_reported_.end()) {
      return;
    }
    fonts_reported_.push_back(font.name);
    Add(Severity::Warning, object,
        "The font \"" + font.name +
            "\" does not come with Windows; where it is not installed, Windows shows another "
            "font.",
        "");
  }

  void CheckWindow() {
    const AutoFormType& project = app_.Project;
    CheckNamed(-1, project.IconFile, "The window icon", Need::File);
    CheckNamed(-1, project.StartSoundFile, "The start sound", Need::File);
    CheckLink(-1, project.StartLink, "start link");
  }

  void CheckObject(int index, const AutoObjectType& object) {
    if (const auto* label = LabelOf(object)) {
      CheckFont(index, label->Font);
      CheckFont(index, object.HotFont);
    } else if (const auto* button = ButtonOf(object)) {
      CheckNamed(index, object.GlyphFile, "The button's glyph", Need::File);
      CheckNamed(index, object.HotGlyphFile, "The button's glyph under the mouse", Need::File);
      CheckFont(index, button->Font);
      CheckFont(index, object.HotFont);
      const bool blank = std::all_of(button->Caption.begin(), button->Caption.end(),
                                     [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
      if (blank && object.Link.Action != kActionNone) {
        Add(Severity::Warning, index, "The button has a link but no caption.", "");
      }
    } else if (ImageOf(object) != nullptr) {
      CheckNamed(index, object.ImageFile, "The image's picture", Need::File);
      CheckNamed(index, object.HotImageFile, "The image's picture under the mouse", Need::File);
    }
    CheckLink(index, object.Link, "link");
  }

  void CheckSavedFiles() {
    struct Saved {
      const char* name;
      const char* missing;
      bool rewritten_by_save;
    };
    static constexpr Saved kSaved[] = {
        {kPlayerFileName, "The player AutoRun.exe is missing: save the design to put it there.",
         false},
        {kProjectFileName, "The design file AutoRun.ard is missing: save the design.", true},
        {kAutorunInfName,
         "autorun.inf is missing, so Windows will not start the menu from the disc: save the "
         "design.",
         true},
        {kCdIconName, "The disc icon AutoRun.ico is missing: save the design to put it there.",
         false},
    };
    for (const Saved& saved : kSaved) {
      const fs::FolderItem* item = Find(saved.name);
      if (item == nullptr || item->info.folder) {
        Add(Severity::Warning, -1, saved.missing, saved.name);
      } else if (saved.rewritten_by_save && options_.design_saved_time &&
                 item->info.modified + kClockSlack < *options_.design_saved_time) {
        Add(Severity::Warning, -1,
            std::string(saved.name) +
                " is older than the design's last save: save the design "
                "into this CD folder again.",
            saved.name);
      }
    }
    if (options_.design_has_unsaved_changes) {
      Add(Severity::Warning, -1,
          "The design has changes that are not saved yet; the disc would show it as last saved.",
          kProjectFileName);
    }
  }

  void CheckFolderItems() {
    for (const auto& item : folder_) {
      const std::string_view name = NamePart(item.path);
      const size_t name_length = options_.character_count(name);
      if (name_length > kMaxDiscNameLength) {
        Add(Severity::Error, -1,
            Sentence({"The name is ", std::to_string(name_length),
                      " characters long; a disc holds names of at most 64."}),
            item.path);
      }
      const auto bad = std::find_if(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 ||
               std::string_view("*/:;?\\").find(c) != std::string_view::npos;
      });
      if (bad != name.end()) {
        const std::string shown = static_cast<unsigned char>(*bad) < 0x20
                                      ? std::string("a control character")
                                      : Sentence({"\"", std::string_view(&*bad, 1), "\""});
        Add(Severity::Error, -1,
            Sentence({"The name holds ", shown, ", which a disc name cannot hold."}), item.path);
      }
      const size_t path_length = options_.character_count(item.path);
      if (path_length > kMaxDiscPathLength &&
          options_.character_count(ParentPart(item.path)) <= kMaxDiscPathLength) {
        Add(Severity::Error, -1,
            Sentence({"The path is ", std::to_string(path_length),
                      " characters long; a disc holds paths of at most 240."}),
            item.path);
      }
      if (item.info.folder && Depth(item.path) == kMaxDiscFolderDepth + 1) {
        Add(Severity::Error, -1,
            Sentence({"The folder lies ", std::to_string(kMaxDiscFolderDepth + 1),
                      " levels below the CD folder; a disc holds folders at most ",
                      std::to_string(kMaxDiscFolderDepth), " deep."}),
            item.path);
      }
      if (!item.info.folder && item.info.size >= kFirstTooLargeFileSize) {
        Add(Severity::Error, -1,
            Sentence({"The file holds ", Grouped(item.info.size),
                      " bytes; a disc holds files of at most ", Grouped(kFirstTooLargeFileSize - 1),
                      " bytes."}),
            item.path);
      }
    }
  }

  void CheckCaseClashes() {
    // (parent, upper-case name, original path), sorted: names that differ only in case meet.
    struct Key {
      std::string_view parent;
      std::string upper;
      const std::string* path;
    };
    std::vector<Key> keys;
    keys.reserve(folder_.size());
    for (const auto& item : folder_) {
      keys.push_back(
          {ParentPart(item.path), UpperAscii(std::string(NamePart(item.path))), &item.path});
    }
    std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
      return a.parent != b.parent ? a.parent < b.parent
             : a.upper != b.upper ? a.upper < b.upper
                                  : *a.path < *b.path;
    });
    for (size_t i = 1; i < keys.size(); ++i) {
      if (keys[i].parent == keys[i - 1].parent && keys[i].upper == keys[i - 1].upper) {
        Add(Severity::Error, -1,
            Sentence({"The name differs only in case from \"", NamePart(*keys[i - 1].path),
                      "\" in the same folder; a disc can hold only one of them."}),
            *keys[i].path);
      }
    }
  }

  void CheckTotalSize() {
    const DiscMediumInfo& medium = MediumInfo(options_.medium);
    const uint64_t bytes = EstimatedImageBytes(folder_);
    if (bytes > medium.capacity) {
      Add(Severity::Error, -1,
          Sentence({"The disc image will take about ", Megabytes(bytes), ", more than the ",
                    Megabytes(medium.capacity), " a ", medium.name, " holds."}),
          "");
    }
  }

  // A FAT drive keeps times in steps of two seconds.
  static constexpr int64_t kClockSlack = 2;

  const AppState& app_;
  const std::vector<fs::FolderItem>& folder_;
  const CheckOptions& options_;
  std::unordered_map<std::string, const fs::FolderItem*> index_;
  std::vector<std::string> fonts_reported_;
  std::vector<Finding> findings_;
};

constexpr uint64_t kSector = 2048;

uint64_t Sectors(uint64_t bytes) {
  return (bytes + kSector - 1) / kSector;
}

}  // namespace

std::vector<Finding> CheckDisc(const AppState& app, const std::vector<fs::FolderItem>& folder,
                               const CheckOptions& options) {
  return Checker(app, folder, options).Run();
}

uint64_t EstimatedImageBytes(const std::vector<fs::FolderItem>& folder) {
  // Per folder (the root included): its directory record bytes in each tree, and its path table
  // entry. A record is 33 bytes and the name, padded to even; ISO 9660 names are cut to 31
  // characters and files get ";1"; Joliet names are two bytes a character, with ";1" for files.
  std::unordered_map<std::string_view, uint64_t> iso_bytes, joliet_bytes;
  uint64_t path_table_iso = 10, path_table_joliet = 10;  // the root's entries
  uint64_t file_sectors = 0;
  const auto even = [](uint64_t n) { return n + (n & 1); };
  iso_bytes[""] = joliet_bytes[""] = 0;
  for (const auto& item : folder) {
    const std::string_view parent = ParentPart(item.path);
    const uint64_t length = NamePart(item.path).size();
    const uint64_t version = item.info.folder ? 0 : 2;
    iso_bytes[parent] += even(33 + std::min<uint64_t>(length, 31) + version);
    joliet_bytes[parent] += even(33 + 2 * (std::min<uint64_t>(length, 64) + version));
    if (item.info.folder) {
      iso_bytes.try_emplace(item.path, 0);
      joliet_bytes.try_emplace(item.path, 0);
      path_table_iso += even(8 + std::min<uint64_t>(length, 31));
      path_table_joliet += even(8 + 2 * std::min<uint64_t>(length, 64));
    } else {
      file_sectors += Sectors(item.info.size);
    }
  }
  // A record never crosses a sector: allow one sector more per folder and tree than the bytes.
  uint64_t directory_sectors = 0;
  for (const auto& [path, bytes] : iso_bytes) directory_sectors += Sectors(68 + bytes) + 1;
  for (const auto& [path, bytes] : joliet_bytes) directory_sectors += Sectors(68 + bytes) + 1;
  // The system area (16 sectors), the primary and Joliet descriptors and the terminator; each
  // tree has an L and an M path table.
  const uint64_t fixed = 16 + 3 + 2 * Sectors(path_table_iso) + 2 * Sectors(path_table_joliet);
  return (fixed + directory_sectors + file_sectors) * kSector;
}

std::string CheckSummary(const std::vector<Finding>& findings) {
  const auto errors =
      static_cast<size_t>(std::count_if(findings.begin(), findings.end(), [](const Finding& f) {
        return f.severity == Severity::Error;
      }));
  const size_t warnings = findings.size() - errors;
  if (findings.empty()) return "No problems found";
  const auto count = [](size_t n, const char* one) {
    return std::to_string(n) + " " + one + (n == 1 ? "" : "s");
  };
  if (errors == 0) return count(warnings, "warning");
  if (warnings == 0) return count(errors, "error");
  return count(errors, "error") + ", " + count(warnings, "warning");
}

int CheckExitCode(const std::vector<Finding>& findings) {
  if (findings.empty()) return 0;
  const bool errors = std::any_of(findings.begin(), findings.end(),
                                  [](const Finding& f) { return f.severity == Severity::Error; });
  return errors ? 2 : 1;
}

}  // namespace core
