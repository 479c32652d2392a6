// The folder picker through IFileOpenDialog, and the classic browser through SHBrowseForFolderW.
#include "designer/win32/folder_browser.h"

#include <shlobj.h>
#include <shobjidl.h>

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

struct ComReleaser {
  void operator()(IUnknown* p) const { p->Release(); }
};
template <typename Interface>
using ComPointer = std::unique_ptr<Interface, ComReleaser>;

// Wine names itself through ntdll. Its picker (Wine 8) shows folders and returns the one
// chosen, but has no command that makes a folder.
bool RunsUnderWine() {
  HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

enum class Picked { Chosen, Cancelled, NoPicker };

Picked PickWithDialog(HWND owner, const std::string& prompt, const std::string& start_folder,
                      std::string& chosen) {
  ui::win32::UseComOnThisThread();
  IFileOpenDialog* made = nullptr;
  // Windows before Vista has no such dialog.
  if (FAILED(::CoCreateInstance(__uuidof(FileOpenDialog), nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&made)))) {
    return Picked::NoPicker;
  }
  const ComPointer<IFileOpenDialog> dialog(made);
  FILEOPENDIALOGOPTIONS options = 0;
  if (FAILED(dialog->GetOptions(&options)) ||
      FAILED(dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM |
                                FOS_PATHMUSTEXIST))) {
    return Picked::NoPicker;
  }
  dialog->SetTitle(ui::win32::WideOf(prompt).c_str());
  if (!start_folder.empty()) {
    // A drive root is kept as "D:", which alone names the drive's current folder.
    const std::string folder = start_folder.back() == ':' ? start_folder + "\\" : start_folder;
    IShellItem* item = nullptr;
    if (SUCCEEDED(::SHCreateItemFromParsingName(ui::win32::WideOf(folder).c_str(), nullptr,
                                                IID_PPV_ARGS(&item)))) {
      const ComPointer<IShellItem> start(item);
      dialog->SetFolder(item);
    }
  }
  const HRESULT shown = dialog->Show(owner);
  if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return Picked::Cancelled;
  IShellItem* result = nullptr;
  if (FAILED(shown) || FAILED(dialog->GetResult(&result))) return Picked::NoPicker;
  const ComPointer<IShellItem> picked(result);
  wchar_t* path = nullptr;
  if (FAILED(picked->GetDisplayName(SIGDN_FILESYSPATH, &path))) return Picked::NoPicker;
  const std::unique_ptr<wchar_t, CoTaskMemFreer> owned(path);
  chosen = ui::win32::Utf8Of(path);
  return Picked::Chosen;
}

}  // namespace

std::optional<std::string> PickFolder(HWND owner, const std::string& prompt,
                                      const std::string& start_folder, bool new_folders) {
  if (!new_folders || !RunsUnderWine()) {
    std::string chosen;
    const ui::win32::ModalScope modal(owner);
    switch (PickWithDialog(owner, prompt, start_folder, chosen)) {
      case Picked::Chosen:
        return chosen;
      case Picked::Cancelled:
        return std::nullopt;
      case Picked::NoPicker:
        break;
    }
  }
  return BrowseForFolder(owner, prompt, start_folder, new_folders);
}

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
