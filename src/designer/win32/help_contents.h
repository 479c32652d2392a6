// "Help Contents..." (F1): the WinHelp file or the help page that designer::HelpRequestFor
// chooses, opened through WinHelp or the shell.
#pragma once

#include <windows.h>

#include "core/app_state.h"

// Opens the designer's help; what cannot be opened is reported in a message box.
void OpenHelpContents(HWND owner, core::AppState& app);
