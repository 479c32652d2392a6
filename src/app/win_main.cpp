// Program entry. Only the executable's own path counts; further arguments are ignored.
#include <windows.h>

#include <string>

#include "quorvane_program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  QuorvaneProgram program(std::string(path, length));
  return program.Run();
}
