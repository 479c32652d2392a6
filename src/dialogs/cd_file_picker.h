// Picking a file that has to travel on the disc: every file-selection button of the property
// dialogs accepts only files in the CD folder or below it and stores them CD-relative (with a
// leading backslash). Also the path normalisation the dialogs apply when they store a path.
#pragma once

#include <optional>
#include <string>

#include "core/app_state.h"

namespace dialogs {

// Without leading and trailing characters of code 32 or less (blanks and control characters).
std::string TrimPath(const std::string& text);
// Trimmed, and with a leading backslash when not empty: a typed path is always CD-relative.
std::string NormalizePath(const std::string& text);
// The folder of a picked CD-relative target, which becomes the link's start directory: the
// text before its last backslash, or a lone backslash when that is its first character.
std::string TargetFolder(const std::string& cd_relative);

// What the open-file dialog is asked to show. The filter is in "Text|pattern|Text|pattern" form;
// empty means no filter (all files, no type list).
struct OpenFileRequest {
  std::string filter;
  std::string initial_folder;  // used when file_name is empty
  std::string file_name;       // full path preselected, or empty
};

class OpenFileDialog {
 public:
  virtual ~OpenFileDialog() = default;
  // The chosen file's full path, or nothing when the author cancels. Only existing files can be
  // chosen; the read-only box is hidden.
  virtual std::optional<std::string> Choose(const OpenFileRequest& request) = 0;
};

// Plain: a box with only OK, no icon, captioned with the application title ("... directory or
// its subdirectory directory"); Information: the link editor's box captioned "Information" with
// the information icon ("... directory or its subdirectory").
enum class RefusalStyle { Plain, Information };

// The CD file picker on a field's text: the new text (CD-relative) when a file inside the CD
// folder was chosen; nothing when the author cancelled or the file was refused (the refusal
// message has then been shown). The dialog opens on the file the field names, or in the CD
// folder when the field is empty or names no file (a URL, an e-mail address).
std::optional<std::string> PickCdFile(core::AppState& app, OpenFileDialog& dialog,
                                      const std::string& field, const std::string& filter,
                                      RefusalStyle style, const std::string& application_title);

}  // namespace dialogs
