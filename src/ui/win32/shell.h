// Document execution through the shell, as the links and the designer's help menu use it.
#pragma once

#include <windows.h>

#include <string>

namespace ui::win32 {

// ShellExecuteA; the result is greater than 32 on success, else the shell's error code.
intptr_t ShellExecuteRequest(HWND owner, const std::string& verb, const std::string& file,
                             const std::string& parameters, const std::string& directory,
                             int show_command);

}  // namespace ui::win32
