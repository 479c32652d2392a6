// Building the sentences the program shows from their parts, with no string temporaries: every
// "a" + b + "c" chain is its own inlined code with its own clean-up, a list of parts is a table.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace core {

// The parts, one after the other.
std::string Joined(std::initializer_list<std::string_view> parts);

// A number in decimal digits, with a comma between every three when `grouped`
// ("4,294,967,296"); it lives as long as the object, so it can be a part of Joined.
class Decimal {
 public:
  explicit Decimal(uint64_t number, bool grouped = false);
  operator std::string_view() const {
    return {first_, static_cast<size_t>(digits_ + kSize - first_)};
  }

 private:
  static constexpr size_t kSize = 26;  // 20 digits and 6 commas
  char digits_[kSize];
  char* first_;
};

}  // namespace core
