// Message texts and boxes.
#include "core/messages.h"

#include "core/file_system.h"

namespace core {

void ShowError(ui::Platform& platform, const std::string& text) {
  platform.ShowMessageBox(text, kErrorTitle, ui::MessageIcon::Error, ui::MessageButtons::Ok);
}

void ShowFormatError(ui::Platform& platform) {
  ShowError(platform, "File format not match");
}

void ShowIOError(ui::Platform& platform) {
  ShowError(platform, "IO Error");
}

std::string FileNotFoundText(const std::string& full_path) {
  return "File \"" + full_path + "\" not found";
}

std::string NotAPictureText(const std::string& full_path) {
  return "File \"" + full_path + "\" is no picture Quorvane can show";
}

std::string DirectoryNotFoundText(const std::string& full_path) {
  return "Directory \"" + full_path + "\" not found";
}

std::string CannotWriteText(const std::string& path) {
  return "Cannot write file \"" + path + "\". " + fs::LastErrorText();
}

void ShowFileNotFound(ui::Platform& platform, const std::string& full_path) {
  ShowError(platform, FileNotFoundText(full_path));
}

void ShowNotAPicture(ui::Platform& platform, const std::string& full_path) {
  ShowError(platform, NotAPictureText(full_path));
}

void ShowDirectoryNotFound(ui::Platform& platform, const std::string& full_path) {
  ShowError(platform, DirectoryNotFoundText(full_path));
}

}  // namespace core
