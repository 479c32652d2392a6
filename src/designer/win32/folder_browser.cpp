// Folder browser through SHBrowseForFolderA.
#include "designer/win32/folder_browser.h"

#include <shlobj.h>

#include <memory>

#include "ui/win32/modal_loop.h"

namespace {

int CALLBACK SelectStartFolder(HWND hwnd, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data != 0) {
    ::SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, data);
  }
  return 0;
}

struct CoTaskMemFreer {
  void operator()(void* p) const { ::CoTaskMemFree(p); }
};

}  // namespace

std::optional<std::string> BrowseForFolder(HWND owner, const std::string& prompt,
                                           const std::string& start_folder) {
  char display_name[MAX_PATH] = {};
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.pszDisplayName = display_name;
  info.lpszTitle = prompt.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = &SelectStartFolder;
  info.lParam = start_folder.empty() ? 0 : reinterpret_cast<LPARAM>(start_folder.c_str());
  const ui::win32::ModalScope modal(owner);
  std::unique_ptr<ITEMIDLIST, CoTaskMemFreer> chosen(::SHBrowseForFolderA(&info));
  if (!chosen) return std::nullopt;
  char path[MAX_PATH] = {};
  if (!::SHGetPathFromIDListA(chosen.get(), path)) return std::nullopt;
  return std::string(path);
}
