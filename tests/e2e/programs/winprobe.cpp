// winprobe: the end-to-end tests' eyes and hands inside Wine.
//
//   winprobe [list]                 JSON: the foreground window, screen size, work area and
//                                   every top-level window of the desktop
//   winprobe press <hwnd> <text>    clicks (BM_CLICK) the child button whose text is <text>
//   winprobe close <hwnd>           posts WM_CLOSE to a window
//   winprobe msgbox <title> <text>  shows a message box; prints and returns the button pressed
//   winprobe play <file.wav>        plays a sound file synchronously (PlaySound)
//   winprobe acc <hwnd>             JSON: the window's client area as a screen reader reads it
//                                   (MSAA, OBJID_CLIENT), with each child: id, role, name,
//                                   state, location, default action
//   winprobe accdo <hwnd> <child>   carries out a child's default action (accDoDefaultAction)
//   winprobe rows <hwnd>            JSON: the rows of the window's report list view, each row its
//                                   cells' texts, and each row's rectangle on the screen
//   winprobe parts <hwnd>           JSON: what the window's visible children show, each with its
//                                   class, id and rectangle on the screen; a tool bar as each
//                                   of its buttons shown
//   winprobe serve                  reads commands from stdin, one a line, fields separated by
//                                   tabs ("list", "press\t<hwnd>\t<text>", "close\t<hwnd>",
//                                   "acc\t<hwnd>", "accdo\t<hwnd>\t<child>", "rows\t<hwnd>",
//                                   "parts\t<hwnd>", "quit"), and answers each with one line of
//                                   JSON
//
// <hwnd> is decimal or 0x-hex. Window texts are read as UTF-16 and printed as UTF-8; the texts
// of commands (a button's) are UTF-8 too.
// Exit codes: 0 done, 1 window or button not found / action failed, 2 bad usage.
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>
#include <oleacc.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "json_text.h"

namespace {

std::string Num(unsigned long long v) {
  return std::to_string(v);
}
std::string Num(long v) {
  return std::to_string(v);
}
std::string Num(int v) {
  return std::to_string(v);
}
std::string Bool(bool v) {
  return v ? "true" : "false";
}
std::string HwndNum(HWND h) {
  return std::to_string(reinterpret_cast<uintptr_t>(h));
}

std::string ClassOf(HWND h) {
  wchar_t buf[256] = {};
  int n = GetClassNameW(h, buf, 256);
  return Utf8(std::wstring(buf, n > 0 ? static_cast<size_t>(n) : 0));
}

// A top-level window's title: GetWindowTextW reads the stored caption, even of another process.
std::string TitleOf(HWND h) {
  int n = GetWindowTextLengthW(h);
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  n = GetWindowTextW(h, s.data(), n + 1);
  s.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return Utf8(s);
}

// A control's text in another process: asked for with WM_GETTEXT, never waiting on a hung owner.
std::string ControlText(HWND h) {
  DWORD_PTR len = 0;
  if (!SendMessageTimeoutW(h, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &len))
    return TitleOf(h);
  std::wstring s(static_cast<size_t>(len) + 1, L'\0');
  DWORD_PTR got = 0;
  if (!SendMessageTimeoutW(h, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()),
                           SMTO_ABORTIFHUNG, 2000, &got))
    return TitleOf(h);
  s.resize(got < len ? static_cast<size_t>(got) : static_cast<size_t>(len));
  return Utf8(s);
}

std::string RectJson(const RECT& r) {
  return "{\"left\":" + Num(r.left) + ",\"top\":" + Num(r.top) + ",\"right\":" + Num(r.right) +
         ",\"bottom\":" + Num(r.bottom) + ",\"width\":" + Num(r.right - r.left) +
         ",\"height\":" + Num(r.bottom - r.top) + "}";
}

// The client area in screen coordinates.
RECT ClientOnScreen(HWND h) {
  RECT c = {};
  GetClientRect(h, &c);
  POINT origin = {0, 0};
  ClientToScreen(h, &origin);
  return RECT{origin.x, origin.y, origin.x + c.right, origin.y + c.bottom};
}

std::string ExeOf(DWORD pid, std::map<DWORD, std::string>& cache) {
  auto it = cache.find(pid);
  if (it != cache.end()) return it->second;
  std::string path;
  if (HANDLE p = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid)) {
    wchar_t buf[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    if (QueryFullProcessImageNameW(p, 0, buf, &size)) path = Utf8(std::wstring(buf, size));
    CloseHandle(p);
  }
  cache[pid] = path;
  return path;
}

std::string StripAmpersands(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '&') {
      if (i + 1 < s.size() && s[i + 1] == '&') out += '&', ++i;
      continue;
    }
    out += s[i];
  }
  return out;
}

BOOL CALLBACK CollectWindow(HWND h, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(h);
  return TRUE;
}

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> kids;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&kids));
  return kids;
}

bool IsButtonClass(const std::string& cls) {
  return lstrcmpiA(cls.c_str(), "Button") == 0;
}
bool IsStaticClass(const std::string& cls) {
  return lstrcmpiA(cls.c_str(), "Static") == 0;
}

std::string ChildJson(HWND h) {
  RECT r = {};
  GetWindowRect(h, &r);
  return "{\"hwnd\":" + HwndNum(h) + ",\"id\":" + Num(static_cast<long>(GetDlgCtrlID(h) & 0xFFFF)) +
         ",\"class\":" + Quote(ClassOf(h)) + ",\"text\":" + Quote(ControlText(h)) +
         ",\"visible\":" + Bool(IsWindowVisible(h)) + ",\"enabled\":" + Bool(IsWindowEnabled(h)) +
         ",\"rect\":" + RectJson(r) + "}";
}

std::string WindowJson(HWND h, std::map<DWORD, std::string>& exes) {
  DWORD pid = 0;
  DWORD tid = GetWindowThreadProcessId(h, &pid);
  RECT r = {};
  GetWindowRect(h, &r);
  std::string cls = ClassOf(h);
  std::string j =
      "{\"hwnd\":" + HwndNum(h) + ",\"pid\":" + Num(static_cast<unsigned long long>(pid)) +
      ",\"tid\":" + Num(static_cast<unsigned long long>(tid)) + ",\"class\":" + Quote(cls) +
      ",\"title\":" + Quote(TitleOf(h)) + ",\"visible\":" + Bool(IsWindowVisible(h)) +
      ",\"enabled\":" + Bool(IsWindowEnabled(h)) + ",\"minimized\":" + Bool(IsIconic(h)) +
      ",\"maximized\":" + Bool(IsZoomed(h)) + ",\"rect\":" + RectJson(r) +
      ",\"client\":" + RectJson(ClientOnScreen(h)) + ",\"style\":" +
      Num(static_cast<unsigned long long>(static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE)))) +
      ",\"exstyle\":" +
      Num(static_cast<unsigned long long>(static_cast<DWORD>(GetWindowLongA(h, GWL_EXSTYLE)))) +
      ",\"owner\":" + HwndNum(GetWindow(h, GW_OWNER)) + ",\"exe\":" + Quote(ExeOf(pid, exes));
  // The active and focus windows of the window's thread (keyboard input goes to the focus window).
  GUITHREADINFO gui = {};
  gui.cbSize = sizeof gui;
  if (GetGUIThreadInfo(tid, &gui))
    j += ",\"thread_active\":" + HwndNum(gui.hwndActive) +
         ",\"thread_focus\":" + HwndNum(gui.hwndFocus);
  if (cls == "#32770") {
    std::string statics, buttons;
    for (HWND kid : ChildrenOf(h)) {
      std::string kid_cls = ClassOf(kid);
      std::string* list = IsStaticClass(kid_cls)   ? &statics
                          : IsButtonClass(kid_cls) ? &buttons
                                                   : nullptr;
      if (!list) continue;
      if (!list->empty()) *list += ",";
      *list += ChildJson(kid);
    }
    j += ",\"statics\":[" + statics + "],\"buttons\":[" + buttons + "]";
  }
  return j + "}";
}

std::string ListJson() {
  std::vector<HWND> tops;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&tops));
  std::map<DWORD, std::string> exes;
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  std::string j = "{\"foreground\":" + HwndNum(GetForegroundWindow()) +
                  ",\"screen\":{\"width\":" + Num(GetSystemMetrics(SM_CXSCREEN)) +
                  ",\"height\":" + Num(GetSystemMetrics(SM_CYSCREEN)) +
                  "},\"work_area\":" + RectJson(work) + ",\"windows\":[";
  for (size_t i = 0; i < tops.size(); ++i) {
    if (i) j += ",";
    j += WindowJson(tops[i], exes);
  }
  return j + "]}";
}

bool ParseHwnd(const std::string& s, HWND* out) {
  if (s.empty()) return false;
  char* end = nullptr;
  unsigned long v = std::strtoul(s.c_str(), &end, 0);
  if (!end || *end) return false;
  *out = reinterpret_cast<HWND>(static_cast<uintptr_t>(v));
  return true;
}

std::string Error(const std::string& message) {
  return "{\"ok\":false,\"error\":" + Quote(message) + "}";
}

// Clicks the button child of `window` whose text (without '&' accelerators) is `text`.
std::string Press(const std::string& hwnd_text, const std::string& text, int* rc) {
  HWND window = nullptr;
  *rc = 1;
  if (!ParseHwnd(hwnd_text, &window) || !IsWindow(window)) return Error("no window " + hwnd_text);
  for (HWND kid : ChildrenOf(window)) {
    if (!IsButtonClass(ClassOf(kid))) continue;
    if (lstrcmpiW(Wide(StripAmpersands(ControlText(kid))).c_str(),
                  Wide(StripAmpersands(text)).c_str()) != 0)
      continue;
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(kid, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored)) {
      // The owner did not answer in time: fall back to the notification BM_CLICK would send.
      WPARAM wp = MAKEWPARAM(GetDlgCtrlID(kid) & 0xFFFF, BN_CLICKED);
      if (!PostMessageA(window, WM_COMMAND, wp, reinterpret_cast<LPARAM>(kid)))
        return Error("BM_CLICK and WM_COMMAND failed");
    }
    *rc = 0;
    return "{\"ok\":true,\"button\":" + HwndNum(kid) + "}";
  }
  return Error("no button \"" + text + "\" in window " + hwnd_text);
}

std::string Close(const std::string& hwnd_text, int* rc) {
  HWND window = nullptr;
  *rc = 1;
  if (!ParseHwnd(hwnd_text, &window) || !IsWindow(window)) return Error("no window " + hwnd_text);
  if (!PostMessageA(window, WM_CLOSE, 0, 0)) return Error("PostMessage failed");
  *rc = 0;
  return "{\"ok\":true}";
}

// --- MSAA, read from this process as a screen reader would --------------------------------------

std::string BstrUtf8(const BSTR text) {
  return text == nullptr ? std::string() : Utf8(std::wstring(text, SysStringLen(text)));
}

// The client-area object of a window, or null with `error` set.
IAccessible* ClientObjectOf(const std::string& hwnd_text, std::string* error) {
  HWND window = nullptr;
  if (!ParseHwnd(hwnd_text, &window) || !IsWindow(window)) {
    *error = "no window " + hwnd_text;
    return nullptr;
  }
  IAccessible* acc = nullptr;
  const HRESULT hr = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                                IID_IAccessible, reinterpret_cast<void**>(&acc));
  if (FAILED(hr) || acc == nullptr) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lx", static_cast<unsigned long>(hr));
    *error = std::string("AccessibleObjectFromWindow failed: ") + code;
    return nullptr;
  }
  return acc;
}

// One element of the object (child id 0: the object itself) as JSON; null members for what it
// does not answer.
std::string ElementJson(IAccessible* acc, LONG id) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  auto text = [&](HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    BSTR b = nullptr;
    const HRESULT hr = (acc->*get)(child, &b);
    std::string j = hr == S_OK && b != nullptr ? Quote(BstrUtf8(b)) : "null";
    SysFreeString(b);
    return j;
  };
  auto number = [&](HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
    VARIANT v;
    VariantInit(&v);
    const HRESULT hr = (acc->*get)(child, &v);
    std::string j = hr == S_OK && v.vt == VT_I4 ? Num(static_cast<long>(v.lVal)) : "null";
    VariantClear(&v);
    return j;
  };
  LONG x = 0, y = 0, w = 0, h = 0;
  const bool placed = acc->accLocation(&x, &y, &w, &h, child) == S_OK;
  return "{\"id\":" + Num(static_cast<long>(id)) +
         ",\"role\":" + number(&IAccessible::get_accRole) +
         ",\"name\":" + text(&IAccessible::get_accName) +
         ",\"state\":" + number(&IAccessible::get_accState) + ",\"location\":" +
         (placed ? "{\"x\":" + Num(x) + ",\"y\":" + Num(y) + ",\"width\":" + Num(w) +
                       ",\"height\":" + Num(h) + "}"
                 : std::string("null")) +
         ",\"default_action\":" + text(&IAccessible::get_accDefaultAction) + "}";
}

std::string AccJson(const std::string& hwnd_text, int* rc) {
  std::string error;
  *rc = 1;
  IAccessible* acc = ClientObjectOf(hwnd_text, &error);
  if (acc == nullptr) return Error(error);
  LONG count = 0;
  if (FAILED(acc->get_accChildCount(&count))) count = 0;
  std::string j = "{\"ok\":true,\"client\":" + ElementJson(acc, CHILDID_SELF) + ",\"children\":[";
  for (LONG id = 1; id <= count; ++id) j += (id > 1 ? "," : "") + ElementJson(acc, id);
  acc->Release();
  *rc = 0;
  return j + "]}";
}

std::string AccDo(const std::string& hwnd_text, const std::string& child_text, int* rc) {
  std::string error;
  *rc = 1;
  IAccessible* acc = ClientObjectOf(hwnd_text, &error);
  if (acc == nullptr) return Error(error);
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = std::strtol(child_text.c_str(), nullptr, 0);
  const HRESULT hr = acc->accDoDefaultAction(child);
  acc->Release();
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lx", static_cast<unsigned long>(hr));
  if (hr != S_OK) return Error(std::string("accDoDefaultAction returned ") + code);
  *rc = 0;
  return "{\"ok\":true}";
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    size_t tab = line.find('\t', start);
    fields.push_back(
        line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

void Emit(const std::string& json) {
  std::fwrite(json.data(), 1, json.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

// The rows of a list view in another process: the item structure and the text go through memory
// of that process, as a list view reads and writes only its own.
std::string RowsJson(const std::string& hwnd_text, int* rc) {
  HWND window = nullptr, list = nullptr;
  *rc = 1;
  if (!ParseHwnd(hwnd_text, &window) || !IsWindow(window)) return Error("no window " + hwnd_text);
  for (HWND kid : ChildrenOf(window)) {
    if (lstrcmpiA(ClassOf(kid).c_str(), WC_LISTVIEWA) == 0) list = kid;
  }
  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (list == nullptr || process == nullptr) return Error("no list view in window " + hwnd_text);
  constexpr size_t kText = 512;
  auto* remote = static_cast<char*>(VirtualAllocEx(
      process, nullptr, sizeof(LVITEMW) + kText * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
  const int columns = static_cast<int>(SendMessageA(
      reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0));
  std::string j = "{\"ok\":true,\"rows\":[";
  const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    RECT r = {LVIR_BOUNDS, 0, 0, 0};
    WriteProcessMemory(process, remote, &r, sizeof r, nullptr);
    SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process, remote, &r, sizeof r, nullptr);
    MapWindowPoints(list, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    j += std::string(row ? "," : "") + "{\"rect\":" + RectJson(r) + ",\"cells\":[";
    for (int column = 0; column < columns; ++column) {
      LVITEMW item = {};
      item.iSubItem = column;
      item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
      item.cchTextMax = kText;
      wchar_t text[kText] = {};
      WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
      SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote));
      ReadProcessMemory(process, remote + sizeof(LVITEMW), text, (kText - 1) * sizeof(wchar_t),
                        nullptr);
      j += std::string(column ? "," : "") + WideQuoted(text);
    }
    j += "]}";
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  *rc = 0;
  return j + "]}";
}

// The visible children of a window in another process, a tool bar as its buttons: their
// structures go through memory of that process, as a tool bar reads and writes only its own.
std::string PartsJson(const std::string& hwnd_text, int* rc) {
  HWND window = nullptr;
  DWORD pid = 0;
  *rc = 1;
  if (!ParseHwnd(hwnd_text, &window) || !GetWindowThreadProcessId(window, &pid))
    return Error("no window " + hwnd_text);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, pid);
  auto* remote = static_cast<char*>(VirtualAllocEx(
      process, nullptr, sizeof(TBBUTTON) + sizeof(RECT), MEM_COMMIT, PAGE_READWRITE));
  std::string j;
  const auto add = [&j](const std::string& cls, long id, const RECT& r) {
    if (r.right > r.left && r.bottom > r.top)
      j += (j.empty() ? "" : ",") + ("{\"class\":" + Quote(cls)) + ",\"id\":" + Num(id) +
           ",\"rect\":" + RectJson(r) + "}";
  };
  for (HWND kid : ChildrenOf(window)) {
    RECT r = {};
    if (!IsWindowVisible(kid)) continue;
    if (lstrcmpiA(ClassOf(kid).c_str(), TOOLBARCLASSNAMEA) != 0) {
      GetWindowRect(kid, &r);
      add(ClassOf(kid), GetDlgCtrlID(kid) & 0xFFFF, r);
      continue;
    }
    for (int i = 0; i < static_cast<int>(SendMessageA(kid, TB_BUTTONCOUNT, 0, 0)); ++i) {
      TBBUTTON button = {};
      SendMessageA(kid, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(remote));
      SendMessageA(kid, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(remote + sizeof button));
      ReadProcessMemory(process, remote, &button, sizeof button, nullptr);
      ReadProcessMemory(process, remote + sizeof button, &r, sizeof r, nullptr);
      MapWindowPoints(kid, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
      if (!(button.fsStyle & BTNS_SEP) && !(button.fsState & TBSTATE_HIDDEN))
        add("tool bar button", button.idCommand, r);
    }
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  *rc = 0;
  return "{\"ok\":true,\"parts\":[" + j + "]}";
}

int Serve() {
  std::string line;
  int c;
  for (;;) {
    line.clear();
    while ((c = std::fgetc(stdin)) != EOF && c != '\n') line += static_cast<char>(c);
    if (c == EOF && line.empty()) return 0;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> f = SplitTabs(line);
    int rc = 0;
    if (f[0] == "list" && f.size() == 1)
      Emit(ListJson());
    else if (f[0] == "press" && f.size() == 3)
      Emit(Press(f[1], f[2], &rc));
    else if (f[0] == "close" && f.size() == 2)
      Emit(Close(f[1], &rc));
    else if (f[0] == "acc" && f.size() == 2)
      Emit(AccJson(f[1], &rc));
    else if (f[0] == "accdo" && f.size() == 3)
      Emit(AccDo(f[1], f[2], &rc));
    else if (f[0] == "rows" && f.size() == 2)
      Emit(RowsJson(f[1], &rc));
    else if (f[0] == "parts" && f.size() == 2)
      Emit(PartsJson(f[1], &rc));
    else if (f[0] == "quit")
      return 0;
    else
      Emit(Error("bad command: " + line));
    if (c == EOF) return 0;
  }
}

int Usage() {
  std::fputs(
      "usage: winprobe [list] | press <hwnd> <text> | close <hwnd> | acc <hwnd> | "
      "accdo <hwnd> <child> | msgbox <title> <text> | play <file.wav> | serve\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // "\n" stays "\n" for the JSON readers
  _setmode(_fileno(stdin), _O_BINARY);
  // The accessibility objects of other processes are COM proxies; their calls need an apartment.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::string cmd = argc > 1 ? argv[1] : "list";
  int rc = 0;
  if (cmd == "list" && argc <= 2) {
    Emit(ListJson());
  } else if (cmd == "press" && argc == 4) {
    Emit(Press(argv[2], argv[3], &rc));
  } else if (cmd == "close" && argc == 3) {
    Emit(Close(argv[2], &rc));
  } else if (cmd == "acc" && argc == 3) {
    Emit(AccJson(argv[2], &rc));
  } else if (cmd == "accdo" && argc == 4) {
    Emit(AccDo(argv[2], argv[3], &rc));
  } else if (cmd == "msgbox" && argc == 4) {
    rc = MessageBoxW(nullptr, Wide(argv[3]).c_str(), Wide(argv[2]).c_str(), MB_OK);
    Emit("{\"result\":" + Num(rc) + "}");
  } else if (cmd == "play" && argc == 3) {
    rc = PlaySoundA(argv[2], nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT) ? 0 : 1;
    Emit(rc == 0 ? "{\"ok\":true}" : Error("PlaySound failed"));
  } else if (cmd == "serve" && argc == 2) {
    rc = Serve();
  } else {
    return Usage();
  }
  return rc;
}
