// The system code page: the 8-bit text that older designs and older players speak. Inside, the
// program holds every text as UTF-8; these two turn it into the code page's bytes and back, for
// the project file and the settings file only (the screen, the files and the shell take UTF-16).
// Windows asks the system's own code page; the native build stands in Windows-1252, the code page
// of Western Windows, so that the rules built on it are tested against a real single-byte page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace core {

// The code page's bytes for a UTF-8 text, or nothing when the code page lacks one of its
// characters. No best fit: a character is never replaced by a look-alike or by "?".
std::optional<std::string> ToCodePage(std::string_view utf8);

// The UTF-8 text of code-page bytes.
std::string FromCodePage(std::string_view bytes);

}  // namespace core
