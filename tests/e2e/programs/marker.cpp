// marker: a stand-in target program for the end-to-end tests. Started by anything (the player's
// links, the shell), it records how it was started and exits 0 without showing a window:
//   {"argv": [...], "cwd": "...", "command_line": "...", "exe": "..."}
// The record goes to the file named by QUORVANE_MARKER_OUT (a Windows path; a path starting
// with "/" is taken as a Linux path on Wine's Z: drive), else to marker-out.json beside the
// executable. It is written to a temporary file first and then moved into place, so a reader
// never sees half a record.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "json_text.h"

namespace {

std::wstring OutputPath() {
  const wchar_t* env = _wgetenv(L"QUORVANE_MARKER_OUT");
  if (env && *env) {
    std::wstring path = env;
    if (path[0] == L'/') {
      path = L"Z:" + path;
      for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    }
    return path;
  }
  wchar_t exe[MAX_PATH] = {};
  DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring path(exe, n);
  size_t slash = path.find_last_of(L"\\/");
  return (slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1)) +
         L"marker-out.json";
}

}  // namespace

// Every text as Windows passes it, in UTF-16, so that names in any script are recorded exactly.
int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::string json = "{\"argv\":[";
  for (int i = 0; i < argc; ++i) {
    if (i) json += ',';
    json += WideQuoted(argv[i]);
  }
  LocalFree(argv);
  wchar_t cwd[MAX_PATH * 2] = {};
  DWORD cwd_len = GetCurrentDirectoryW(MAX_PATH * 2, cwd);
  wchar_t exe[MAX_PATH] = {};
  DWORD exe_len = GetModuleFileNameW(nullptr, exe, MAX_PATH);
  json += "],\"cwd\":" + WideQuoted(std::wstring(cwd, cwd_len < MAX_PATH * 2 ? cwd_len : 0)) +
          ",\"command_line\":" + WideQuoted(GetCommandLineW()) +
          ",\"exe\":" + WideQuoted(std::wstring(exe, exe_len)) + "}\n";

  std::wstring path = OutputPath();
  std::wstring temp = path + L".tmp";
  HANDLE f = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 3;
  DWORD written = 0;
  BOOL ok = WriteFile(f, json.data(), static_cast<DWORD>(json.size()), &written, nullptr) &&
            written == json.size();
  CloseHandle(f);
  if (!ok || !MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) return 3;
  return 0;
}
