// The progress window of Make Disc Image, from its template in the resources.
#include "designer/win32/disc_image_progress.h"

#include <commctrl.h>

#include "designer/disc_commands.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"

namespace {

constexpr DWORD kShowAfterMs = 500;
constexpr int kBarSteps = 1000;

}  // namespace

DiscImageProgress::DiscImageProgress(HWND owner) : started_(::GetTickCount()) {
  window_.Reset(::CreateDialogParamW(::GetModuleHandleW(nullptr),
                                     MAKEINTRESOURCEW(QUORVANE_DIALOG_IMAGE_PROGRESS), owner,
                                     &Procedure, reinterpret_cast<LPARAM>(this)));
  ::SendDlgItemMessageW(window_.Get(), QUORVANE_IMAGE_PROGRESS_BAR, PBM_SETRANGE32, 0, kBarSteps);
}

INT_PTR CALLBACK DiscImageProgress::Procedure(HWND dialog, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
  if (message == WM_INITDIALOG) ::SetWindowLongPtrW(dialog, DWLP_USER, lparam);
  // The button, Esc and the close box.
  if (message == WM_COMMAND && LOWORD(wparam) == IDCANCEL) {
    reinterpret_cast<DiscImageProgress*>(::GetWindowLongPtrW(dialog, DWLP_USER))->cancelled_ = true;
  }
  return message == WM_INITDIALOG || message == WM_COMMAND;
}

bool DiscImageProgress::Step(uint64_t done, uint64_t total) {
  HWND window = window_.Get();
  if (!::IsWindowVisible(window) && ::GetTickCount() - started_ > kShowAfterMs) {
    ::ShowWindow(window, SW_SHOW);
    ::SetForegroundWindow(window);
  }
  if (total > 0) {
    ::SendDlgItemMessageW(window, QUORVANE_IMAGE_PROGRESS_BAR, PBM_SETPOS,
                          static_cast<WPARAM>(done * kBarSteps / total), 0);
  }
  // The text changes with the megabytes: set only then, it does not flicker.
  if (const uint64_t megabytes = done >> 20; megabytes != shown_megabytes_) {
    shown_megabytes_ = megabytes;
    ::SetDlgItemTextW(window, QUORVANE_IMAGE_PROGRESS_TEXT,
                      ui::win32::WideOf(designer::ImageProgressText(done, total)).c_str());
  }
  MSG message{};
  while (!cancelled_ && ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop, after the write
      cancelled_ = true;
    } else if (!::IsDialogMessageW(window, &message)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
  }
  return !cancelled_;
}
