// Windows desktop services.
#include "ui/win32/win32_platform.h"

#include "ui/win32/dpi.h"

#include <windows.h>

#include "ui/artwork.h"
#include "ui/win32/bitmap_file.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/picture_loader.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/window.h"

namespace ui::win32 {
namespace {

UINT IconFlag(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error:
      return MB_ICONERROR;
    case MessageIcon::Information:
      return MB_ICONINFORMATION;
    case MessageIcon::Question:
      return MB_ICONQUESTION;
    case MessageIcon::None:
      break;
  }
  return 0;
}

}  // namespace

MessageResult Win32Platform::ShowMessageBox(const std::string& text, const std::string& title,
                                            MessageIcon icon, MessageButtons buttons) {
  static constexpr UINT kButtons[] = {MB_OK, MB_YESNOCANCEL, MB_YESNO, MB_YESNO | MB_DEFBUTTON2};
  const UINT type = IconFlag(icon) | kButtons[static_cast<size_t>(buttons)];
  HWND owner = ::GetActiveWindow();
  const ModalScope modal(owner);
  switch (::MessageBoxW(owner, WideOf(text).c_str(), WideOf(title).c_str(), type)) {
    case IDYES:
      return MessageResult::Yes;
    case IDNO:
      return MessageResult::No;
    case IDCANCEL:
      return MessageResult::Cancel;
    default:
      return MessageResult::Ok;
  }
}

void Win32Platform::ReportError(const std::string& text) {
  const ModalScope modal(::GetActiveWindow());
  ReportUnhandledError(text.c_str());
}

Size Win32Platform::ScreenSize() const {
  // In design units, as windows are placed.
  return SystemScale().ToDesign(
      Size{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
}

uint32_t Win32Platform::TickCount() const {
  return ::GetTickCount();
}

std::vector<uint8_t> Win32Platform::ApplicationIconFile() const {
  // The resources keep the icon file itself, packed, as data beside the icon resource, because
  // an icon resource no longer has the file's layout.
  HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC found =
      ::FindResourceA(module, MAKEINTRESOURCEA(QUORVANE_DATA_PROGRAM_ICON_FILE), RT_RCDATA);
  HGLOBAL loaded = found != nullptr ? ::LoadResource(module, found) : nullptr;
  const auto* data =
      loaded != nullptr ? static_cast<const uint8_t*>(::LockResource(loaded)) : nullptr;
  if (data == nullptr) return {};
  return UnpackArtwork(data, ::SizeofResource(module, found));
}

namespace {

FileStamp StampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(WideOf(path).c_str(), GetFileExInfoStandard, &data)) return {};
  return {uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32 | data.ftLastWriteTime.dwLowDateTime,
          uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow};
}

}  // namespace

std::unique_ptr<PixelBitmap> Win32Platform::LoadBitmapFile(const std::string& path) {
  const FileStamp stamp = StampOf(path);
  if (auto kept = pictures_.FindGlyph(path, stamp)) return kept;
  auto glyph = LoadGlyphFromFile(path);
  if (glyph) pictures_.KeepGlyph(path, stamp, *glyph);
  return glyph;
}

std::unique_ptr<Picture> Win32Platform::LoadPictureFile(const std::string& path, Size shown) {
  const FileStamp stamp = StampOf(path);
  if (auto kept = pictures_.FindPicture(path, stamp, shown)) return kept;
  uint64_t bytes = 0;
  auto picture = LoadPictureFromFile(path, shown, &bytes);
  if (picture) pictures_.KeepPicture(path, stamp, shown, *picture, bytes);
  return picture;
}

}  // namespace ui::win32
