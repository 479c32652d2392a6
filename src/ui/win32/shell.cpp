// Shell document execution.
#include "ui/win32/shell.h"

#include <objbase.h>
#include <shellapi.h>

namespace ui::win32 {
namespace {

class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (initialised_) ::CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialised_;
};

}  // namespace

void UseComOnThisThread() {
  static ComApartment apartment;  // ends with the program, after its windows
}

intptr_t ShellExecuteRequest(HWND owner, const std::string& verb, const std::string& file,
                             const std::string& parameters, const std::string& directory,
                             int show_command) {
  UseComOnThisThread();
  HINSTANCE result = ::ShellExecuteA(owner, verb.c_str(), file.c_str(), parameters.c_str(),
                                     directory.c_str(), show_command);
  return reinterpret_cast<intptr_t>(result);
}

}  // namespace ui::win32
