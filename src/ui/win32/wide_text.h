// The one place where the program's UTF-8 text meets the UTF-16 of Windows' wide entry points.
// Every text that crosses into Windows (windows, dialogs, menus, the shell, files, fonts, sound)
// is converted here, once, at the call; what comes back is turned into UTF-8 straight away.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ui::win32 {

// UTF-16 of a text in `code_page` (UTF-8 unless told); a byte that is no part of a character of
// that code page becomes U+FFFD.
std::wstring WideOf(std::string_view text, UINT code_page = CP_UTF8);

// UTF-8 of UTF-16 text: `length` units, or up to the terminating NUL when it is -1.
std::string Utf8Of(const wchar_t* text, int length = -1);
inline std::string Utf8Of(const std::wstring& text) {
  return Utf8Of(text.c_str(), static_cast<int>(text.size()));
}

}  // namespace ui::win32
