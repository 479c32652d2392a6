// The menu window's accessibility object: one small COM class, no type library (its IDispatch
// side answers E_NOTIMPL, as clients use the IAccessible methods directly).
#include "player/win32/accessible_client.h"

#include <oleacc.h>

#include <new>

#include "ui/win32/shell.h"

namespace player::win32 {
namespace {

// A private object id (WM_GETOBJECT leaves the positive ones to the window): the host window
// answers it with the address of its AccessibleHost.
constexpr LONG kHostObjectId = 0x514F484C;

constexpr LONG kRoles[] = {ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_STATICTEXT, ROLE_SYSTEM_GRAPHIC};

// The host of `window` while the window exists on this thread; null once it is gone. Its handle
// may then name another window, which answers the private id with nothing.
AccessibleHost* HostOf(HWND window) {
  if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return nullptr;
  return reinterpret_cast<AccessibleHost*>(SendMessageW(window, WM_GETOBJECT, 0, kHostObjectId));
}

// A UTF-8 text as a BSTR; S_FALSE and null for an empty text.
HRESULT GiveText(const char* text, int size, BSTR* out) {
  *out = nullptr;
  if (size <= 0) return S_FALSE;
  const int length = MultiByteToWideChar(CP_UTF8, 0, text, size, nullptr, 0);
  *out = SysAllocStringLen(nullptr, static_cast<UINT>(length));
  if (*out == nullptr) return E_OUTOFMEMORY;
  MultiByteToWideChar(CP_UTF8, 0, text, size, *out, length);
  return S_OK;
}

HRESULT GiveNumber(LONG number, VARIANT* out) {
  out->vt = VT_I4;
  out->lVal = number;
  return S_OK;
}

RECT ClientOnScreen(HWND window) {
  RECT rect = {};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Every method answers from the menu's objects as they are at its call (Find). Nothing that a
// method reads from them is used after a call that may come back into this object.
class ClientObject final : public IAccessible {
 public:
  explicit ClientObject(HWND window) : window_(window) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override {
    const bool ours =
        iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible);
    *out = ours ? this : nullptr;
    if (!ours) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() noexcept override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept override {
    *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID,
                                          DISPID*) noexcept override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) noexcept override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) noexcept override {
    *parent = nullptr;
    if (HostOf(window_) == nullptr) return RPC_E_DISCONNECTED;
    return CreateStdAccessibleObject(window_, OBJID_WINDOW, __uuidof(IDispatch),
                                     reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) noexcept override {
    const AccessibleObject* item;
    const HRESULT hr = Find(nullptr, item);
    *count = static_cast<LONG>(items_.size());
    return hr;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** element) noexcept override {
    *element = nullptr;  // the objects are simple elements of this one
    const AccessibleObject* item;
    const HRESULT hr = Find(&child, item);
    return FAILED(hr) ? hr : item != nullptr ? S_FALSE : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) noexcept override {
    *name = nullptr;
    const AccessibleObject* item;
    const HRESULT hr = Find(&child, item);
    if (FAILED(hr)) return hr;
    if (item != nullptr) {
      return GiveText(item->name.data(), static_cast<int>(item->name.size()), name);
    }
    // The window's own title: the text SysAllocString takes, as it is.
    const int length = GetWindowTextLengthW(window_);
    if (length <= 0) return S_FALSE;
    *name = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (*name == nullptr) return E_OUTOFMEMORY;
    GetWindowTextW(window_, *name, length + 1);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) noexcept override {
    role->vt = VT_EMPTY;
    const AccessibleObject* item;
    const HRESULT hr = Find(&child, item);
    if (FAILED(hr)) return hr;
    return GiveNumber(
        item != nullptr ? kRoles[static_cast<size_t>(item->role)] : ROLE_SYSTEM_CLIENT, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) noexcept override {
    state->vt = VT_EMPTY;
    const AccessibleObject* item;
    const HRESULT hr = Find(&child, item);
    if (FAILED(hr)) return hr;
    const bool window_focused = GetFocus() == window_;
    LONG bits = IsWindowVisible(window_) ? 0 : STATE_SYSTEM_INVISIBLE;
    if (item == nullptr) {
      bits |= STATE_SYSTEM_FOCUSABLE | (window_focused ? STATE_SYSTEM_FOCUSED : 0);
    } else {
      bits |= item->has_link ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_READONLY;
      if (window_focused && host_->FocusedObject() == item->index) bits |= STATE_SYSTEM_FOCUSED;
      if (host_->HotObject() == item->index) bits |= STATE_SYSTEM_HOTTRACKED;
    }
    return GiveNumber(bits, state);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) noexcept override {
    focus->vt = VT_EMPTY;
    const AccessibleObject* item;
    const HRESULT hr = Find(nullptr, item);
    if (FAILED(hr)) return hr;
    if (GetFocus() != window_) return S_FALSE;
    return GiveNumber(AccessibleChildId(items_, host_->FocusedObject()), focus);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) noexcept override {
    *action = nullptr;
    const AccessibleObject* item;
    const HRESULT hr = Find(&child, item);
    if (FAILED(hr)) return hr;
    if (item == nullptr || !item->has_link) return S_FALSE;
    *action = SysAllocString(L"Press");
    return *action != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) noexcept override {
    const AccessibleObject* item;
    const HRESULT hr = Find(&child, item);
    if (FAILED(hr)) return hr;
    if (item == nullptr || !item->has_link) return DISP_E_MEMBERNOTFOUND;
    const auto index = static_cast<WPARAM>(item->index);
    return PostMessageW(window_, kRunObjectLinkMessage, index, 0) ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) noexcept override {
    const AccessibleObject* item;
    const HRESULT hr = Find(&child, item);
    if (FAILED(hr)) return hr;
    if (flags != SELFLAG_TAKEFOCUS || (item != nullptr && !item->has_link)) {
      return DISP_E_MEMBERNOTFOUND;
    }
    const int32_t index = item != nullptr ? item->index : -1;
    AccessibleHost* host = host_;
    SetFocus(window_);  // the window's focus handling may ask this object again
    if (index < 0) return S_OK;
    host->FocusObject(index);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) noexcept override {
    *left = *top = *width = *height = 0;
    const AccessibleObject* item;
    const HRESULT hr = Find(&child, item);
    if (FAILED(hr)) return hr;
    const RECT r = item != nullptr ? host_->ScreenRectOf(item->bounds) : ClientOnScreen(window_);
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
  }
  // First and last child from the client area; next and previous among the children, in
  // reading order. Nothing lies beyond either end, and no spatial direction is offered.
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start,
                                        VARIANT* end) noexcept override {
    end->vt = VT_EMPTY;
    const AccessibleObject* item;
    const HRESULT hr = Find(&start, item);
    if (FAILED(hr)) return hr;
    const LONG from = start.lVal;
    const auto count = static_cast<LONG>(items_.size());
    LONG to = 0;
    if (item == nullptr) {
      to = direction == NAVDIR_FIRSTCHILD ? 1 : direction == NAVDIR_LASTCHILD ? count : 0;
    } else {
      to = direction == NAVDIR_NEXT ? from + 1 : direction == NAVDIR_PREVIOUS ? from - 1 : 0;
    }
    return to >= 1 && to <= count ? GiveNumber(to, end) : S_FALSE;
  }
  // The top-most object under a point on the screen; the client area itself between objects.
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) noexcept override {
    hit->vt = VT_EMPTY;
    const AccessibleObject* item;
    const HRESULT hr = Find(nullptr, item);
    if (FAILED(hr)) return hr;
    const POINT point = {x, y};
    const RECT client = ClientOnScreen(window_);
    if (!PtInRect(&client, point)) return S_FALSE;
    LONG top_most = CHILDID_SELF;
    int32_t top_index = -1;
    for (size_t i = 0; i < items_.size(); ++i) {
      const RECT r = host_->ScreenRectOf(items_[i].bounds);
      if (PtInRect(&r, point) && items_[i].index > top_index) {
        top_most = static_cast<LONG>(i + 1);
        top_index = items_[i].index;
      }
    }
    return GiveNumber(top_most, hit);
  }

  // What the menu does not have: values, descriptions, help, shortcuts, selection, renaming.
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) noexcept override {
    return None(value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) noexcept override {
    return None(text);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) noexcept override {
    return None(help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) noexcept override {
    *topic = 0;
    return None(file);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* keys) noexcept override {
    return None(keys);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) noexcept override {
    selection->vt = VT_EMPTY;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) noexcept override { return E_NOTIMPL; }

 private:
  // Finds the host and its objects as they are now, and in `item` the object `child` names
  // (null: the client area itself, also for a null `child`). RPC_E_DISCONNECTED once the window
  // is gone, E_INVALIDARG for a child id that names no object now.
  HRESULT Find(const VARIANT* child, const AccessibleObject*& item) noexcept {
    item = nullptr;
    items_.clear();
    host_ = HostOf(window_);
    if (host_ == nullptr) return RPC_E_DISCONNECTED;
    items_ = host_->AccessibleItems();
    if (child == nullptr) return S_OK;
    if (child->vt != VT_I4 || child->lVal < 0 || child->lVal > static_cast<LONG>(items_.size())) {
      return E_INVALIDARG;
    }
    if (child->lVal != CHILDID_SELF) item = &items_[static_cast<size_t>(child->lVal - 1)];
    return S_OK;
  }
  static HRESULT None(BSTR* text) {
    *text = nullptr;
    return DISP_E_MEMBERNOTFOUND;
  }

  const HWND window_;                    // not owned: the host window, found again on every call
  AccessibleHost* host_ = nullptr;       // not owned: as Find last found it
  std::vector<AccessibleObject> items_;  // the menu's objects as Find last found them
  ULONG references_ = 1;                 // calls come on the window's thread only
};

}  // namespace

bool AnswerAccessibleMessage(AccessibleHost& host, UINT message, WPARAM wparam, LPARAM lparam,
                             LRESULT& result) {
  if (message == kRunObjectLinkMessage) {
    // The design may have changed since the client asked: only an object that still has a link.
    const auto index = static_cast<int32_t>(wparam);
    for (const AccessibleObject& item : host.AccessibleItems()) {
      if (item.index != index || !item.has_link) continue;
      host.RunObjectLink(index);
      break;
    }
    result = 0;
    return true;
  }
  if (message != WM_GETOBJECT) return false;
  const auto id = static_cast<LONG>(static_cast<DWORD>(lparam));
  if (id == kHostObjectId) {
    result = reinterpret_cast<LRESULT>(&host);
    return true;
  }
  HWND window = host.AccessibleWindow();
  if (id != OBJID_CLIENT || window == nullptr) return false;
  // The client's calls arrive through COM, in this thread's apartment.
  ui::win32::UseComOnThisThread();
  ClientObject* client = new (std::nothrow) ClientObject(window);
  if (client == nullptr) return false;
  result = LresultFromObject(__uuidof(IAccessible), wparam, client);
  client->Release();
  return true;
}

void NotifyFocus(HWND window, int32_t child_id) {
  NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, child_id);
}

}  // namespace player::win32
