// marker: a stand-in target program for the end-to-end tests. Started by anything (the player's
// links, the shell), it records how it was started and exits 0 without showing a window:
//   {"argv": [...], "cwd": "...", "command_line": "...", "exe": "..."}
// The record goes to the file named by QUORVANE_MARKER_OUT (a Windows path; a path starting
// with "/" is taken as a Linux path on Wine's Z: drive), else to marker-out.json beside the
// executable. It is written to a temporary file first and then moved into place, so a reader
// never sees half a record.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "json_text.h"

namespace {

std::string OutputPath() {
  const char* env = std::getenv("QUORVANE_MARKER_OUT");
  if (env && *env) {
    std::string path = env;
    if (path[0] == '/') {
      path = "Z:" + path;
      for (char& c : path)
        if (c == '/') c = '\\';
    }
    return path;
  }
  char exe[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string path(exe, n);
  size_t slash = path.find_last_of("\\/");
  return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) +
         "marker-out.json";
}

}  // namespace

int main(int argc, char** argv) {
  std::string json = "{\"argv\":[";
  for (int i = 0; i < argc; ++i) {
    if (i) json += ',';
    json += AnsiQuoted(argv[i]);
  }
  char cwd[MAX_PATH * 2] = {};
  DWORD cwd_len = GetCurrentDirectoryA(sizeof cwd, cwd);
  char exe[MAX_PATH] = {};
  DWORD exe_len = GetModuleFileNameA(nullptr, exe, MAX_PATH);
  json += "],\"cwd\":" + AnsiQuoted(std::string(cwd, cwd_len < sizeof cwd ? cwd_len : 0)) +
          ",\"command_line\":" + AnsiQuoted(GetCommandLineA()) +
          ",\"exe\":" + AnsiQuoted(std::string(exe, exe_len)) + "}\n";

  std::string path = OutputPath();
  std::string temp = path + ".tmp";
  HANDLE f = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 3;
  DWORD written = 0;
  BOOL ok = WriteFile(f, json.data(), static_cast<DWORD>(json.size()), &written, nullptr) &&
            written == json.size();
  CloseHandle(f);
  if (!ok || !MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) return 3;
  return 0;
}
