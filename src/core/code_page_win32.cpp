// The system code page of this Windows, converted with no best fit: where the page lacks a
// character, the conversion says so instead of putting a look-alike or "?" in its place.
#include <windows.h>

#include "core/code_page.h"
#include "ui/win32/wide_text.h"

namespace core {

std::optional<std::string> ToCodePage(std::string_view utf8) {
  // A system whose code page is UTF-8 holds every character (and takes no best-fit flag).
  if (utf8.empty() || ::GetACP() == CP_UTF8) return std::string(utf8);
  const std::wstring wide = ui::win32::WideOf(utf8);
  const int length = static_cast<int>(wide.size());
  BOOL lost = FALSE;
  const int size = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), length,
                                         nullptr, 0, nullptr, &lost);
  if (size <= 0 || lost) return std::nullopt;
  std::string bytes(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), length, bytes.data(), size,
                        nullptr, &lost);
  return bytes;
}

std::string FromCodePage(std::string_view bytes) {
  return ui::win32::Utf8Of(ui::win32::WideOf(bytes, CP_ACP));
}

}  // namespace core
