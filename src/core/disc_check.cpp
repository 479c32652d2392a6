// Check Disc: the rules over the design and the CD folder's listing.
#include "core/disc_check.h"

#include <algorithm>

#include "core/paths.h"
#include "core/product_names.h"
#include "core/project_ops.h"
#include "core/text.h"
#include "core/utf8.h"

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

namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHexDigitOrIpMark(char c) {
  return IsDigit(c) || c == ':' || c == '.' || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
constexpr std::string_view kEmailLocalMarks = "!#$%&'*+-/=^_`{|}~.";
bool IsEmailLocalCharacter(char c) {
  return IsAsciiLetter(c) || IsDigit(c) || kEmailLocalMarks.find(c) != std::string_view::npos;
}
bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F;
}

// One plain function for every "all characters are ..." test: a template per test would each
// bring its own loop.
bool AllOf(std::string_view text, bool (*test)(char)) {
  for (const char c : text) {
    if (!test(c)) return false;
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

// The fonts of every Windows from 7 on: the TrueType core fonts, those Windows 7 brought, and
// the raster fonts every version keeps.
constexpr const char* kWindowsFonts[] = {
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
  for (const char* known : kWindowsFonts) {
    if (EqualsIgnoringAsciiCase(known, name)) return true;
  }
  return false;
}

bool IsWellFormedUrl(std::string_view address) {
  size_t scheme_end = 0;
  for (const char* scheme : {"http://", "https://", "ftp://"}) {
    const std::string_view prefix = scheme;
    if (address.size() > prefix.size() &&
        EqualsIgnoringAsciiCase(address.substr(0, prefix.size()), prefix)) {
      scheme_end = prefix.size();
    }
  }
  if (scheme_end == 0 || !AllOf(address, [](char c) { return !IsBlankOrControl(c); })) {
    return false;
  }
  const std::string_view rest = address.substr(scheme_end);
  const size_t host_end = std::min(rest.find_first_of("/?#"), rest.size());
  std::string_view host = rest.substr(0, host_end);
  if (const size_t colon = host.rfind(':');
      colon != std::string_view::npos && host.find(']', colon) == std::string_view::npos) {
    const std::string_view port = host.substr(colon + 1);
    if (port.empty() || port.size() > 5 || !AllOf(port, IsDigit)) return false;
    uint32_t number = 0;
    for (const char c : port) number = number * 10 + static_cast<uint32_t>(c - '0');
    if (number == 0 || number > 65535) return false;
    host = host.substr(0, colon);
  }
  if (host.size() > 2 && host.front() == '[' && host.back() == ']') {  // an IPv6 address
    return AllOf(host.substr(1, host.size() - 2), IsHexDigitOrIpMark);
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
    const bool local_ok = local.front() != '.' && local.back() != '.' &&
                          local.find("..") == std::string_view::npos &&
                          AllOf(local, IsEmailLocalCharacter);
    const size_t last_dot = domain.rfind('.');
    const std::string_view top =
        last_dot == std::string_view::npos ? std::string_view() : domain.substr(last_dot + 1);
    if (!local_ok || !IsHostName(domain, 2) || top.size() < 2 || !AllOf(top, IsAsciiLetter)) {
      return false;
    }
    if (comma == std::string_view::npos) return true;
    start = comma + 1;
  }
}

namespace {

// "703.1 MB": bytes in mebibytes, to a tenth.
class Megabytes {
 public:
  explicit Megabytes(uint64_t bytes) : tenths_((bytes * 10 + (1u << 19)) >> 20) {}
  std::string Text() const {
    const char tenth[] = {'.', static_cast<char>('0' + tenths_ % 10)};
    return Joined({Decimal(tenths_ / 10), std::string_view(tenth, 2), " MB"});
  }

 private:
  uint64_t tenths_;
};

size_t Depth(std::string_view path) {
  return static_cast<size_t>(std::count(path.begin(), path.end(), '\\')) + 1;
}

// Where a name of the design points on the disc.
struct Resolved {
  enum Place { InFolder, OnDrive, OnNetwork, AboveFolder } place = InFolder;
  std::string path;  // below the CD folder (InFolder only)
};

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// A name with a drive or a network path is absolute; any other is taken from the CD folder, with
// or without its leading backslash (the player joins the start sound with one, the other names
// without), and "." and ".." steps are followed as Windows follows them.
Resolved Resolve(std::string_view name) {
  if (name.size() >= 2 && IsSeparator(name[0]) && IsSeparator(name[1])) {
    return {Resolved::OnNetwork, {}};
  }
  const size_t drive = !name.empty() && IsSeparator(name[0]) ? 1 : 0;
  if (name.size() >= drive + 2 && IsAsciiLetter(name[drive]) && name[drive + 1] == ':') {
    return {Resolved::OnDrive, {}};
  }
  Resolved resolved;
  std::string& path = resolved.path;
  while (!name.empty()) {
    size_t slash = 0;
    while (slash < name.size() && !IsSeparator(name[slash])) ++slash;
    const std::string_view step = name.substr(0, slash);
    name.remove_prefix(std::min(slash + 1, name.size()));
    if (step.empty() || step == ".") continue;
    if (step == "..") {
      if (path.empty()) return {Resolved::AboveFolder, {}};
      const size_t last = path.rfind('\\');
      path.resize(last == std::string::npos ? 0 : last);
      continue;
    }
    if (!path.empty()) path += '\\';
    path += step;
  }
  return resolved;
}

// One name of the CD folder's listing (or, with no item, a folder that exists): sorted by its
// parent, then by its name in capitals, then by the item's whole path, names that differ only
// in case meet, and so do all the names of one folder.
struct Key {
  std::string_view parent;
  std::string_view name;  // as compared: in capitals where letter case must not count
  const fs::FolderItem* item;
};

bool KeyBefore(const Key& a, const Key& b) {
  if (a.parent != b.parent) return a.parent < b.parent;
  if (const int order = a.name.compare(b.name); order != 0) return order < 0;
  return (a.item ? std::string_view(a.item->path) : std::string_view()) <
         (b.item ? std::string_view(b.item->path) : std::string_view());
}

// Every listing is sorted by this one function, so that there is one sort in the program.
void Sort(std::vector<Key>& keys) {
  std::sort(keys.begin(), keys.end(), KeyBefore);
}

// The listing's names in their folders, sorted: in capitals (`capitals`[i].name is the path of
// folder[i] in capitals) or, with none given, as they are.
std::vector<Key> NamesInFolders(const std::vector<fs::FolderItem>& folder,
                                const std::vector<Key>* capitals) {
  std::vector<Key> keys;
  keys.reserve(folder.size());
  for (size_t i = 0; i < folder.size(); ++i) {
    const std::string_view compared = capitals ? (*capitals)[i].name : folder[i].path;
    keys.push_back({FolderOfPath(folder[i].path), NameInPath(compared), &folder[i]});
  }
  Sort(keys);
  return keys;
}

enum class Need { File, FileOrFolder, Folder };

// What a name of the design is for, as the start of a sentence ("The sound of the ", "link"):
// its parts, so that no string is made for it unless there is something to say.
struct Role {
  std::string_view parts[4];
};

class Checker {
 public:
  Checker(const AppState& app, const std::vector<fs::FolderItem>& folder,
          const CheckOptions& options)
      : app_(app), folder_(folder), options_(options) {
    // Every path in capitals: the case rule and every look-up of a name the design gives compare
    // these, as Windows finds a file in any letter case. The system is asked once for all of
    // them, joined by NULs, which no name holds.
    std::string joined;
    for (const auto& item : folder) (joined += item.path) += '\0';
    capitals_ = fs::NameInCapitals(joined);
    // The whole paths, sorted as names of one folder: in capitals, then the first listed.
    index_.reserve(folder.size());
    const char* path = capitals_.c_str();
    for (const auto& item : folder) {
      index_.push_back({{}, path, &item});
      path += index_.back().name.size() + 1;
    }
    names_ = NamesInFolders(folder, &index_);
    Sort(index_);
  }

  std::vector<Finding> Run() {
    CheckDesign();
    CheckSavedFiles();
    CheckFolderItems();
    CheckCaseClashes();
    CheckTotalSize();
    // Errors first, each kind in the order found.
    std::vector<Finding> sorted;
    sorted.reserve(findings_.size());
    for (const Severity severity : {Severity::Error, Severity::Warning}) {
      for (auto& finding : findings_) {
        if (finding.severity == severity) sorted.push_back(std::move(finding));
      }
    }
    return sorted;
  }

  void CheckDesign() {
    CheckWindow();
    for (size_t i = 0; i < app_.Project.Objects.size(); ++i) {
      CheckObject(static_cast<int>(i), *app_.Project.Objects[i]);
    }
  }

  // The paths below the CD folder of what the design names that may be files.
  std::vector<std::string> NamedFiles() {
    std::vector<std::string> named;
    named_ = &named;
    CheckDesign();
    return named;
  }

 private:
  void Add(Severity severity, int object, std::initializer_list<std::string_view> what,
           std::string_view file) {
    findings_.push_back({severity, object, Joined(what), std::string(file)});
  }

  // The item of a path, in any letter case; of several, the first listed.
  const fs::FolderItem* Find(std::string_view path) const {
    const std::string capitals = fs::NameInCapitals(path);
    size_t low = 0, high = index_.size();
    while (low < high) {
      const size_t middle = (low + high) / 2;
      if (index_[middle].name.compare(capitals) < 0) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    const fs::FolderItem* first = nullptr;
    for (; low < index_.size() && index_[low].name.compare(capitals) == 0; ++low) {
      if (first == nullptr || index_[low].item < first) first = index_[low].item;
    }
    return first;
  }

  // `role` starts the sentence: "The button's glyph".
  void CheckNamed(int object, const std::string& name, Need need, const Role& role) {
    if (name.empty()) return;
    const Resolved resolved = Resolve(name);
    if (named_ != nullptr) {
      if (need != Need::Folder && resolved.place == Resolved::InFolder && !resolved.path.empty()) {
        named_->push_back(resolved.path);
      }
      return;
    }
    const fs::FolderItem* item = nullptr;
    const char* problem;
    if (resolved.place == Resolved::InFolder) {
      item = resolved.path.empty() ? nullptr : Find(resolved.path);
      const bool root_folder = resolved.path.empty() && need != Need::File;
      if (root_folder ||
          (item && (item->info.folder ? need != Need::File : need != Need::Folder))) {
        return;
      }
      problem = !item               ? " does not exist in the CD folder."
                : item->info.folder ? " is a folder, not a file."
                                    : " is a file, not a folder.";
    } else if (resolved.place == Resolved::OnNetwork) {
      problem = " lies on the network, so it will not be on the disc.";
    } else {
      problem = " lies outside the CD folder, so it will not be on the disc.";
      if (resolved.place == Resolved::OnDrive && !app_.CDFolder.empty() &&
          !RelativeToFolder(UpperAscii(app_.CDFolder),
                            UpperAscii(name.substr(name.front() == '\\' ? 1 : 0)))
               .empty()) {
        problem =
            " is named by its full path, which will not be the same on the disc; "
            "choose it again from the CD folder.";
      }
    }
    Add(Severity::Error, object,
        {role.parts[0], role.parts[1], role.parts[2], role.parts[3], problem}, name);
  }

  void CheckLink(int object, const TCommand& link, const char* whose) {
    const char* verb = link.Action == kActionOpenFile    ? "opens"
                       : link.Action == kActionPlaySound ? "plays"
                       : link.Action == kActionPrintFile ? "prints"
                                                         : nullptr;
    if (verb != nullptr) {
      if (link.Target.empty()) {
        Add(Severity::Warning, object, {"The ", whose, " ", verb, " no file: its target is empty."},
            {});
      } else {
        CheckNamed(object, link.Target,
                   link.Action == kActionOpenFile ? Need::FileOrFolder : Need::File,
                   {link.Action == kActionPlaySound ? "The sound the " : "The file the ", whose,
                    " ", verb});
      }
      if (link.Action == kActionOpenFile) {
        CheckNamed(object, link.StartDirectory, Need::Folder, {"The start folder of the ", whose});
      }
    } else if (link.Action == kActionOpenUrl && !IsWellFormedUrl(link.Target)) {
      Add(Severity::Warning, object,
          {"The web address of the ", whose,
           " is not well formed: it needs http://, https:// or ftp:// and a host name."},
          link.Target);
    } else if (link.Action == kActionSendEmail && !IsWellFormedEmail(link.Target)) {
      Add(Severity::Warning, object,
          {"The e-mail address of the ", whose, " is not well formed (name@example.com)."},
          link.Target);
    }
    CheckNamed(object, link.SoundFile, Need::File, {"The sound of the ", whose});
  }

  void CheckFont(int object, const ui::Font& font) {
    if (font.name.empty() || IsKnownWindowsFont(font.name)) return;
    for (const std::string* reported : fonts_reported_) {
      if (*reported == font.name) return;
    }
    fonts_reported_.push_back(&font.name);
    Add(Severity::Warning, object,
        {"The font \"", font.name,
         "\" does not come with Windows; where it is not installed, Windows shows another "
         "font."},
        {});
  }

  void CheckWindow() {
    const AutoFormType& project = app_.Project;
    CheckNamed(-1, project.IconFile, Need::File, {"The window icon"});
    CheckNamed(-1, project.StartSoundFile, Need::File, {"The start sound"});
    CheckLink(-1, project.StartLink, "start link");
  }

  void CheckObject(int index, const AutoObjectType& object) {
    if (const auto* label = LabelOf(object)) {
      CheckFont(index, label->Font);
      CheckFont(index, object.HotFont);
    } else if (const auto* button = ButtonOf(object)) {
      CheckNamed(index, object.GlyphFile, Need::File, {"The button's glyph"});
      CheckNamed(index, object.HotGlyphFile, Need::File, {"The button's glyph under the mouse"});
      CheckFont(index, button->Font);
      CheckFont(index, object.HotFont);
      const bool blank =
          AllOf(button->Caption, [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
      if (blank && object.Link.Action != kActionNone) {
        Add(Severity::Warning, index, {"The button has a link but no caption."}, {});
      }
    } else if (ImageOf(object) != nullptr) {
      CheckNamed(index, object.ImageFile, Need::File, {"The image's picture"});
      CheckNamed(index, object.HotImageFile, Need::File, {"The image's picture under the mouse"});
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
        Add(Severity::Warning, -1, {saved.missing}, saved.name);
      } else if (saved.rewritten_by_save && options_.design_saved_time &&
                 item->info.modified + kClockSlack < *options_.design_saved_time) {
        Add(Severity::Warning, -1,
            {saved.name,
             " is older than the design's last save: save the design into this CD folder again."},
            saved.name);
      }
    }
    if (options_.design_has_unsaved_changes) {
      Add(Severity::Warning, -1,
          {"The design has changes that are not saved yet; the disc would show it as last saved."},
          kProjectFileName);
    }
  }

  void CheckFolderItems() {
    for (const auto& item : folder_) {
      const std::string_view name = NameInPath(item.path);
      const size_t name_length = Utf16Length(name);
      if (name_length > kMaxDiscNameLength) {
        Add(Severity::Error, -1,
            {"The name is ", Decimal(name_length),
             " characters long; a disc holds names of at most 64."},
            item.path);
      }
      // The first character of the name a disc cannot hold, if any. Joliet records names in
      // UCS-2, which has no room for a character beyond the Basic Multilingual Plane (a surrogate
      // pair of UTF-16). Bytes that are not UTF-8 come only from a POSIX listing; the image
      // writer refuses them all the same.
      for (size_t at = 0; at < name.size();) {
        const Utf8Character c = DecodeUtf8(name, at);
        std::string_view what[3];
        if (c.length == 0) {
          what[0] = "bytes that are not UTF-8 text";
        } else if (c.code > 0xFFFF) {
          what[0] = "a character outside the Basic Multilingual Plane (such as an emoji)";
        } else if (c.code < 0x20) {
          what[0] = "a control character";
        } else if (c.code < 0x80 && std::string_view("*/:;?\\").find(name[at]) != name.npos) {
          what[0] = what[2] = "\"";
          what[1] = name.substr(at, 1);
        }
        if (!what[0].empty()) {
          Add(Severity::Error, -1,
              {"The name holds ", what[0], what[1], what[2], ", which a disc name cannot hold."},
              item.path);
          break;
        }
        at += c.length;
      }
      const size_t path_length = Utf16Length(item.path);
      if (path_length > kMaxDiscPathLength &&
          Utf16Length(FolderOfPath(item.path)) <= kMaxDiscPathLength) {
        Add(Severity::Error, -1,
            {"The path is ", Decimal(path_length),
             " characters long; a disc holds paths of at most 240."},
            item.path);
      }
      if (item.info.folder && Depth(item.path) == kMaxDiscFolderDepth + 1) {
        Add(Severity::Error, -1,
            {"The folder lies ", Decimal(kMaxDiscFolderDepth + 1),
             " levels below the CD folder; a disc holds folders at most ",
             Decimal(kMaxDiscFolderDepth), " deep."},
            item.path);
      }
      if (!item.info.folder && item.info.size >= kFirstTooLargeFileSize) {
        Add(Severity::Error, -1,
            {"The file holds ", Decimal(item.info.size, true),
             " bytes; a disc holds files of at most ", Decimal(kFirstTooLargeFileSize - 1, true),
             " bytes."},
            item.path);
      }
    }
  }

  void CheckCaseClashes() {
    const std::vector<Key>& keys = names_;
    for (size_t i = 1; i < keys.size(); ++i) {
      if (keys[i].parent == keys[i - 1].parent && keys[i].name.compare(keys[i - 1].name) == 0) {
        Add(Severity::Error, -1,
            {"The name differs only in case from \"", NameInPath(keys[i - 1].item->path),
             "\" in the same folder; a disc can hold only one of them."},
            keys[i].item->path);
      }
    }
  }

  void CheckTotalSize() {
    const DiscMediumInfo& medium = MediumInfo(options_.medium);
    const uint64_t bytes = EstimatedImageBytes(folder_);
    if (bytes > medium.capacity) {
      Add(Severity::Error, -1,
          {"The disc image will take about ", Megabytes(bytes).Text(), ", more than the ",
           Megabytes(medium.capacity).Text(), " a ", medium.name, " holds."},
          {});
    }
  }

  // A FAT drive keeps times in steps of two seconds.
  static constexpr int64_t kClockSlack = 2;

  const AppState& app_;
  const std::vector<fs::FolderItem>& folder_;
  const CheckOptions& options_;
  std::string capitals_;    // every path in capitals, each ended by a NUL
  std::vector<Key> index_;  // the whole paths in capitals
  std::vector<Key> names_;  // the names in capitals, in their folders
  std::vector<const std::string*> fonts_reported_;
  std::vector<Finding> findings_;
  std::vector<std::string>* named_ = nullptr;  // set: CheckNamed gathers names, judges none
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

std::vector<std::string> FilesTheDesignNames(const AppState& app) {
  const std::vector<fs::FolderItem> no_folder;
  const CheckOptions no_options;
  return Checker(app, no_folder, no_options).NamedFiles();
}

uint64_t EstimatedImageBytes(const std::vector<fs::FolderItem>& folder) {
  // Per folder (the root included): its directory record bytes in each tree, and its path table
  // entry. A record is 33 bytes and the name, padded to even; ISO 9660 names are cut to 31
  // characters and files get ";1"; Joliet names are two bytes a character, with ";1" for files.
  // The names sorted by folder, with an item-less key for the root and each listed folder (which
  // may be empty), put each folder's records together.
  std::vector<Key> keys = NamesInFolders(folder, nullptr);
  keys.push_back({});
  for (const auto& item : folder) {
    if (item.info.folder) keys.push_back({item.path, {}, nullptr});
  }
  Sort(keys);
  uint64_t path_table_iso = 10, path_table_joliet = 10;  // the root's entries
  uint64_t file_sectors = 0, directory_sectors = 0;
  uint64_t iso_bytes = 0, joliet_bytes = 0;  // of the folder keys[i] is in
  const auto even = [](uint64_t n) { return n + (n & 1); };
  for (size_t i = 0; i < keys.size(); ++i) {
    if (const fs::FolderItem* item = keys[i].item) {
      const uint64_t length = Utf16Length(keys[i].name);
      const uint64_t version = item->info.folder ? 0 : 2;
      iso_bytes += even(33 + std::min<uint64_t>(length, 31) + version);
      joliet_bytes += even(33 + 2 * (std::min<uint64_t>(length, 64) + version));
      if (item->info.folder) {
        path_table_iso += even(8 + std::min<uint64_t>(length, 31));
        path_table_joliet += even(8 + 2 * std::min<uint64_t>(length, 64));
      } else {
        file_sectors += Sectors(item->info.size);
      }
    }
    // A record never crosses a sector: allow one sector more per folder and tree than the bytes.
    if (i + 1 == keys.size() || keys[i + 1].parent != keys[i].parent) {
      directory_sectors += Sectors(68 + iso_bytes) + 1 + Sectors(68 + joliet_bytes) + 1;
      iso_bytes = joliet_bytes = 0;
    }
  }
  // The system area (16 sectors), the primary and Joliet descriptors and the terminator; each
  // tree has an L and an M path table.
  const uint64_t fixed = 16 + 3 + 2 * Sectors(path_table_iso) + 2 * Sectors(path_table_joliet);
  return (fixed + directory_sectors + file_sectors) * kSector;
}

std::string CheckSummary(const std::vector<Finding>& findings) {
  if (findings.empty()) return "No problems found";
  size_t errors = 0;
  for (const auto& finding : findings) errors += finding.severity == Severity::Error;
  const size_t warnings = findings.size() - errors;
  const Decimal error_count(errors), warning_count(warnings);
  const std::string_view error_s = errors == 1 ? "" : "s", warning_s = warnings == 1 ? "" : "s";
  if (errors == 0) return Joined({warning_count, " warning", warning_s});
  if (warnings == 0) return Joined({error_count, " error", error_s});
  return Joined({error_count, " error", error_s, ", ", warning_count, " warning", warning_s});
}

int CheckExitCode(const std::vector<Finding>& findings) {
  if (findings.empty()) return 0;
  for (const auto& finding : findings) {
    if (finding.severity == Severity::Error) return 2;
  }
  return 1;
}

}  // namespace core
