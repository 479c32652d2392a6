// The volume label dialog, from its template in the resources.
#include "designer/win32/volume_label_form.h"

#include "ui/win32/modal_loop.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"

namespace {

constexpr int kMaxLabel = 16;  // Joliet's limit
// The edit's text, in and out.
using LabelText = wchar_t[kMaxLabel + 1];

INT_PTR CALLBACK VolumeLabelProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      ::SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      ::SendDlgItemMessageW(dialog, QUORVANE_VOLUME_LABEL, EM_LIMITTEXT, kMaxLabel, 0);
      ::SetDlgItemTextW(dialog, QUORVANE_VOLUME_LABEL, reinterpret_cast<const wchar_t*>(lparam));
      return TRUE;  // the edit has the focus, its text selected
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        ::GetDlgItemTextW(dialog, QUORVANE_VOLUME_LABEL,
                          reinterpret_cast<wchar_t*>(::GetWindowLongPtrW(dialog, DWLP_USER)),
                          kMaxLabel + 1);
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
  LabelText text = L"";
  ::lstrcpynW(text, ui::win32::WideOf(proposed).c_str(), kMaxLabel + 1);
  const ui::win32::ModalScope modal(owner);
  if (::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(QUORVANE_DIALOG_VOLUME_LABEL),
                        owner, &VolumeLabelProcedure, reinterpret_cast<LPARAM>(text)) != IDOK) {
    return std::nullopt;
  }
  return ui::win32::Utf8Of(text);
}
