// Opening the designer's help.
#include "designer/win32/help_contents.h"

#include "core/messages.h"
#include "designer/help_request.h"
#include "player/link_runner.h"
#include "ui/win32/shell.h"
#include "ui/win32/wide_text.h"

void OpenHelpContents(HWND owner, core::AppState& app) {
  const designer::HelpRequest help = designer::HelpRequestFor(app.ExePath);
  switch (help.kind) {
    case designer::HelpRequest::WinHelpFile:
      // The help file's contents and index, as it has always been opened.
      if (!::WinHelpW(owner, ui::win32::WideOf(help.path).c_str(), HELP_FINDER, 0)) {
        core::ShowError(app.platform, "Cannot open help file \"" + help.path + "\"");
      }
      return;
    case designer::HelpRequest::Page: {
      // The browser the author has chosen for web pages, in a normal window.
      const intptr_t result =
          ui::win32::ShellExecuteRequest(owner, "open", help.path, "", "", SW_SHOWNORMAL);
      if (result <= 32) {
        core::ShowError(app.platform,
                        designer::PageNotOpenedText(player::ShellErrorText(result), help.path));
      }
      return;
    }
    case designer::HelpRequest::PageMissing:
      core::ShowFileNotFound(app.platform, help.path);
      return;
  }
}
