// The player's own ends for the standard library's misuse reports and for memory that runs out:
// each reports its text through the fatal error report (the test's report returns here instead
// of letting the program end).
#include <gtest/gtest.h>

#include <csetjmp>
#include <string>
#include <vector>

#include "app/library_errors.h"

namespace {

std::jmp_buf back;
std::string reported;

void Record(const char* what) {
  reported = what;
  std::longjmp(back, 1);
}

template <typename Action>
std::string ReportedText(Action action) {
  reported = "nothing reported";
  app::SetFatalErrorReport(&Record);
  if (setjmp(back) == 0) action();
  app::SetFatalErrorReport(nullptr);
  return reported;
}

TEST(LibraryErrors, MisuseAndExhaustedMemoryAreReportedWithTheirText) {
  static std::vector<int> empty;
  static const std::string text = "abc";
  EXPECT_EQ(ReportedText([] { (void)empty.at(3); }),
            "vector::_M_range_check: position out of range");
  EXPECT_EQ(ReportedText([] { (void)text.substr(9); }),
            "basic_string::substr: position out of range");
  EXPECT_NE(ReportedText([] { empty.reserve(empty.max_size() + 1); }).find("vector::reserve"),
            std::string::npos);
  static volatile size_t more_than_a_32_bit_program_has = 0xfffffff0;
  static char* volatile kept = nullptr;  // an allocation nobody keeps may be left out
  EXPECT_EQ(ReportedText([] { kept = new char[more_than_a_32_bit_program_has]; }),
            "There is not enough memory to go on.");
  EXPECT_EQ(kept, nullptr);
}

}  // namespace
