// The volume label dialog, from its template in the resources.
#include "designer/win32/volume_label_form.h"

#include "ui/win32/modal_loop.h"
#include "ui/win32/resource_ids.h"

namespace {

constexpr int kMaxLabel = 16;  // Joliet's limit

INT_PTR CALLBACK VolumeLabelProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* label = reinterpret_cast<std::string*>(::GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      ::SetWindowLongPtrA(dialog, DWLP_USER, lparam);
      ::SendDlgItemMessageA(dialog, QUORVANE_VOLUME_LABEL, EM_LIMITTEXT, kMaxLabel, 0);
      ::SetDlgItemTextA(dialog, QUORVANE_VOLUME_LABEL,
                        reinterpret_cast<const std::string*>(lparam)->c_str());
      return TRUE;  // the edit has the focus, its text selected
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        char text[kMaxLabel * 2 + 1] = "";  // a double-byte code page takes two bytes a character
        label->assign(text, ::GetDlgItemTextA(dialog, QUORVANE_VOLUME_LABEL, text, sizeof text));
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

bool AskVolumeLabel(HWND owner, std::string& label) {
  const ui::win32::ModalScope modal(owner);
  return ::DialogBoxParamA(::GetModuleHandleA(nullptr),
                           MAKEINTRESOURCEA(QUORVANE_DIALOG_VOLUME_LABEL), owner,
                           &VolumeLabelProcedure, reinterpret_cast<LPARAM>(&label)) == IDOK;
}
