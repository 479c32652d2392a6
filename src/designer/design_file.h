// What the designer knows of the design file it shows, AutoRun.ard, and the decisions that keep
// another program, a damaged file or a moved CD folder from costing the author work: whether the
// file has changed since the designer last read or wrote it, whether a save over it asks first,
// whether coming back to the designer offers the file's new design, which files Save As takes
// along into another CD folder, and the key by which designers tell each other which CD folder
// they have open. The main window only asks these and shows the answers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/file_system.h"

namespace designer {

// A file's time and size, or nothing when there is no file.
using FileFacts = std::optional<core::fs::FileInfo>;

// AutoRun.ard as the designer last read or wrote it.
struct DesignFileRecord {
  FileFacts known;
  // False after a read that stopped part way (a damaged file): what is shown is only part of it.
  bool read_whole = true;
  // The changed file the author was last offered to load, so that one change is offered once.
  FileFacts offered;
};

// Whether the file, as it is `now`, is another than the one `known`: it came, went, or its last
// write time or size differ.
inline bool ChangedSince(const FileFacts& known, const FileFacts& now) {
  if (known.has_value() != now.has_value()) return true;
  return known && (known->modified != now->modified || known->size != now->size);
}

enum class SaveQuestion : uint8_t { None, ChangedByAnother, ReadIncompletely };

// What a save must ask before it replaces the file, which is `now`: nothing when there is no file
// to lose; else whether another program changed it since, or it was only read in part.
inline SaveQuestion QuestionBeforeSave(const DesignFileRecord& record, const FileFacts& now) {
  if (!now) return SaveQuestion::None;  // nothing there to lose
  if (ChangedSince(record.known, now)) return SaveQuestion::ChangedByAnother;
  return record.read_whole ? SaveQuestion::None : SaveQuestion::ReadIncompletely;
}
// The question's words; empty for SaveQuestion::None.
inline const char* SaveQuestionText(SaveQuestion question) {
  return question == SaveQuestion::ChangedByAnother
             ? "AutoRun.ard was changed by another program since you opened it. Replace it with "
               "this design?"
         : question == SaveQuestion::ReadIncompletely
             ? "AutoRun.ard could not be read completely. Replace it with this design?"
             : "";
}

// Whether coming back to the designer offers to load the file anew: it changed since it was read
// or written, the author has no changes the new design would drop, and this change was not
// offered before.
inline bool OffersReload(const DesignFileRecord& record, const FileFacts& now, bool modified) {
  // A file that went away leaves nothing to load.
  return now && !modified && ChangedSince(record.known, now) && ChangedSince(record.offered, now);
}
inline constexpr char kReloadOfferText[] =
    "AutoRun.ard was changed by another program since you opened it. Load the new design?";

// Of `named` (paths below a CD folder, as core::FilesTheDesignNames gives them), the files that
// are in the folder `from` but not in the folder `to`, each once, in the order named.
std::vector<std::string> FilesToCopy(const std::vector<std::string>& named, const std::string& from,
                                     const std::string& to);
// Copies `files` (paths below both folders) from `from` to `to`, making the folders they lie in;
// the full path of the first file that could not be written, or "" when all were copied.
std::string CopyFiles(const std::vector<std::string>& files, const std::string& from,
                      const std::string& to);

// One number for every spelling of the folder at `full_path` (any letter case as Windows compares
// names, a trailing backslash or not, slashes or backslashes), and another for another folder: it
// names the mutex that says a designer has the folder open, since a mutex name can hold no
// backslash and only MAX_PATH characters, and tells whether two paths name one folder.
uint64_t FolderKey(const std::string& full_path);

}  // namespace designer
