// The batch command line: how a whole command line splits into arguments, what each argument list
// asks for, and what is wrong with it.
#include "app/batch_arguments.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(BatchArguments, ReadsCommandsFoldersAndOptionsAndNamesWhatIsWrong) {
  using enum BatchCommand;
  const struct {
    std::vector<std::string> arguments;
    BatchCommand command;
    std::string folder, image, label, medium, out, problem;
  } cases[] = {
      {{}, None, "", "", "", "cd700", "", ""},
      {{"/check", "C:\\CD"}, Check, "C:\\CD", "", "", "cd700", "", ""},
      {{"-CHECK", "C:\\CD", "/Medium", "DVD", "/out", "r.txt"},
       Check,
       "C:\\CD",
       "",
       "",
       "dvd",
       "r.txt",
       ""},
      {{"/deploy", "D:\\Disc"}, Deploy, "D:\\Disc", "", "", "cd700", "", ""},
      {{"/image", "C:\\CD", "C:\\out.iso", "/label", "My Disc", "/medium", "cd650"},
       Image,
       "C:\\CD",
       "C:\\out.iso",
       "My Disc",
       "cd650",
       "",
       ""},
      {{"/burn", "C:\\CD"}, Wrong, "", "", "", "cd700", "", "Unknown command \"/burn\"."},
      {{"/check"}, Wrong, "", "", "", "cd700", "", "Give the CD folder."},
      {{"/image", "C:\\CD"},
       Wrong,
       "",
       "",
       "",
       "cd700",
       "",
       "Give the CD folder and the image file."},
      {{"/check", "C:\\CD", "/medium", "floppy"},
       Wrong,
       "",
       "",
       "",
       "cd700",
       "",
       "Unknown medium \"floppy\"."},
      {{"/deploy", "C:\\CD", "/label", "X"},
       Wrong,
       "",
       "",
       "",
       "cd700",
       "",
       "Unknown option \"/label\"."},
      {{"/check", "C:\\CD", "/out"},
       Wrong,
       "",
       "",
       "",
       "cd700",
       "",
       "The option \"/out\" needs a value."},
  };
  for (const auto& c : cases) {
    const BatchRequest r = ReadBatchArguments(c.arguments);
    const std::string where = c.arguments.empty() ? "(none)" : c.arguments[0] + " ...";
    EXPECT_EQ(r.command, c.command) << where;
    EXPECT_EQ(r.folder, c.folder) << where;
    EXPECT_EQ(r.image, c.image) << where;
    EXPECT_EQ(r.label, c.label) << where;
    EXPECT_EQ(core::MediumInfo(r.medium).keyword, c.medium) << where;
    EXPECT_EQ(r.out, c.out) << where;
    EXPECT_EQ(r.problem, c.problem) << where;
  }
}

TEST(BatchArguments, SplitsTheCommandLineAsTheRunTimeDoes) {
  using Arguments = std::vector<std::string>;
  const struct {
    const char* line;
    Arguments arguments;
  } cases[] = {
      {"Quorvane.exe", {}},
      {"\"C:\\Program Files\\Quorvane.exe\" /check  \t\"D:\\Меню CD\\中文\" ",
       {"/check", "D:\\Меню CD\\中文"}},
      {"q \"a b c\" d e", {"a b c", "d", "e"}},
      {"q \"ab\\\"c\" \"\\\\\" d", {"ab\"c", "\\", "d"}},
      {"q a\\\\\\b d\"e f\"g h", {"a\\\\\\b", "de fg", "h"}},
      {"q a\\\\\\\"b c d", {"a\\\"b", "c", "d"}},
      {"q a\\\\\\\\\"b c\" d e", {"a\\\\b c", "d", "e"}},
      {"q a\"b\"\" c d", {"ab\" c d"}},
      {"q \"\" \"C:\\CD\\\"", {"", "C:\\CD\""}},
  };
  for (const auto& c : cases) EXPECT_EQ(CommandLineArguments(c.line), c.arguments) << c.line;
}

}  // namespace
}  // namespace app
