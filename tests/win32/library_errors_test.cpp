// The player's own throw helpers for the standard library's misuse reports: each still throws
// something the window procedures' handler catches as std::exception, with the library's text.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

template <typename Action>
std::string CaughtText(Action action) {
  try {
    action();
  } catch (const std::logic_error&) {
    return "the library's own logic_error";  // the helpers were not replaced
  } catch (const std::exception& error) {
    return error.what();
  }
  return "nothing thrown";
}

TEST(LibraryErrors, MisuseReachesTheGeneralHandlerWithTheLibrarysText) {
  std::vector<int> empty;
  EXPECT_EQ(CaughtText([&] { (void)empty.at(3); }),
            "vector::_M_range_check: position out of range");
  const std::string text = "abc";
  EXPECT_EQ(CaughtText([&] { (void)text.substr(9); }),
            "basic_string::substr: position out of range");
  EXPECT_NE(CaughtText([&] { empty.reserve(empty.max_size() + 1); }).find("vector::reserve"),
            std::string::npos);
  EXPECT_THROW((void)std::vector<char>(size_t{0x7fffffff}), std::bad_alloc);
}

}  // namespace
