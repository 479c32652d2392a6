// Common dialogs from comdlg32.
#include "ui/win32/common_dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "ui/win32/gdi.h"
#include "ui/win32/wide_text.h"

namespace ui::win32 {

namespace {

int CALLBACK NoteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

// The font dialog lists the screen's font families and, given a face it does not list, opens on
// its first font, first style and smallest size. A stored face may be missing on this machine (a
// raster font such as "MS Sans Serif" under Wine): the dialog is then given the face the system
// paints it with, so that it opens on the font the author sees.
void PresetListedFace(HDC screen, LOGFONTW& log) {
  LOGFONTW family{};
  family.lfCharSet = DEFAULT_CHARSET;
  std::copy_n(log.lfFaceName, LF_FACESIZE, family.lfFaceName);
  bool listed = false;
  ::EnumFontFamiliesExW(screen, &family, &NoteFamily, reinterpret_cast<LPARAM>(&listed), 0);
  if (listed) return;
  GdiObject<HFONT> font(::CreateFontIndirectW(&log));
  SelectGuard select(screen, font.Get());
  if (::GetTextFaceW(screen, LF_FACESIZE, family.lfFaceName) > 0) {
    std::copy_n(family.lfFaceName, LF_FACESIZE, log.lfFaceName);
  }
}

}  // namespace

bool ColorDialog::Choose(HWND owner, Color& color) {
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.rgbResult = ToColorRef(color);
  dialog.lpCustColors = custom_;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!::ChooseColorW(&dialog)) return false;
  color = static_cast<Color>(dialog.rgbResult & 0x00FFFFFFu);
  return true;
}

bool FontDialog::Choose(HWND owner, Font& font) {
  LOGFONTW log{};
  log.lfWeight = (font.style & kFontBold) ? FW_BOLD : FW_NORMAL;
  log.lfItalic = (font.style & kFontItalic) ? TRUE : FALSE;
  log.lfUnderline = (font.style & kFontUnderline) ? TRUE : FALSE;
  log.lfStrikeOut = (font.style & kFontStrikeOut) ? TRUE : FALSE;
  log.lfCharSet = DEFAULT_CHARSET;
  WideOf(font.name).copy(log.lfFaceName, LF_FACESIZE - 1);
  {
    ScreenDc screen;
    log.lfHeight = -::MulDiv(font.size, ::GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    PresetListedFace(screen.Get(), log);
  }
  const std::wstring preset = log.lfFaceName;
  CHOOSEFONTW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpLogFont = &log;
  dialog.rgbColors = ToColorRef(font.color);
  dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  if (!::ChooseFontW(&dialog)) return false;
  // A face the author did not change keeps its stored name, even where another face stood in.
  if (preset != log.lfFaceName) font.name = Utf8Of(log.lfFaceName);
  font.size = std::max(1, dialog.iPointSize / 10);
  font.color = static_cast<Color>(dialog.rgbColors & 0x00FFFFFFu);
  font.style = static_cast<uint8_t>(
      (log.lfWeight >= FW_SEMIBOLD ? kFontBold : 0) | (log.lfItalic ? kFontItalic : 0) |
      (log.lfUnderline ? kFontUnderline : 0) | (log.lfStrikeOut ? kFontStrikeOut : 0));
  return true;
}

namespace {

// The open-file and save-file dialogs share their structure; only the call and the flags differ.
std::optional<std::string> RunFileDialog(BOOL(WINAPI* run)(OPENFILENAMEW*), DWORD flags, HWND owner,
                                         const std::string& filter,
                                         const std::string& initial_folder,
                                         const std::string& file_name,
                                         const wchar_t* default_extension = nullptr) {
  // comdlg32 wants the filter's parts separated and ended by NULs.
  std::wstring filters = WideOf(filter);
  std::replace(filters.begin(), filters.end(), L'|', L'\0');
  filters.append(2, L'\0');
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring name = WideOf(file_name);
  name.copy(file.data(), std::min(name.size(), file.size() - 1));
  const std::wstring folder = WideOf(initial_folder);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.empty() ? nullptr : filters.data();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrDefExt = default_extension;
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR | flags;
  if (!run(&dialog)) return std::nullopt;
  return Utf8Of(file.data());
}

}  // namespace

std::optional<std::string> ChooseOpenFile(HWND owner, const std::string& filter,
                                          const std::string& initial_folder,
                                          const std::string& file_name, bool existing_only) {
  return RunFileDialog(&::GetOpenFileNameW,
                       existing_only ? OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST : 0, owner, filter,
                       initial_folder, file_name);
}

std::optional<std::string> ChooseSaveFile(HWND owner, const std::string& filter,
                                          const std::string& initial_folder,
                                          const std::string& file_name,
                                          const wchar_t* default_extension) {
  return RunFileDialog(&::GetSaveFileNameW, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, owner, filter,
                       initial_folder, file_name, default_extension);
}

}  // namespace ui::win32
