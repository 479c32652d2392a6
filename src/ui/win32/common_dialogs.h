// The platform's open-file, save-file, colour and font dialogs. Each wrapper keeps its structures
// between uses, as an owner keeps its common dialogs: the colour dialog's custom colours survive,
// and the file dialogs remember nothing they should not (each use says where to start).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "ui/color.h"
#include "ui/font.h"

namespace ui::win32 {

class ColorDialog {
 public:
  // Preset to `color`; true and the chosen colour when the author confirms.
  bool Choose(HWND owner, Color& color);

 private:
  COLORREF custom_[16] = {};
};

class FontDialog {
 public:
  // Offers colour, underline and strike-out besides name, style and size; preset to `font`.
  bool Choose(HWND owner, Font& font);
};

// An open-file dialog, read-only box hidden, resizable; unless `existing_only` is false, only
// existing files can be chosen. `filter` is in "Text|pattern|Text|pattern" form (empty: all
// files, no type list); the dialog opens at `file_name` when given, else in `initial_folder`.
std::optional<std::string> ChooseOpenFile(HWND owner, const std::string& filter,
                                          const std::string& initial_folder,
                                          const std::string& file_name, bool existing_only = true);
// A save-file dialog in the same form, which asks before it replaces a file and adds
// `default_extension` (without the dot) to a name typed without one.
std::optional<std::string> ChooseSaveFile(HWND owner, const std::string& filter,
                                          const std::string& initial_folder,
                                          const std::string& file_name,
                                          const wchar_t* default_extension);

}  // namespace ui::win32
