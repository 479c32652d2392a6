// Screen-reader access to the menu window (Microsoft Active Accessibility): the window's client
// area answers as an IAccessible whose children are the menu's objects, as simple elements
// numbered 1..n in reading order (player::AccessibleObjects). The object that clients hold knows
// only the window handle; every call finds the window's host again through it and asks for the
// objects afresh, so a client may keep it while the design reloads or after the window is gone.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "player/accessible_objects.h"
#include "ui/geometry.h"

namespace player::win32 {

// What the accessibility object needs from the window that shows the menu. Every call comes on the
// window's thread. All but RunObjectLink come from inside a client's call, where the window must
// not close or change its design.
class AccessibleHost {
 public:
  virtual ~AccessibleHost() = default;
  virtual HWND AccessibleWindow() const = 0;
  virtual std::vector<player::AccessibleObject> AccessibleItems() const = 0;
  // Device pixels, screen coordinates.
  virtual RECT ScreenRectOf(const ui::Rect& design_bounds) const = 0;
  // The object index with the keyboard focus; -1 none.
  virtual int32_t FocusedObject() const = 0;
  // The object index shown hot (mouse or keyboard); -1 none.
  virtual int32_t HotObject() const = 0;
  // Moves the keyboard focus to a linked object (a client's SELFLAG_TAKEFOCUS).
  virtual void FocusObject(int32_t index) = 0;
  // Carries out an object's link exactly as a click does. Called from the window procedure, on
  // kRunObjectLinkMessage, never from inside a client's call.
  virtual void RunObjectLink(int32_t index) = 0;
};

// Posted to the host window by a client's "Press" (accDoDefaultAction), so that the link, which
// may open a message box or close the window, runs once the client's call has returned.
// wParam: the object index. AnswerAccessibleMessage carries it out.
constexpr UINT kRunObjectLinkMessage = WM_APP + 0x3A1;

// Answers the accessibility messages of the host window: WM_GETOBJECT for its client area (a
// fresh accessibility object each time), the private request by which that object finds its
// host, and kRunObjectLinkMessage (the link runs if the object still has one). Returns false for
// every other message, and for WM_GETOBJECT of another part of the window: DefWindowProc answers
// those. Call it first in the window procedure.
bool AnswerAccessibleMessage(AccessibleHost& host, UINT message, WPARAM wparam, LPARAM lparam,
                             LRESULT& result);

// Tells accessibility clients that the keyboard focus moved to child `child_id` of the window's
// client area (player::AccessibleChildId; 0: the client area itself).
void NotifyFocus(HWND window, int32_t child_id);

}  // namespace player::win32
