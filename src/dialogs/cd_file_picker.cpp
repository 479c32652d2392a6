// The CD file picker and the path normalisation of the property dialogs.
#include "dialogs/cd_file_picker.h"

#include <algorithm>
#include <cstring>

#include "core/paths.h"

namespace dialogs {

namespace {

// Blanks and control characters; bytes above 127 are letters of the system code page.
bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

// A link's target may hold an address rather than a file: a URL, an e-mail address (an '@' and
// no folder), or any text with a character no Windows file name has. The open-file dialog cannot
// preselect such a name and would not open at all.
bool CouldBeFileName(const std::string& text) {
  if (text.find('@') != std::string::npos && text.find('\\') == std::string::npos) return false;
  return std::none_of(text.begin(), text.end(), [](char c) {
    return static_cast<unsigned char>(c) < 32 || std::strchr("<>:\"/|?*", c) != nullptr;
  });
}

}  // namespace

std::string TrimPath(const std::string& text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsBlankOrControl(text[first])) ++first;
  while (last > first && IsBlankOrControl(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::string NormalizePath(const std::string& text) {
  std::string path = TrimPath(text);
  if (!path.empty() && path.front() != '\\') path.insert(path.begin(), '\\');
  return path;
}

std::string TargetFolder(const std::string& cd_relative) {
  const auto slash = cd_relative.rfind('\\');
  if (slash == std::string::npos) return {};
  // A file in the CD folder itself: its folder is the CD root, written as a lone backslash.
  return slash == 0 ? std::string("\\") : cd_relative.substr(0, slash);
}

std::optional<std::string> PickCdFile(core::AppState& app, OpenFileDialog& dialog,
                                      const std::string& field, const std::string& filter,
                                      RefusalStyle style, const std::string& application_title) {
  OpenFileRequest request;
  request.filter = filter;
  const std::string typed = TrimPath(field);
  if (typed.empty() || !CouldBeFileName(typed)) {
    request.initial_folder = app.CDFolder;
  } else {
    // The field holds a CD-relative name; the dialog opens on that file inside the CD folder.
    request.file_name = app.CDFolder + NormalizePath(typed);
  }
  const std::optional<std::string> chosen = dialog.Choose(request);
  if (!chosen) return std::nullopt;

  std::string relative = core::RelativeToFolder(app.CDFolder, *chosen);
  if (!relative.empty()) return relative;

  // A file outside the CD folder would not be on the disc the menu runs from.
  const std::string text =
      "Selected file should be in \"" + app.CDFolder + "\" directory or its subdirectory";
  if (style == RefusalStyle::Plain) {
    app.platform.ShowMessageBox(text + " directory", application_title, ui::MessageIcon::None,
                                ui::MessageButtons::Ok);
  } else {
    app.platform.ShowMessageBox(text, "Information", ui::MessageIcon::Information,
                                ui::MessageButtons::Ok);
  }
  return std::nullopt;
}

}  // namespace dialogs
