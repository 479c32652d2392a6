// The stored form of texts in the project file, the clipboard's objects and the settings file:
// code-page text as before, any other as EF BB BF + UTF-8, and no best fit.
#include <gtest/gtest.h>

#include "core/code_page.h"
#include "core/settings_file.h"
#include "core/stored_text.h"

namespace core {
namespace {

// The expectations are those of Western Windows (code page 1252), as in the native build and
// under Wine in the usual locale; another code page stores other bytes.
bool WesternCodePage() {
  return FromCodePage("\x80\xE9") == "\u20AC\u00E9";
}

TEST(StoredText, CodePageTextAsBeforeAnyOtherMarkedUtf8) {
  if (!WesternCodePage()) GTEST_SKIP() << "not a Western code page";
  const std::string mark(kUtf8Mark);
  const struct {
    std::string text, stored;
  } cases[] = {
      {"", ""},
      {"AutoRun", "AutoRun"},
      {"Caf\u00E9 \u20AC", "Caf\xE9 \x80"},
      {"\u0081", "\x81"},  // a byte 1252 leaves unassigned
      {"\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1 \u4E2D\u6587",
       mark + "\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1 \u4E2D\u6587"},
      // No best fit: Windows would otherwise turn these into "full", "O", "?" or "A".
      {"\uFF46\uFF55\uFF4C\uFF4C", mark + "\uFF46\uFF55\uFF4C\uFF4C"},
      {"\u03A9\u2248\u00E7\u221A", mark + "\u03A9\u2248\u00E7\u221A"},
      {"A\u0308", mark + "A\u0308"},
      {"\U0001F600", mark + "\U0001F600"},
      // Code-page letters that spell the mark are stored marked, or they would read back as UTF-8.
      {"\u00EF\u00BB\u00BFabc", mark + "\u00EF\u00BB\u00BFabc"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(StoredText(c.text), c.stored);
    EXPECT_EQ(TextOfStored(c.stored), c.text);
  }
}

TEST(StoredText, BytesAreReadAsMarkedUtf8OnlyWhenTheyAreUtf8) {
  if (!WesternCodePage()) GTEST_SKIP() << "not a Western code page";
  const struct {
    std::string stored, text;
  } cases[] = {
      {"\xE9t\xE9", "\u00E9t\u00E9"},
      {"\xEF\xBB\xBF\xE4\xB8\xAD", "\u4E2D"},
      {"\xEF\xBB\xBF", ""},
      {"\xEF\xBB\xBF\xE9", "\u00EF\u00BB\u00BF\u00E9"},            // not UTF-8 after the mark
      {"\xEF\xBB\xBF\xC0\xAF", "\u00EF\u00BB\u00BF\u00C0\u00AF"},  // an overlong form
      {"\xEF\xBB\xBF\xED\xA0\x80", "\u00EF\u00BB\u00BF\u00ED\u00A0\u20AC"},  // a surrogate
      {"\xC3\xA9", "\u00C3\u00A9"},  // UTF-8 without the mark is code-page text, as before
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    EXPECT_EQ(TextOfStored(c.stored), c.text);
  }
}

TEST(StoredText, SettingsFileIsCodePageUntilALineNeedsMore) {
  if (!WesternCodePage()) GTEST_SKIP() << "not a Western code page";
  const auto text = [](const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
  };
  EXPECT_EQ(text(SettingsFileBytes("DefaultPath=C:\\Men\u00FC\r\n")),
            "DefaultPath=C:\\Men\xFC\r\n");
  EXPECT_EQ(text(SettingsFileBytes("DefaultPath=C:\\Men\u00FC\r\nRecentFolder1=D:\\\u4E2D\r\n")),
            "\xEF\xBB\xBF"
            "DefaultPath=C:\\Men\u00FC\r\nRecentFolder1=D:\\\u4E2D\r\n");
}

}  // namespace
}  // namespace core
