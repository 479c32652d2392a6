// The tool bar wrapper.
#include "ui/win32/tool_bar.h"

#include <vector>

#include "ui/win32/bitmap_file.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"

namespace ui::win32 {

OwnedImageList LoadToolStrip(Scale scale) {
  constexpr int kSide = 32;
  const GdiObject<HBITMAP> strip = LoadArtwork(QUORVANE_BITMAP_TOOL_STRIP, scale, kSide);
  if (!strip) return {};
  const SIZE size = BitmapSize(strip.Get());
  // At 96 DPI the list takes the strip's own depth, as ImageList_LoadImage would make it of the
  // 8-bit strip; a scaled strip is a 32-bit picture.
  BITMAP depth{};
  ::GetObjectA(strip.Get(), sizeof depth, &depth);
  const UINT colour = scale.IsIdentity() ? depth.bmBitsPixel : ILC_COLOR24;
  OwnedImageList list(
      ::ImageList_Create(size.cy, size.cy, colour | ILC_MASK, size.cx / size.cy, 0));
  if (list) ::ImageList_AddMasked(list.Get(), strip.Get(), kArtworkKey);
  return list;
}

bool ToolBar::Create(HWND parent, SIZE button_size, std::span<const ToolButtonSpec> spec,
                     Scale scale, bool placed) {
  spec_ = spec;
  button_size_ = button_size;
  const DWORD own_place = placed ? CCS_NOPARENTALIGN | CCS_NORESIZE : 0;
  hwnd_ = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT |
                                TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_TOP | own_place,
                            0, 0, 0, 0, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (hwnd_ == nullptr) return false;
  // Hints show while the design canvas, not the bar's own window, is the active one.
  if (HWND tips = reinterpret_cast<HWND>(::SendMessageW(hwnd_, TB_GETTOOLTIPS, 0, 0))) {
    ::SetWindowLongW(tips, GWL_STYLE, ::GetWindowLongW(tips, GWL_STYLE) | TTS_ALWAYSTIP);
  }
  ::SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  Rescale(scale);
  return true;
}

void ToolBar::Rescale(Scale scale) {
  scale_ = scale;
  OwnedImageList images = LoadToolStrip(scale);
  ::SendMessageW(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.Get()));
  images_ = std::move(images);  // the old list goes once the bar no longer shows it
  AddButtons();
}

void ToolBar::AddButtons() {
  // A separator's width is its button's only size: the buttons are made again at the scale.
  std::vector<TBBUTTON> buttons;
  const bool again = ::SendMessageW(hwnd_, TB_BUTTONCOUNT, 0, 0) > 0;
  const std::vector<size_t> group = GroupOfEntries();
  for (size_t i = 0; i < spec_.size(); ++i) {
    const ToolButtonSpec& s = spec_[i];
    TBBUTTON b{};
    const bool separator = s.style == ToolButtonSpec::Separator;
    // A row starts after the separators that close the group before it: they are hidden, and
    // that group's last button ends its row.
    const bool next_starts_row = group[i] + 1 < row_starts_.size() && row_starts_[group[i] + 1];
    const bool last_of_group = !separator && (i + 1 == spec_.size() || group[i + 1] != group[i] ||
                                              spec_[i + 1].style == ToolButtonSpec::Separator);
    b.iBitmap = separator ? scale_.ToDevice(s.image) : s.image;
    b.idCommand = s.id;
    b.fsState = TBSTATE_ENABLED | ((again ? IsDown(s.id) : s.down) ? TBSTATE_CHECKED : 0);
    if (next_starts_row) b.fsState |= separator ? TBSTATE_HIDDEN : last_of_group ? TBSTATE_WRAP : 0;
    b.fsStyle = separator                                 ? BTNS_SEP
                : s.style == ToolButtonSpec::GroupedCheck ? BTNS_CHECKGROUP
                                                          : BTNS_BUTTON;
    b.iString = -1;
    buttons.push_back(b);
  }
  while (::SendMessageW(hwnd_, TB_DELETEBUTTON, 0, 0)) {
  }
  const int side = scale_.ToDevice(32);
  const SIZE button{scale_.ToDevice(button_size_.cx), scale_.ToDevice(button_size_.cy)};
  ::SendMessageW(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(side, side));
  ::SendMessageW(hwnd_, TB_SETPADDING, 0, MAKELPARAM(button.cx - side, button.cy - side));
  ::SendMessageW(hwnd_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  ::SendMessageW(hwnd_, TB_SETBUTTONSIZE, 0, MAKELPARAM(button.cx, button.cy));
  ::SendMessageW(hwnd_, TB_AUTOSIZE, 0, 0);
  button_height_ = button.cy;
}

std::vector<size_t> ToolBar::GroupOfEntries() const {
  std::vector<size_t> group;
  size_t at = 0;
  bool separated = false;  // a separator closed the group at `at`
  for (const ToolButtonSpec& s : spec_) {
    if (s.style == ToolButtonSpec::Separator) {
      separated = !group.empty();
    } else if (separated) {
      ++at;
      separated = false;
    }
    group.push_back(at);
  }
  return group;
}

std::vector<ToolBar::Group> ToolBar::Groups() const {
  const std::vector<size_t> group = GroupOfEntries();
  std::vector<Group> groups(spec_.empty() ? 0 : group.back() + 1);
  for (size_t i = 0; i < spec_.size(); ++i) {
    if (spec_[i].style == ToolButtonSpec::Separator) {
      groups[group[i]].gap += scale_.ToDevice(spec_[i].image);
    } else {
      groups[group[i]].width += scale_.ToDevice(button_size_.cx);
    }
  }
  return groups;
}

void ToolBar::StartRows(const std::vector<bool>& starts) {
  if (starts == row_starts_) return;  // no flicker while the rows stay
  row_starts_ = starts;
  AddButtons();
}

void ToolBar::MoveTo(int left, int top) {
  SIZE buttons{};
  ::SendMessageW(hwnd_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&buttons));
  ::SetWindowPos(hwnd_, HWND_TOP, left, top, buttons.cx, button_height_, 0);
}

const char* ToolBar::HintFor(int id) const {
  for (const ToolButtonSpec& s : spec_) {
    if (s.id == id && s.style != ToolButtonSpec::Separator) return s.hint;
  }
  return nullptr;
}

bool ToolBar::IsDown(int id) const {
  return ::SendMessageW(hwnd_, TB_ISBUTTONCHECKED, id, 0) != 0;
}

void ToolBar::PutDown(int id) {
  ::SendMessageW(hwnd_, TB_CHECKBUTTON, id, MAKELPARAM(TRUE, 0));
}

SIZE ToolBar::Extent() const {
  RECT r{};
  ::GetWindowRect(hwnd_, &r);
  return {r.right - r.left, r.bottom - r.top};
}

void ToolBar::AddHint(HWND child, const char* hint) {
  HWND tips = reinterpret_cast<HWND>(::SendMessageW(hwnd_, TB_GETTOOLTIPS, 0, 0));
  if (tips == nullptr) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = ::GetParent(child);
  tool.uId = reinterpret_cast<UINT_PTR>(child);
  std::wstring text = WideOf(hint);  // the tip keeps a copy
  tool.lpszText = text.data();
  ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace ui::win32
