// The About box, from its dialog template in the resources.
#include "designer/win32/about_box.h"

#include <string>
#include <vector>

#include "designer/maker_contact.h"
#include "ui/win32/bitmap_file.h"
#include "ui/win32/dpi.h"
#include "ui/win32/gdi.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/resource_ids.h"

namespace {

// The product version as the version resource states it.
std::string ProductVersion() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(path, &ignored);
  if (size == 0) return "";
  std::vector<char> block(size);
  if (!::GetFileVersionInfoA(path, 0, size, block.data())) return "";
  char* text = nullptr;
  UINT length = 0;
  if (!::VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\ProductVersion",
                        reinterpret_cast<void**>(&text), &length) ||
      length == 0) {
    return "";
  }
  return std::string(text);
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
  auto* state = reinterpret_cast<AboutState*>(::GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      ::SetWindowLongPtrA(dialog, DWLP_USER, lparam);
      state = reinterpret_cast<AboutState*>(lparam);
      // The dialog manager scales the template with its font; the picture and the title's own
      // font follow the screen's scale.
      const ui::Scale scale = ui::win32::WindowScale(dialog);
      state->picture = ui::win32::LoadArtwork(QUORVANE_BITMAP_ABOUT, scale);
      state->title_font.Reset(::CreateFontA(-scale.ToDevice(19), 0, 0, 0, FW_BOLD, FALSE, FALSE,
                                            FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
      ::SendDlgItemMessageA(dialog, QUORVANE_ABOUT_PRODUCT, WM_SETFONT,
                            reinterpret_cast<WPARAM>(state->title_font.Get()), FALSE);
      ::SetDlgItemTextA(dialog, QUORVANE_ABOUT_VERSION, ("Version " + ProductVersion()).c_str());
      const std::string contact = std::string("Support: ") + designer::kSupportAddress +
                                  "\r\nHome page: " + designer::kHomePage;
      ::SetDlgItemTextA(dialog, QUORVANE_ABOUT_CONTACT, contact.c_str());
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
  ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(QUORVANE_DIALOG_ABOUT), owner,
                    &AboutProcedure, reinterpret_cast<LPARAM>(&state));
}
