// Program entry. Only the executable's own path counts; further arguments are ignored.
#include <windows.h>

#include <objbase.h>

#include <string>

#include "quorvane_program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  // The shell's folder browser needs COM on this thread.
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int exit_code = 0;
  {
    QuorvaneProgram program(std::string(path, length));
    exit_code = program.Run();
  }
  if (SUCCEEDED(com)) ::CoUninitialize();
  return exit_code;
}
