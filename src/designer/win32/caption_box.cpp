// The caption's edit box in place: an EDIT control whose Enter, Ctrl+Enter, Esc and loss of the
// keyboard the box takes for itself.
#include "designer/win32/caption_box.h"

#include <utility>

namespace {

// The box's notifications reach the canvas as WM_COMMAND with its window: no command has its id.
constexpr int kBoxId = 1;

}  // namespace

bool CaptionBox::Open(HWND parent, const RECT& text_area, const std::wstring& text, Look look,
                      Owner& owner) {
  Close();
  const DWORD lines = look.lines ? ES_MULTILINE | ES_AUTOVSCROLL | (look.wraps ? 0 : ES_AUTOHSCROLL)
                                 : ES_AUTOHSCROLL;
  hwnd_ = ::CreateWindowExW(0, L"EDIT", text.c_str(), WS_CHILD | look.align | lines, 0, 0, 0, 0,
                            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kBoxId)),
                            ::GetModuleHandleW(nullptr), nullptr);
  if (hwnd_ == nullptr) return false;
  parent_ = parent;
  owner_ = &owner;
  lines_ = look.lines;
  font_ = std::move(look.font);
  ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  edit_procedure_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BoxProcedure)));
  MoveTo(text_area);  // once the font has set the margins
  ::SendMessageW(hwnd_, EM_SETSEL, 0, -1);
  ::ShowWindow(hwnd_, SW_SHOW);
  ::SetFocus(hwnd_);
  return true;
}

std::wstring CaptionBox::Text() const {
  if (hwnd_ == nullptr) return {};
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(::GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void CaptionBox::MoveTo(const RECT& text_area) {
  if (hwnd_ == nullptr) return;
  // No border: an edit box insets its text further inside one, by as much as it likes.
  const auto margins = static_cast<DWORD>(::SendMessageW(hwnd_, EM_GETMARGINS, 0, 0));
  const int left = text_area.left - LOWORD(margins);
  const int right = text_area.right + HIWORD(margins);
  ::MoveWindow(hwnd_, left, text_area.top, right - left, text_area.bottom - text_area.top, TRUE);
  // Grown to the whole text: lines scrolled away while it was smaller come back.
  const LRESULT hidden = ::SendMessageW(hwnd_, EM_GETFIRSTVISIBLELINE, 0, 0);
  if (lines_ && hidden > 0) ::SendMessageW(hwnd_, EM_LINESCROLL, 0, -hidden);
}

void CaptionBox::Close() {
  if (hwnd_ == nullptr) return;
  // Closed before the keyboard moves: the box's loss of it then tells nobody.
  HWND box = std::exchange(hwnd_, nullptr);
  if (::GetFocus() == box) ::SetFocus(parent_);
  ::DestroyWindow(box);
  edit_procedure_ = nullptr;
  owner_ = nullptr;
  font_.Reset();
}

LRESULT CALLBACK CaptionBox::BoxProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* box = reinterpret_cast<CaptionBox*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (box != nullptr && box->hwnd_ == hwnd) return box->OnMessage(message, wparam, lparam);
  // Closing: the EDIT class's own procedure sees the box out.
  const WNDPROC edit = box != nullptr ? box->edit_procedure_ : nullptr;
  return edit != nullptr ? ::CallWindowProcW(edit, hwnd, message, wparam, lparam)
                         : ::DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT CaptionBox::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  const bool ctrl = ::GetKeyState(VK_CONTROL) < 0;
  switch (message) {
    case WM_KEYDOWN:
      if (wparam == VK_ESCAPE || (wparam == VK_RETURN && !(lines_ && ctrl))) {
        owner_->CaptionBoxDone(wparam == VK_RETURN);  // the box is gone from here on
        return 0;
      }
      break;
    case WM_CHAR:
      // Ctrl+Enter types a line feed: a label's new line, as Windows writes one.
      if (wparam == '\n' && lines_) {
        ::SendMessageW(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r\n"));
      }
      if (wparam == '\n' || wparam == '\r' || wparam == 0x1B) return 0;
      break;
    case WM_KILLFOCUS: {
      const LRESULT result = ::CallWindowProcW(edit_procedure_, hwnd_, message, wparam, lparam);
      owner_->CaptionBoxDone(true);  // a click elsewhere keeps what was typed
      return result;
    }
    default:
      break;
  }
  return ::CallWindowProcW(edit_procedure_, hwnd_, message, wparam, lparam);
}
