// Folder browser through SHBrowseForFolderW.
#include "designer/win32/folder_browser.h"

#include <shlobj.h>

#include <memory>

#include "ui/win32/modal_loop.h"
#include "ui/win32/shell.h"
#include "ui/win32/wide_text.h"

namespace {

int CALLBACK SelectStartFolder(HWND hwnd, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data != 0) {
    ::SendMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, data);
  }
  return 0;
}

struct CoTaskMemFreer {
  void operator()(void* p) const { ::CoTaskMemFree(p); }
};

}  // namespace

std::optional<std::string> BrowseForFolder(HWND owner, const std::string& prompt,
                                           const std::string& start_folder, bool new_folders) {
  wchar_t display_name[MAX_PATH] = {};
  const std::wstring title = ui::win32::WideOf(prompt), start = ui::win32::WideOf(start_folder);
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.pszDisplayName = display_name;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  if (new_folders) {
    ui::win32::UseComOnThisThread();  // the new style's own controls need it
    info.ulFlags |= BIF_NEWDIALOGSTYLE;
  }
  info.lpfn = &SelectStartFolder;
  info.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
  const ui::win32::ModalScope modal(owner);
  std::unique_ptr<ITEMIDLIST, CoTaskMemFreer> chosen(::SHBrowseForFolderW(&info));
  if (!chosen) return std::nullopt;
  wchar_t path[MAX_PATH] = {};
  if (!::SHGetPathFromIDListW(chosen.get(), path)) return std::nullopt;
  return ui::win32::Utf8Of(path);
}
