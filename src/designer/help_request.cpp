// The choice between the WinHelp file and the help page.
#include "designer/help_request.h"

#include "core/file_system.h"
#include "core/paths.h"

namespace designer {

HelpRequest HelpRequestFor(const std::string& exe_path) {
  const std::string folder = core::FolderWithoutTrailingBackslash(exe_path) + "\\";
  const std::string help_file = folder + kHelpFileName;
  if (core::fs::FileExists(help_file)) return {HelpRequest::WinHelpFile, help_file};
  const std::string page = folder + kHelpPageName;
  return {core::fs::FileExists(page) ? HelpRequest::Page : HelpRequest::PageMissing, page};
}

std::string PageNotOpenedText(const std::string& reason, const std::string& page) {
  return reason + "\n\nThe help is the page \"" + page + "\": open it in a web browser.";
}

}  // namespace designer
