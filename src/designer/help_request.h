// What "Help Contents..." (F1) opens. The WinHelp file Quorvane.hlp when one lies beside the
// designer, as it always has; Windows no longer ships WinHelp, so otherwise the user guide
// "Quorvane Help.html" beside the designer, which every Windows opens in its browser. With
// neither there the author is told which file is missing, and with no program to open the page
// where the page is.
#pragma once

#include <cstdint>
#include <string>

namespace designer {

inline constexpr char kHelpFileName[] = "Quorvane.hlp";
inline constexpr char kHelpPageName[] = "Quorvane Help.html";

struct HelpRequest {
  enum Kind : uint8_t { WinHelpFile, Page, PageMissing };
  Kind kind;
  std::string path;  // the file to open; for PageMissing the page that was looked for
  friend bool operator==(const HelpRequest&, const HelpRequest&) = default;
};

// The help that the designer at `exe_path` (the running executable) can open.
HelpRequest HelpRequestFor(const std::string& exe_path);

// What F1 says when the help page is there but no program opened it: the shell's `reason`, and
// where the page is, so that the author can open it in a web browser.
std::string PageNotOpenedText(const std::string& reason, const std::string& page);

}  // namespace designer
