// The volume label dialog, from its template in the resources.
#include "designer/win32/volume_label_form.h"

#include "ui/win32/modal_loop.h"
#include "ui/win32/resource_ids.h"

namespace {

constexpr int kMaxLabel = 16;  // Joliet's limit
// The edit's text, in and out: a double-byte code page takes two bytes a character.
using LabelText = char[kMaxLabel * 2 + 1];

INT_PTR CALLBACK VolumeLabelProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      ::SetWindowLongPtrA(dialog, DWLP_USER, lparam);
      ::SendDlgItemMessageA(dialog, QUORVANE_VOLUME_LABEL, EM_LIMITTEXT, kMaxLabel, 0);
      ::SetDlgItemTextA(dialog, QUORVANE_VOLUME_LABEL, reinterpret_cast<const char*>(lparam));
      return TRUE;  // the edit has the focus, its text selected
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        ::GetDlgItemTextA(dialog, QUORVANE_VOLUME_LABEL,
                          reinterpret_cast<char*>(::GetWindowLongPtrA(dialog, DWLP_USER)),
                          sizeof(LabelText));
      }
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        ::EndDialog(dialog, LOWORD(wparam));
      }
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

std::optional<std::string> AskVolumeLabel(HWND owner, const std::string& proposed) {
  LabelText text = "";
  ::lstrcpynA(text, proposed.c_str(), sizeof text);
  const ui::win32::ModalScope modal(owner);
  if (::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(QUORVANE_DIALOG_VOLUME_LABEL),
                        owner, &VolumeLabelProcedure, reinterpret_cast<LPARAM>(text)) != IDOK) {
    return std::nullopt;
  }
  return std::string(text);
}
