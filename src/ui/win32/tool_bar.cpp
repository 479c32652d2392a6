// The tool bar wrapper.
#include "ui/win32/tool_bar.h"

#include "ui/win32/resource_ids.h"

#include <vector>

namespace ui::win32 {

OwnedImageList LoadToolStrip() {
  return OwnedImageList(::ImageList_LoadImageA(::GetModuleHandleA(nullptr),
                                               MAKEINTRESOURCEA(QUORVANE_BITMAP_TOOL_STRIP), 32, 0,
                                               kArtworkKey, IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

bool ToolBar::Create(HWND parent, SIZE button_size, std::span<const ToolButtonSpec> spec,
                     int left) {
  spec_ = spec;
  const DWORD placed = left >= 0 ? CCS_NOPARENTALIGN | CCS_NORESIZE : 0;
  hwnd_ = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT |
                                TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_TOP | placed,
                            0, 0, 0, 0, parent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  if (hwnd_ == nullptr) return false;
  // Hints show while the design canvas, not the bar's own window, is the active one.
  if (HWND tips = reinterpret_cast<HWND>(::SendMessageA(hwnd_, TB_GETTOOLTIPS, 0, 0))) {
    ::SetWindowLongA(tips, GWL_STYLE, ::GetWindowLongA(tips, GWL_STYLE) | TTS_ALWAYSTIP);
  }
  ::SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  images_ = LoadToolStrip();
  ::SendMessageA(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.Get()));
  ::SendMessageA(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(32, 32));
  ::SendMessageA(hwnd_, TB_SETPADDING, 0, MAKELPARAM(button_size.cx - 32, button_size.cy - 32));
  std::vector<TBBUTTON> buttons;
  for (const ToolButtonSpec& s : spec) {
    TBBUTTON b{};
    b.iBitmap = s.image;
    b.idCommand = s.id;
    b.fsState = TBSTATE_ENABLED | (s.down ? TBSTATE_CHECKED : 0);
    b.fsStyle = s.style == ToolButtonSpec::Separator      ? BTNS_SEP
                : s.style == ToolButtonSpec::GroupedCheck ? BTNS_CHECKGROUP
                                                          : BTNS_BUTTON;
    b.iString = -1;
    buttons.push_back(b);
  }
  ::SendMessageA(hwnd_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  ::SendMessageA(hwnd_, TB_SETBUTTONSIZE, 0, MAKELPARAM(button_size.cx, button_size.cy));
  ::SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
  if (left >= 0) {
    SIZE buttons{};
    ::SendMessageA(hwnd_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&buttons));
    ::SetWindowPos(hwnd_, HWND_TOP, left, 0, buttons.cx, button_size.cy, 0);
  }
  return true;
}

const char* ToolBar::HintFor(int id) const {
  for (const ToolButtonSpec& s : spec_) {
    if (s.id == id && s.style != ToolButtonSpec::Separator) return s.hint;
  }
  return nullptr;
}

bool ToolBar::IsDown(int id) const {
  return ::SendMessageA(hwnd_, TB_ISBUTTONCHECKED, id, 0) != 0;
}

void ToolBar::PutDown(int id) {
  ::SendMessageA(hwnd_, TB_CHECKBUTTON, id, MAKELPARAM(TRUE, 0));
}

SIZE ToolBar::Extent() const {
  RECT r{};
  ::GetWindowRect(hwnd_, &r);
  return {r.right - r.left, r.bottom - r.top};
}

void ToolBar::AddHint(HWND child, const char* hint) {
  HWND tips = reinterpret_cast<HWND>(::SendMessageA(hwnd_, TB_GETTOOLTIPS, 0, 0));
  if (tips == nullptr) return;
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = ::GetParent(child);
  tool.uId = reinterpret_cast<UINT_PTR>(child);
  tool.lpszText = const_cast<char*>(hint);
  ::SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace ui::win32
