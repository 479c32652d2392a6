// The design file's record and the decisions around it.
#include "designer/design_file.h"

#include "core/text.h"

namespace designer {

bool ChangedSince(const FileFacts& known, const FileFacts& now) {
  if (known.has_value() != now.has_value()) return true;
  return known && (known->modified != now->modified || known->size != now->size);
}

SaveQuestion QuestionBeforeSave(const DesignFileRecord& record, const FileFacts& now) {
  if (!now) return SaveQuestion::None;  // nothing there to lose
  if (ChangedSince(record.known, now)) return SaveQuestion::ChangedByAnother;
  return record.read_whole ? SaveQuestion::None : SaveQuestion::ReadIncompletely;
}

const char* SaveQuestionText(SaveQuestion question) {
  return question == SaveQuestion::ChangedByAnother
             ? "AutoRun.ard was changed by another program since you opened it. Replace it with "
               "this design?"
         : question == SaveQuestion::ReadIncompletely
             ? "AutoRun.ard could not be read completely. Replace it with this design?"
             : "";
}

bool OffersReload(const DesignFileRecord& record, const FileFacts& now, bool modified) {
  // A file that went away leaves nothing to load.
  return now && !modified && ChangedSince(record.known, now) && ChangedSince(record.offered, now);
}

std::vector<std::string> FilesToCopy(const std::vector<std::string>& named, const std::string& from,
                                     const std::string& to) {
  std::vector<std::string> files;
  for (const std::string& path : named) {
    bool listed = false;  // a picture may well be named twice, as the normal and the hot one
    for (const std::string& file : files) listed = listed || file == path;
    if (!listed && core::fs::FileExists(core::Joined({from, "\\", path})) &&
        !core::fs::Stat(core::Joined({to, "\\", path}))) {
      files.push_back(path);
    }
  }
  return files;
}

std::string CopyFiles(const std::vector<std::string>& files, const std::string& from,
                      const std::string& to) {
  for (const std::string& path : files) {
    const std::string copy = core::Joined({to, "\\", path});
    core::fs::MakeFoldersAbove(copy);
    if (!core::fs::CopyFileOver(core::Joined({from, "\\", path}), copy)) return copy;
  }
  return {};
}

uint64_t FolderKey(const std::string& full_path) {
  // FNV-1a over the path in Windows' capitals, backslashes, no trailing one: 64 bits, so two
  // folders a designer opens never meet by chance.
  const std::string capitals = core::fs::NameInCapitals(full_path);
  size_t end = capitals.size();
  while (end > 0 && (capitals[end - 1] == '\\' || capitals[end - 1] == '/')) --end;
  uint64_t key = 14695981039346656037u;
  for (size_t i = 0; i < end; ++i) {
    key = (key ^ static_cast<uint8_t>(capitals[i] == '/' ? '\\' : capitals[i])) * 1099511628211u;
  }
  return key;
}

}  // namespace designer
