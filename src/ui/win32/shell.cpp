// Shell document execution.
#include "ui/win32/shell.h"

#include <objbase.h>
#include <shellapi.h>

#include "ui/win32/wide_text.h"

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
  const std::wstring wide_verb = WideOf(verb), wide_file = WideOf(file);
  const std::wstring wide_parameters = WideOf(parameters), wide_directory = WideOf(directory);
  SHELLEXECUTEINFOW request{};
  request.cbSize = sizeof request;
  // As plain ShellExecute does it: the shell shows no box of its own, the caller explains the code.
  request.fMask = SEE_MASK_FLAG_NO_UI;
  request.hwnd = owner;
  request.lpVerb = wide_verb.c_str();
  request.lpFile = wide_file.c_str();
  request.lpParameters = wide_parameters.c_str();
  request.lpDirectory = wide_directory.c_str();
  request.nShow = show_command;
  // A failure leaves the code ShellExecute would have returned in hInstApp; every success is one
  // number above 32 to the caller.
  if (::ShellExecuteExW(&request)) return 33;
  const auto code = reinterpret_cast<intptr_t>(request.hInstApp);
  return code >= 0 && code <= 32 ? code : 0;
}

}  // namespace ui::win32
