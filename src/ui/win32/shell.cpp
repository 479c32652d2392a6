// Shell document execution.
#include "ui/win32/shell.h"

#include <shellapi.h>

namespace ui::win32 {

intptr_t ShellExecuteRequest(HWND owner, const std::string& verb, const std::string& file,
                             const std::string& parameters, const std::string& directory,
                             int show_command) {
  HINSTANCE result = ::ShellExecuteA(owner, verb.c_str(), file.c_str(), parameters.c_str(),
                                     directory.c_str(), show_command);
  return reinterpret_cast<intptr_t>(result);
}

}  // namespace ui::win32
