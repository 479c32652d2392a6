// The address rules of Check Disc: whether an "Open URL" link's address and a "Send Email"
// link's recipients are well formed enough for the browser and the mail program to take them.
#include "core/address_rules.h"

#include <algorithm>
#include <cstdint>

#include "core/paths.h"

namespace core {
namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHexDigitOrIpMark(char c) {
  return IsDigit(c) || c == ':' || c == '.' || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
constexpr std::string_view kEmailLocalMarks = "!#$%&'*+-/=^_`{|}~.";
bool IsEmailLocalCharacter(char c) {
  return IsAsciiLetter(c) || IsDigit(c) || kEmailLocalMarks.find(c) != std::string_view::npos;
}
bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F;
}

// One plain function for every "all characters are ..." test: a template per test would each
// bring its own loop.
bool AllOf(std::string_view text, bool (*test)(char)) {
  for (const char c : text) {
    if (!test(c)) return false;
  }
  return true;
}

// Host names: dot-separated labels of letters, digits and hyphens (bytes above 127 allowed for
// international names), no label empty or longer than 63 or starting or ending with a hyphen.
bool IsHostName(std::string_view host, size_t min_labels) {
  if (host.empty() || host.size() > 253) return false;
  size_t labels = 0;
  size_t start = 0;
  for (;;) {
    const size_t dot = host.find('.', start);
    const std::string_view label =
        host.substr(start, dot == std::string_view::npos ? dot : dot - start);
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') {
      return false;
    }
    for (const char c : label) {
      if (!IsAsciiLetter(c) && !IsDigit(c) && c != '-' && static_cast<unsigned char>(c) < 0x80) {
        return false;
      }
    }
    ++labels;
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  return labels >= min_labels;
}

}  // namespace

bool IsWellFormedUrl(std::string_view address) {
  size_t scheme_end = 0;
  for (const char* scheme : {"http://", "https://", "ftp://"}) {
    const std::string_view prefix = scheme;
    if (address.size() > prefix.size() &&
        EqualsIgnoringAsciiCase(address.substr(0, prefix.size()), prefix)) {
      scheme_end = prefix.size();
    }
  }
  if (scheme_end == 0 || !AllOf(address, [](char c) { return !IsBlankOrControl(c); })) {
    return false;
  }
  const std::string_view rest = address.substr(scheme_end);
  const size_t host_end = std::min(rest.find_first_of("/?#"), rest.size());
  std::string_view host = rest.substr(0, host_end);
  if (const size_t colon = host.rfind(':');
      colon != std::string_view::npos && host.find(']', colon) == std::string_view::npos) {
    const std::string_view port = host.substr(colon + 1);
    if (port.empty() || port.size() > 5 || !AllOf(port, IsDigit)) return false;
    uint32_t number = 0;
    for (const char c : port) number = number * 10 + static_cast<uint32_t>(c - '0');
    if (number == 0 || number > 65535) return false;
    host = host.substr(0, colon);
  }
  if (host.size() > 2 && host.front() == '[' && host.back() == ']') {  // an IPv6 address
    return AllOf(host.substr(1, host.size() - 2), IsHexDigitOrIpMark);
  }
  return IsHostName(host, 1);
}

bool IsWellFormedEmail(std::string_view address) {
  // The player puts "mailto:" in front; what follows "?" (subject, body) is the mail program's.
  const std::string_view recipients = address.substr(0, address.find('?'));
  if (recipients.empty()) return false;
  size_t start = 0;
  for (;;) {
    const size_t comma = recipients.find(',', start);
    const std::string_view one =
        recipients.substr(start, comma == std::string_view::npos ? comma : comma - start);
    const size_t at = one.find('@');
    if (at == std::string_view::npos || at == 0 || at > 64) return false;
    const std::string_view local = one.substr(0, at);
    const std::string_view domain = one.substr(at + 1);
    const bool local_ok = local.front() != '.' && local.back() != '.' &&
                          local.find("..") == std::string_view::npos &&
                          AllOf(local, IsEmailLocalCharacter);
    const size_t last_dot = domain.rfind('.');
    const std::string_view top =
        last_dot == std::string_view::npos ? std::string_view() : domain.substr(last_dot + 1);
    if (!local_ok || !IsHostName(domain, 2) || top.size() < 2 || !AllOf(top, IsAsciiLetter)) {
      return false;
    }
    if (comma == std::string_view::npos) return true;
    start = comma + 1;
  }
}

}  // namespace core
