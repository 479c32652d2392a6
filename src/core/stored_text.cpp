// The stored form of a text: the code page where it holds the text, else marked UTF-8.
#include "core/stored_text.h"

#include "core/code_page.h"
#include "core/utf8.h"

namespace core {

bool IsUtf8(std::string_view text) {
  for (size_t at = 0; at < text.size();) {
    const size_t length = DecodeUtf8(text, at).length;
    if (length == 0) return false;
    at += length;
  }
  return true;
}

namespace {

bool IsMarkedUtf8(std::string_view bytes) {
  return bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark && IsUtf8(bytes.substr(kUtf8Mark.size()));
}

}  // namespace

std::string StoredText(std::string_view utf8) {
  if (auto bytes = ToCodePage(utf8); bytes && !IsMarkedUtf8(*bytes)) return std::move(*bytes);
  std::string marked(kUtf8Mark);
  marked += utf8;
  return marked;
}

std::string TextOfStored(std::string_view bytes) {
  if (IsMarkedUtf8(bytes)) return std::string(bytes.substr(kUtf8Mark.size()));
  return FromCodePage(bytes);
}

}  // namespace core
