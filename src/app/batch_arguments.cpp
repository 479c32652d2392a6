// Reading the batch command line.
#include "app/batch_arguments.h"

#include <string_view>
#include <utility>

#include "core/disc_check.h"
#include "core/paths.h"
#include "core/text.h"

namespace app {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsSwitch(std::string_view argument) {
  return !argument.empty() && (argument[0] == '/' || argument[0] == '-');
}

// Fills `request` from the arguments; returns what is wrong with them, or nothing. Commands,
// options and media are ASCII words taken in any letter case.
std::string Read(const std::vector<std::string>& arguments, BatchRequest& request) {
  const std::string_view command = arguments[0];
  static constexpr std::pair<const char*, BatchCommand> kCommands[] = {
      {"check", BatchCommand::Check},
      {"deploy", BatchCommand::Deploy},
      {"image", BatchCommand::Image},
  };
  for (const auto& [word, value] : kCommands) {
    if (IsSwitch(command) && core::EqualsIgnoringAsciiCase(command.substr(1), word)) {
      request.command = value;
    }
  }
  if (request.command == BatchCommand::None) {
    return core::Joined({"Unknown command \"", command, "\"."});
  }
  const std::string* values[2] = {};
  size_t value_count = 0;
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!IsSwitch(argument)) {
      if (value_count < 2) values[value_count] = &argument;
      ++value_count;
      continue;
    }
    const std::string_view option = std::string_view(argument).substr(1);
    if (i + 1 >= arguments.size() || IsSwitch(arguments[i + 1])) {
      return core::Joined({"The option \"", argument, "\" needs a value."});
    }
    const std::string& value = arguments[++i];
    if (core::EqualsIgnoringAsciiCase(option, "out")) {
      request.out = value;
    } else if (core::EqualsIgnoringAsciiCase(option, "label") &&
               request.command == BatchCommand::Image) {
      request.label = value;
    } else if (core::EqualsIgnoringAsciiCase(option, "medium") &&
               request.command != BatchCommand::Deploy) {
      const auto* known = core::kDiscMedia.end();
      for (const auto& medium : core::kDiscMedia) {
        if (core::EqualsIgnoringAsciiCase(value, medium.keyword)) known = &medium;
      }
      if (known == core::kDiscMedia.end()) {
        return core::Joined({"Unknown medium \"", value, "\"."});
      }
      request.medium = known->medium;
    } else {
      return core::Joined({"Unknown option \"", argument, "\"."});
    }
  }
  const size_t wanted = request.command == BatchCommand::Image ? 2 : 1;
  if (value_count != wanted) {
    return wanted == 2 ? "Give the CD folder and the image file." : "Give the CD folder.";
  }
  request.folder = *values[0];
  if (wanted == 2) request.image = *values[1];
  return {};
}

}  // namespace

std::vector<std::string> CommandLineArguments(std::string_view line) {
  size_t i = 0;
  for (bool quoted = false; i < line.size() && (quoted || !IsBlank(line[i])); ++i) {
    if (line[i] == '"') quoted = !quoted;
  }
  std::vector<std::string> arguments;
  for (;;) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) return arguments;
    std::string& argument = arguments.emplace_back();
    for (bool quoted = false; i < line.size() && (quoted || !IsBlank(line[i]));) {
      if (line[i] == '\\') {
        const size_t first = i;
        while (i < line.size() && line[i] == '\\') ++i;
        const bool before_quote = i < line.size() && line[i] == '"';
        argument.append(before_quote ? (i - first) / 2 : i - first, '\\');
        if (before_quote && (i - first) % 2 == 1) argument += line[i++];
      } else if (line[i] == '"') {
        if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
          argument += line[++i];
        } else {
          quoted = !quoted;
        }
        ++i;
      } else {
        argument += line[i++];
      }
    }
  }
}

BatchRequest ReadBatchArguments(const std::vector<std::string>& arguments) {
  BatchRequest request;
  if (arguments.empty()) return request;
  std::string problem = Read(arguments, request);
  if (problem.empty()) return request;
  BatchRequest wrong;  // nothing of a wrong command line is used
  wrong.command = BatchCommand::Wrong;
  wrong.problem = std::move(problem);
  return wrong;
}

std::string_view BatchUsage() {
  return "Usage:\r\n"
         "  Quorvane.exe /check \"<CD folder>\" [/medium cd650|cd700|dvd|dvddl] [/out FILE]\r\n"
         "  Quorvane.exe /deploy \"<CD folder>\" [/out FILE]\r\n"
         "  Quorvane.exe /image \"<CD folder>\" \"<file.iso>\" [/label NAME]"
         " [/medium cd650|cd700|dvd|dvddl] [/out FILE]\r\n"
         "Exit codes: 0 done (no findings), 1 warnings only, 2 errors or a failure,"
         " 3 a wrong command line or no CD folder or no design.\r\n";
}

}  // namespace app
