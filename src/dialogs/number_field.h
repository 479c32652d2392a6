// A number field of a property dialog (a border width, a margin): which whole numbers it takes,
// how its text reads, and the message that names it when its text is no such number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace dialogs {

struct NumberField {
  const char* name;  // as the message names it, e.g. "Border Width"
  int32_t min, max;
};

// The value of a field's text: a whole number (an optional sign and decimal digits, blanks
// around them allowed) from min to max, or the value the field was filled with (a stored design
// may hold one outside the range). Nothing for any other text.
std::optional<int32_t> ReadNumber(const NumberField& field, const std::string& text,
                                  int32_t filled);

// In a dialog of several objects, a number field left empty or blank keeps each object's own
// value: it is neither read nor refused.
bool LeftBlank(const std::string& text);

// "Border Width must be a whole number from 0 to 1,000."
std::string NumberMessage(const NumberField& field);

}  // namespace dialogs
