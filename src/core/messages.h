// The message operations every part of the program reports through: modal boxes titled
// "Error" with the error icon and one OK button.
#pragma once

#include <string>

#include "ui/platform.h"

namespace core {

inline constexpr char kErrorTitle[] = "Error";

void ShowError(ui::Platform& platform, const std::string& text);
void ShowFormatError(ui::Platform& platform);
void ShowIOError(ui::Platform& platform);
void ShowFileNotFound(ui::Platform& platform, const std::string& full_path);
// A file that is there but holds no picture the program can read, or a damaged one.
void ShowNotAPicture(ui::Platform& platform, const std::string& full_path);
void ShowDirectoryNotFound(ui::Platform& platform, const std::string& full_path);

std::string FileNotFoundText(const std::string& full_path);
std::string NotAPictureText(const std::string& full_path);
std::string DirectoryNotFoundText(const std::string& full_path);
// Names the file and the system's reason for the write that just failed.
std::string CannotWriteText(const std::string& path);

}  // namespace core
