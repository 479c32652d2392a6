// Document execution through the shell, as the links and the designer's help menu use it.
#pragma once

#include <windows.h>

#include <string>

namespace ui::win32 {

// Makes sure COM is initialised on this (the window) thread, as the shell's folder browser, its
// file dialogs and the shell extensions that document execution may reach need it. The first call
// initialises it and the program's end uninitialises it: the player starts without loading COM
// at all, and a link reaches it only when the author's disc uses the shell.
void UseComOnThisThread();

// The shell's document execution (ShellExecuteExW), with COM on this thread; the result is greater
// than 32 on success, else the shell's error code.
intptr_t ShellExecuteRequest(HWND owner, const std::string& verb, const std::string& file,
                             const std::string& parameters, const std::string& directory,
                             int show_command);

}  // namespace ui::win32
