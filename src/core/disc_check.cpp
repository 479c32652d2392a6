// Check Disc: the rules over the design and the CD folder's listing.
#include "core/disc_check.h"

#include <algorithm>
#include <cstdlib>

#include "core/address_rules.h"
#include "core/disc_image.h"
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
  const auto letter = static_cast<unsigned char>((name.size() > drive ? name[drive] : 0) | 0x20);
  if (name.size() >= drive + 2 && letter >= 'a' && letter <= 'z' && name[drive + 1] == ':') {
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

// One name of the CD folder's listing: sorted by its parent, then by its name in capitals, then by
// the item's whole path, names that differ only in case meet, and so do all the names of one
// folder.
struct Key {
  std::string_view parent;
  std::string_view name;  // in capitals
  const fs::FolderItem* item;
};

int KeyOrder(const void* left, const void* right) {
  const Key& a = *static_cast<const Key*>(left);
  const Key& b = *static_cast<const Key*>(right);
  if (const int order = a.parent.compare(b.parent); order != 0) return order;
  if (const int order = a.name.compare(b.name); order != 0) return order;
  return a.item->path.compare(b.item->path);
}

// Every listing is sorted by this one function, the C library's sort: std::sort would bring its
// own copy of a sort for every kind of key.
void Sort(std::vector<Key>& keys) {
  if (keys.size() > 1) std::qsort(keys.data(), keys.size(), sizeof(Key), KeyOrder);
}

// What the design needs a name to be: a glyph is shown as a button's, a picture as an image's.
enum class Need { File, FileOrFolder, Folder, Glyph, Picture };

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
    // them, joined by NULs, which no name holds. Links stay off the disc, so no rule but their
    // own sees them.
    std::string joined;
    for (const auto& item : folder) {
      if (!item.info.link) (joined += item.path) += '\0';
    }
    capitals_ = fs::NameInCapitals(joined);
    // The whole paths, sorted as names of one folder (in capitals, then the first listed), and
    // the names in their folders.
    index_.reserve(folder.size());
    names_.reserve(folder.size());
    const char* path = capitals_.c_str();
    for (const auto& item : folder) {
      if (item.info.link) continue;
      const std::string_view capitals = path;
      index_.push_back({{}, capitals, &item});
      names_.push_back({FolderOfPath(item.path), NameInPath(capitals), &item});
      path += capitals.size() + 1;
    }
    Sort(index_);
    Sort(names_);
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
    findings_.push_back({severity, object, Joined(what), std::string(file),
                         object >= 0 ? FindingPlace::Properties : FindingPlace::Folder});
  }

  // The findings from `first` on name what the author mends in `place`.
  void Place(size_t first, FindingPlace place) {
    for (size_t i = first; i < findings_.size(); ++i) findings_[i].place = place;
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

  // Whether the player shows `item` as the glyph or picture `need` asks for: the player's own
  // loader decides, so that what the check passes the menu shows.
  bool Shows(const fs::FolderItem& item, Need need) const {
    if (need != Need::Glyph && need != Need::Picture) return true;
    const std::string path = Joined({app_.CDFolder, "\\", item.path});
    return need == Need::Glyph ? app_.platform.LoadBitmapFile(path) != nullptr
                               : app_.platform.LoadPictureFile(path, {}) != nullptr;
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
    const char* problem;
    if (resolved.place == Resolved::InFolder) {
      const bool file = need != Need::FileOrFolder && need != Need::Folder;
      if (resolved.path.empty() && !file) return;  // the CD folder itself
      const fs::FolderItem* item = resolved.path.empty() ? nullptr : Find(resolved.path);
      if (item == nullptr) {
        problem = " does not exist in the CD folder.";
      } else if (item->info.folder) {
        if (!file) return;
        problem = " is a folder, not a file.";
      } else if (need == Need::Folder) {
        problem = " is a file, not a folder.";
      } else if (Shows(*item, need)) {
        return;
      } else {
        problem = " is no picture Quorvane can show.";
      }
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
    const size_t first = findings_.size();
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
    Place(first, FindingPlace::Link);
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
    const size_t first = findings_.size();
    CheckNamed(-1, project.IconFile, Need::File, {"The window icon"});
    CheckNamed(-1, project.StartSoundFile, Need::File, {"The start sound"});
    Place(first, FindingPlace::Properties);
    CheckLink(-1, project.StartLink, "start link");
  }

  void CheckObject(int index, const AutoObjectType& object) {
    if (const auto* label = LabelOf(object)) {
      CheckFont(index, label->Font);
      CheckFont(index, object.HotFont);
    } else if (const auto* button = ButtonOf(object)) {
      CheckNamed(index, object.GlyphFile, Need::Glyph, {"The button's glyph"});
      CheckNamed(index, object.HotGlyphFile, Need::Glyph, {"The button's glyph under the mouse"});
      CheckFont(index, button->Font);
      CheckFont(index, object.HotFont);
      bool blank = true;
      for (const char c : button->Caption) blank = blank && static_cast<unsigned char>(c) <= 0x20;
      if (blank && object.Link.Action != kActionNone) {
        Add(Severity::Warning, index, {"The button has a link but no caption."}, {});
      }
    } else if (ImageOf(object) != nullptr) {
      CheckNamed(index, object.ImageFile, Need::Picture, {"The image's picture"});
      CheckNamed(index, object.HotImageFile, Need::Picture,
                 {"The image's picture under the mouse"});
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
      if (item.info.link) {
        Add(Severity::Warning, -1,
            {"The link leads to a folder or to nothing, so it stays off the disc."}, item.path);
        continue;
      }
      const std::string_view name = NameInPath(item.path);
      // Windows drops a name's last dots and spaces when it opens a file or folder by name.
      if (name.back() == '.' || name.back() == ' ') {
        Add(Severity::Error, -1,
            {"The name ends in a ", name.back() == '.' ? "dot" : "space",
             ", so Windows cannot open it."},
            item.path);
      }
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
    const uint64_t bytes = disc::ImageSize(folder_);
    if (bytes > medium.capacity) {
      Add(Severity::Error, -1,
          {"The disc image will take ", Megabytes(bytes).Text(), ", more than the ",
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
