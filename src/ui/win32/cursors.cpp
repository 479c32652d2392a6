// Standard cursors are shared system resources: loaded by id, never destroyed.
#include "ui/win32/cursors.h"

namespace ui::win32 {

HCURSOR CursorFor(ui::Cursor cursor) {
  const char* id = IDC_ARROW;
  switch (cursor) {
    case ui::Cursor::Default:
      id = IDC_ARROW;
      break;
    case ui::Cursor::HandPoint:
      id = IDC_HAND;
      break;
    case ui::Cursor::Move:
      id = IDC_SIZEALL;
      break;
    case ui::Cursor::SizeNWSE:
      id = IDC_SIZENWSE;
      break;
    case ui::Cursor::SizeNS:
      id = IDC_SIZENS;
      break;
    case ui::Cursor::SizeNESW:
      id = IDC_SIZENESW;
      break;
    case ui::Cursor::SizeWE:
      id = IDC_SIZEWE;
      break;
  }
  return ::LoadCursorA(nullptr, id);
}

}  // namespace ui::win32
