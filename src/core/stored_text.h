// How a text is stored in the project file, the clipboard's objects and the settings file, so
// that every file older programs wrote and read stays as it was: a text the system code page
// holds is stored in that code page, byte for byte as before; any other is stored as the UTF-8
// mark EF BB BF followed by its UTF-8, which no text of a Western code page begins with in
// practice and which an older player shows as three odd letters rather than failing.
#pragma once

#include <string>
#include <string_view>

namespace core {

inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Whether `text` is well-formed UTF-8 all through (DecodeUtf8 says what that takes).
bool IsUtf8(std::string_view text);

// The stored bytes of a UTF-8 text: its code-page bytes where the code page holds every
// character, else the mark and the UTF-8. A code-page text that would itself read back as
// marked UTF-8 (it begins with the mark's three letters) is stored marked, so it reads back as
// it was.
std::string StoredText(std::string_view utf8);

// The UTF-8 text of stored bytes: the mark followed by well-formed UTF-8 is that UTF-8; any
// other bytes (the mark's included, where what follows is not UTF-8) are code-page text.
std::string TextOfStored(std::string_view bytes);

}  // namespace core
