// The address rules of Check Disc, in the words of its warnings:
//  - the address of an "Open URL" link is http://, https:// or ftp:// followed by a host name
//    (and optionally a port and a path without blanks);
//  - the address of a "Send Email" link is local@domain, with a dot in the domain, for each of
//    its recipients (separated by commas), optionally followed by "?subject=..." and the like.
#pragma once

#include <string_view>

namespace core {

bool IsWellFormedUrl(std::string_view address);
bool IsWellFormedEmail(std::string_view address);

}  // namespace core
