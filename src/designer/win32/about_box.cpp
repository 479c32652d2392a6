// The About box, from its dialog template in the resources.
#include "designer/win32/about_box.h"

#include <string>
#include <vector>

#include "designer/maker_contact.h"
#include "ui/win32/application.h"
#include "ui/win32/bitmap_file.h"
#include "ui/win32/dpi.h"
#include "ui/win32/gdi.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"

namespace {

// The product version as the version resource states it.
std::string ProductVersion() {
  const std::wstring path = ui::win32::WideOf(ui::win32::Application::ExecutablePath());
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return "";
  std::vector<char> block(size);
  if (!::GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return "";
  wchar_t* text = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(block.data(), L"\\StringFileInfo\\040904E4\\ProductVersion",
                        reinterpret_cast<void**>(&text), &length) ||
      length == 0) {
    return "";
  }
  return ui::win32::Utf8Of(text);
}

struct AboutState {
  ui::win32::GdiObject<HBITMAP> picture;
  ui::win32::GdiObject<HFONT> title_font;
};

void DrawPicture(const DRAWITEMSTRUCT& item, HBITMAP picture) {
  ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
  if (picture != nullptr) {
    ui::win32::DrawKeyedBitmap(item.hDC, picture, item.rcItem.left, item.rcItem.top);
  }
}

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* state = reinterpret_cast<AboutState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      ::SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      state = reinterpret_cast<AboutState*>(lparam);
      // The dialog manager scales the template with its font; the picture and the title's own
      // font follow the screen's scale.
      const ui::Scale scale = ui::win32::WindowScale(dialog);
      state->picture = ui::win32::LoadArtwork(QUORVANE_BITMAP_ABOUT, scale);
      state->title_font.Reset(::CreateFontW(-scale.ToDevice(19), 0, 0, 0, FW_BOLD, FALSE, FALSE,
                                            FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
      ::SendDlgItemMessageW(dialog, QUORVANE_ABOUT_PRODUCT, WM_SETFONT,
                            reinterpret_cast<WPARAM>(state->title_font.Get()), FALSE);
      ::SetDlgItemTextW(dialog, QUORVANE_ABOUT_VERSION,
                        ui::win32::WideOf("Version " + ProductVersion()).c_str());
      const std::string contact = std::string("Support: ") + designer::kSupportAddress +
                                  "\r\nHome page: " + designer::kHomePage;
      ::SetDlgItemTextW(dialog, QUORVANE_ABOUT_CONTACT, ui::win32::WideOf(contact).c_str());
      return TRUE;
    }
    case WM_DRAWITEM:
      if (wparam == QUORVANE_ABOUT_PICTURE && state != nullptr) {
        DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam), state->picture.Get());
        return TRUE;
      }
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        ::EndDialog(dialog, LOWORD(wparam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void ShowAboutBox(HWND owner) {
  AboutState state;  // outlives the dialog, which the call creates and destroys
  const ui::win32::ModalScope modal(owner);
  ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(QUORVANE_DIALOG_ABOUT), owner,
                    &AboutProcedure, reinterpret_cast<LPARAM>(&state));
}
