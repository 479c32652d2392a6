// The menu window's accessibility object, read in-process through oleacc as a screen reader
// would: children, roles, names, places, states, and the default action reaching the link.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/win32/accessible_client.h"

namespace player::win32 {
namespace {

constexpr POINT kOrigin = {100, 100};  // the window's client area on the screen
constexpr int kScale = 2;              // device pixels per design unit in the fake host
constexpr LONG kHot = STATE_SYSTEM_HOTTRACKED;

VARIANT Child(LONG id) {
  VARIANT v;
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}
LONG Number(const VARIANT& v) {
  return v.vt == VT_I4 ? v.lVal : -1;  // -1: VT_EMPTY, nothing there
}

// The test is the host: a window that answers through AnswerAccessibleMessage, and the
// objects, focus and hot object of a menu.
class AccessibleClient : public ::testing::Test, public AccessibleHost {
 protected:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT result = 0;
    if (AnswerAccessibleMessage(*current, message, wparam, lparam, result)) return result;
    return DefWindowProcA(window, message, wparam, lparam);
  }
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    current = this;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Procedure;
    wc.lpszClassName = "QuorvaneAccessibleTest";
    RegisterClassA(&wc);
    window = CreateWindowExA(0, wc.lpszClassName, "Menu", WS_POPUP | WS_VISIBLE, kOrigin.x,
                             kOrigin.y, 400, 300, nullptr, nullptr, nullptr, nullptr);
    SetFocus(window);
    ASSERT_EQ(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&acc)),
              S_OK);
  }
  void TearDown() override {
    // In-process the client holds the object itself: its last reference frees it.
    EXPECT_EQ(acc->Release(), 0u);
    if (IsWindow(window)) DestroyWindow(window);
    CoUninitialize();
  }

  HWND AccessibleWindow() const override { return window; }
  std::vector<AccessibleObject> AccessibleItems() const override { return items; }
  RECT ScreenRectOf(const ui::Rect& b) const override {
    return {kOrigin.x + b.left * kScale, kOrigin.y + b.top * kScale, kOrigin.x + b.right * kScale,
            kOrigin.y + b.bottom * kScale};
  }
  int32_t FocusedObject() const override { return focused; }
  int32_t HotObject() const override { return 1; }
  void FocusObject(int32_t index) override { focused = index; }
  void RunObjectLink(int32_t index) override { ran.push_back(index); }

  static inline AccessibleClient* current = nullptr;
  HWND window = nullptr;
  std::vector<AccessibleObject> items = {
      {4, AccessRole::PushButton, "Setup", {10, 20, 110, 50}, true},
      {2, AccessRole::StaticText, "Welcome", {10, 60, 80, 75}, false},
      {1, AccessRole::Graphic, "logo.bmp", {70, 60, 150, 120}, false},  // shown hot
  };
  int32_t focused = 4;
  std::vector<int32_t> ran;
  IAccessible* acc = nullptr;
};

TEST_F(AccessibleClient, ChildrenShowRoleNamePlaceStateAndDefaultAction) {
  constexpr LONG kFocused = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED;
  constexpr LONG kReadOnly = STATE_SYSTEM_READONLY;
  const struct {
    LONG child, role;
    std::wstring name;
    RECT place;  // left, top, width, height on the screen
    std::wstring action;
    LONG state;
  } rows[] = {
      {0, ROLE_SYSTEM_CLIENT, L"Menu", {100, 100, 400, 300}, L"", kFocused},
      {1, ROLE_SYSTEM_PUSHBUTTON, L"Setup", {120, 140, 200, 60}, L"Press", kFocused},
      {2, ROLE_SYSTEM_STATICTEXT, L"Welcome", {120, 220, 140, 30}, L"", kReadOnly},
      {3, ROLE_SYSTEM_GRAPHIC, L"logo.bmp", {240, 220, 160, 120}, L"", kReadOnly | kHot},
  };
  LONG count = 0;
  EXPECT_EQ(acc->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 3);
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "child " << row.child);
    VARIANT role, state;
    BSTR name = nullptr, action = nullptr;
    RECT r = {};
    IDispatch* element = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(acc->get_accRole(Child(row.child), &role), S_OK);
    EXPECT_EQ(acc->get_accState(Child(row.child), &state), S_OK);
    EXPECT_EQ(acc->accLocation(&r.left, &r.top, &r.right, &r.bottom, Child(row.child)), S_OK);
    acc->get_accName(Child(row.child), &name);
    acc->get_accDefaultAction(Child(row.child), &action);
    EXPECT_EQ(acc->get_accChild(Child(row.child), &element), row.child ? S_FALSE : E_INVALIDARG);
    EXPECT_EQ(Number(role), row.role);
    EXPECT_EQ(Number(state), row.state);
    EXPECT_TRUE(EqualRect(&r, &row.place)) << r.left << "," << r.top << " " << r.right;
    EXPECT_EQ(name ? name : L"", row.name);
    EXPECT_EQ(action ? action : L"", row.action);
    EXPECT_EQ(element, nullptr) << "children are simple elements";
    SysFreeString(name);
    SysFreeString(action);
  }
  BSTR name = nullptr;
  EXPECT_EQ(acc->get_accName(Child(4), &name), E_INVALIDARG);
}

TEST_F(AccessibleClient, HitTestNavigationFocusAndParent) {
  const struct {
    LONG x, y, child;  // Welcome lies above the logo where they overlap: it comes later in the list
  } hits[] = {{125, 145, 1}, {250, 225, 2}, {250, 300, 3}, {380, 380, 0}, {50, 50, -1}};
  for (const auto& hit : hits) {
    VARIANT v;
    acc->accHitTest(hit.x, hit.y, &v);
    EXPECT_EQ(Number(v), hit.child) << hit.x << "," << hit.y;
  }
  const struct {
    LONG direction, from, to;
  } moves[] = {{NAVDIR_FIRSTCHILD, 0, 1}, {NAVDIR_LASTCHILD, 0, 3}, {NAVDIR_NEXT, 1, 2},
               {NAVDIR_PREVIOUS, 2, 1},   {NAVDIR_NEXT, 3, -1},     {NAVDIR_FIRSTCHILD, 2, -1}};
  for (const auto& move : moves) {
    VARIANT v;
    acc->accNavigate(move.direction, Child(move.from), &v);
    EXPECT_EQ(Number(v), move.to) << move.direction << " from " << move.from;
  }
  VARIANT focus;
  EXPECT_EQ(acc->get_accFocus(&focus), S_OK);
  EXPECT_EQ(Number(focus), 1);
  EXPECT_EQ(acc->accSelect(SELFLAG_TAKEFOCUS, Child(2)), DISP_E_MEMBERNOTFOUND) << "no link";
  items[2].has_link = true;
  EXPECT_EQ(acc->accSelect(SELFLAG_TAKEFOCUS, Child(3)), S_OK);
  EXPECT_EQ(focused, 1);
  IDispatch* parent = nullptr;
  IAccessible* parent_object = nullptr;
  HWND parent_window = nullptr;
  ASSERT_EQ(acc->get_accParent(&parent), S_OK);
  parent->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&parent_object));
  parent->Release();
  ASSERT_NE(parent_object, nullptr);
  EXPECT_EQ(WindowFromAccessibleObject(parent_object, &parent_window), S_OK);
  EXPECT_EQ(parent_window, window) << "the parent is the window's own object";
  parent_object->Release();
}

TEST_F(AccessibleClient, PressRunsTheLinkAfterTheCallWhileTheObjectHasOneAndTheWindowLives) {
  const auto pump = [] {
    for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&msg);
  };
  EXPECT_EQ(acc->accDoDefaultAction(Child(1)), S_OK);
  EXPECT_TRUE(ran.empty()) << "not inside the client's call";
  pump();
  EXPECT_EQ(ran, std::vector<int32_t>{4});
  EXPECT_EQ(acc->accDoDefaultAction(Child(2)), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(acc->accDoDefaultAction(Child(1)), S_OK);
  items.pop_back();
  items[0].has_link = false;  // the design changed before the press came round
  pump();
  EXPECT_EQ(ran, std::vector<int32_t>{4});
  LONG count = 0;
  acc->get_accChildCount(&count);
  EXPECT_EQ(count, 2) << "children are the host's objects as they are now";
  DestroyWindow(window);
  EXPECT_EQ(acc->get_accChildCount(&count), RPC_E_DISCONNECTED);
  EXPECT_EQ(acc->accDoDefaultAction(Child(1)), RPC_E_DISCONNECTED);
}

}  // namespace
}  // namespace player::win32
