// JSON text for the helper programs' records: Windows texts (ANSI code page) converted to UTF-8
// and quoted, so what they print is valid JSON whatever the window titles or paths hold.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

inline std::string Utf8FromAnsi(const std::string& ansi) {
  if (ansi.empty()) return {};
  const int wide_len =
      MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(wide_len), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), wide_len);
  const int len =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_len, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(len), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_len, out.data(), len, nullptr, nullptr);
  return out;
}

// A UTF-8 text as a JSON string literal.
inline std::string Quote(const std::string& utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

// A Windows (ANSI) text as a JSON string literal.
inline std::string AnsiQuoted(const std::string& ansi) {
  return Quote(Utf8FromAnsi(ansi));
}
