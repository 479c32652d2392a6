// Which way a caption reads. A caption whose first letter of a strong direction is Hebrew,
// Arabic or another right-to-left script reads right to left, as the Unicode bidirectional
// algorithm decides a paragraph's direction; digits, spaces and punctuation before it decide
// nothing. Windows then lays the text out and shapes it; this only says which way it starts.
#pragma once

#include <string_view>

namespace ui {

bool StartsRightToLeft(std::string_view utf8);

}  // namespace ui
