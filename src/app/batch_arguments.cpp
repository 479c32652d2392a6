// Reading the batch command line.
#include "app/batch_arguments.h"

#include <cctype>

namespace app {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool IsSwitch(const std::string& argument) {
  return !argument.empty() && (argument[0] == '/' || argument[0] == '-');
}

BatchRequest Wrong(const std::string& problem) {
  BatchRequest request;
  request.command = BatchCommand::Wrong;
  request.problem = problem;
  return request;
}

}  // namespace

BatchRequest ReadBatchArguments(const std::vector<std::string>& arguments) {
  BatchRequest request;
  if (arguments.empty()) return request;
  const std::string command = Lower(arguments[0]);
  if (command == "/check" || command == "-check") {
    request.command = BatchCommand::Check;
  } else if (command == "/deploy" || command == "-deploy") {
    request.command = BatchCommand::Deploy;
  } else if (command == "/image" || command == "-image") {
    request.command = BatchCommand::Image;
  } else {
    return Wrong("Unknown command \"" + arguments[0] + "\".");
  }
  std::vector<std::string> values;
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!IsSwitch(argument)) {
      values.push_back(argument);
      continue;
    }
    const std::string option = Lower(argument.substr(1));
    if (i + 1 >= arguments.size() || IsSwitch(arguments[i + 1])) {
      return Wrong("The option \"" + argument + "\" needs a value.");
    }
    const std::string& value = arguments[++i];
    if (option == "out") {
      request.out = value;
    } else if (option == "label" && request.command == BatchCommand::Image) {
      request.label = value;
    } else if (option == "medium" && request.command != BatchCommand::Deploy) {
      request.medium = Lower(value);
      if (request.medium != "cd650" && request.medium != "cd700" && request.medium != "dvd" &&
          request.medium != "dvddl") {
        return Wrong("Unknown medium \"" + value + "\".");
      }
    } else {
      return Wrong("Unknown option \"" + argument + "\".");
    }
  }
  const size_t wanted = request.command == BatchCommand::Image ? 2 : 1;
  if (values.size() != wanted) {
    return Wrong(request.command == BatchCommand::Image ? "Give the CD folder and the image file."
                                                        : "Give the CD folder.");
  }
  request.folder = values[0];
  if (wanted == 2) request.image = values[1];
  return request;
}

std::string BatchUsage() {
  return "Usage:\r\n"
         "  Quorvane.exe /check \"<CD folder>\" [/medium cd650|cd700|dvd|dvddl] [/out FILE]\r\n"
         "  Quorvane.exe /deploy \"<CD folder>\" [/out FILE]\r\n"
         "  Quorvane.exe /image \"<CD folder>\" \"<file.iso>\" [/label NAME]"
         " [/medium cd650|cd700|dvd|dvddl] [/out FILE]\r\n"
         "Exit codes: 0 done (no findings), 1 warnings only, 2 errors or a failure,"
         " 3 a wrong command line or no CD folder or no design.\r\n";
}

}  // namespace app
