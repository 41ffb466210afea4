// The window tree: parents, owners, z-order lists, look-ups and the small
// per-window data (ids, text, properties).
#include <algorithm>
#include <cstring>
#include <strings.h>

#include "core/state.h"
#include "core/window.h"

namespace win32::core {

namespace {
const HWND kDesktop = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x10));
bool IsDesktop(HWND h) { return h == kDesktop; }

std::vector<HWND> ChildrenOfLocked(HWND parent) {
  if (!parent || IsDesktop(parent)) return S().topLevels;
  WindowPtr w = FindWindowLocked(parent);
  return w ? w->children : std::vector<HWND>{};
}
}  // namespace

std::vector<HWND>& SiblingsLocked(const Window& w) {
  if (w.style & WS_CHILD) {
    if (WindowPtr p = FindWindowLocked(w.parent)) return p->children;
  }
  return S().topLevels;
}

void UnlinkLocked(const Window& w) {
  auto& v = SiblingsLocked(w);
  v.erase(std::remove(v.begin(), v.end(), w.hwnd), v.end());
}

void LinkLocked(const Window& w, HWND insertAfter) {
  auto& v = SiblingsLocked(w);
  v.erase(std::remove(v.begin(), v.end(), w.hwnd), v.end());
  auto isTopmost = [](HWND h) {
    WindowPtr o = FindWindowLocked(h);
    return o && (o->exStyle & WS_EX_TOPMOST);
  };
  const bool top = !(w.style & WS_CHILD);
  if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
    // Top-level windows that are not topmost stay below the topmost ones.
    auto pos = v.begin();
    if (top && !(w.exStyle & WS_EX_TOPMOST)) {
      while (pos != v.end() && isTopmost(*pos)) ++pos;
    }
    v.insert(pos, w.hwnd);
  } else if (insertAfter == HWND_BOTTOM) {
    v.push_back(w.hwnd);
  } else {
    auto it = std::find(v.begin(), v.end(), insertAfter);
    v.insert(it == v.end() ? v.end() : it + 1, w.hwnd);
  }
}

bool IsDescendantLocked(HWND ancestor, HWND hwnd) {
  WindowPtr w = FindWindowLocked(hwnd);
  while (w && (w->style & WS_CHILD)) {
    if (w->parent == ancestor) return true;
    w = FindWindowLocked(w->parent);
  }
  return false;
}

HWND TopLevelOfLocked(HWND hwnd) {
  WindowPtr w = FindWindowLocked(hwnd);
  while (w && (w->style & WS_CHILD)) {
    WindowPtr p = FindWindowLocked(w->parent);
    if (!p) break;
    w = p;
  }
  return w ? w->hwnd : nullptr;
}

bool IsReallyVisibleLocked(HWND hwnd) {
  WindowPtr w = FindWindowLocked(hwnd);
  while (w) {
    if (!(w->style & WS_VISIBLE)) return false;
    if (!(w->style & WS_CHILD)) return true;
    w = FindWindowLocked(w->parent);
  }
  return false;
}

bool IsOwnThread(const Window& w) { return w.thread == CurrentThreadId(); }

std::vector<HWND> DescendantsLocked(HWND hwnd) {
  std::vector<HWND> out;
  for (HWND c : ChildrenOfLocked(hwnd)) {
    out.push_back(c);
    auto sub = DescendantsLocked(c);
    out.insert(out.end(), sub.begin(), sub.end());
  }
  return out;
}

POINT WindowOriginLocked(const Window& w) {
  POINT p{w.rect.left, w.rect.top};
  if (w.style & WS_CHILD) {
    if (WindowPtr parent = FindWindowLocked(w.parent)) {
      POINT o = ClientOriginLocked(*parent);
      p.x += o.x;
      p.y += o.y;
    }
  }
  return p;
}

POINT ClientOriginLocked(const Window& w) {
  POINT p = WindowOriginLocked(w);
  p.x += w.client.left - w.rect.left;
  p.y += w.client.top - w.rect.top;
  return p;
}

POINT SurfaceOffsetLocked(const Window& w) {
  POINT me = WindowOriginLocked(w);
  WindowPtr top = FindWindowLocked(TopLevelOfLocked(w.hwnd));
  POINT t = top ? WindowOriginLocked(*top) : POINT{0, 0};
  return POINT{me.x - t.x, me.y - t.y};
}

}  // namespace win32::core

using namespace win32::core;

BOOL WINAPI IsWindow(HWND hWnd) {
  Lock lk(S());
  return FindWindowLocked(hWnd) != nullptr;
}

BOOL WINAPI IsWindowUnicode(HWND) { return FALSE; }

BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd) {
  Lock lk(S());
  return hWndParent && IsDescendantLocked(hWndParent, hWnd);
}

HWND WINAPI GetParent(HWND hWnd) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hWnd);
  if (!w) return nullptr;
  if (w->style & WS_CHILD) return w->parent;
  return (w->style & WS_POPUP) ? w->owner : nullptr;
}

HWND WINAPI GetAncestor(HWND hwnd, UINT gaFlags) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hwnd);
  if (!w) return nullptr;
  switch (gaFlags) {
    case GA_PARENT:
      return (w->style & WS_CHILD) ? w->parent : kDesktop;
    case GA_ROOT:
      return TopLevelOfLocked(hwnd);
    case GA_ROOTOWNER: {
      WindowPtr r = FindWindowLocked(TopLevelOfLocked(hwnd));
      while (r && r->owner) {
        WindowPtr o = FindWindowLocked(r->owner);
        if (!o) break;
        r = o;
      }
      return r ? r->hwnd : nullptr;
    }
    default:
      return nullptr;
  }
}

HWND WINAPI SetParent(HWND hWndChild, HWND hWndNewParent) {
  HWND old;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hWndChild);
    if (!w || (hWndNewParent && !IsDesktop(hWndNewParent) && !FindWindowLocked(hWndNewParent)) ||
        hWndNewParent == hWndChild || (hWndNewParent && IsDescendantLocked(hWndChild, hWndNewParent))) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    old = (w->style & WS_CHILD) ? w->parent : kDesktop;
    UnlinkLocked(*w);
    if (!hWndNewParent || IsDesktop(hWndNewParent)) {
      // A window moved to the desktop keeps its style bits as Win32 does;
      // it is linked as a top-level window.
      w->parent = nullptr;
      const DWORD saved = w->style;
      w->style &= ~WS_CHILD;
      LinkLocked(*w, HWND_TOP);
      w->style = saved;
    } else {
      w->parent = hWndNewParent;
      LinkLocked(*w, HWND_TOP);
    }
  }
  InvalidateRect(hWndChild, nullptr, TRUE);
  return old;
}

HWND WINAPI GetDesktopWindow(void) { return kDesktop; }

HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
  State& st = S();
  Lock lk(st);
  if (IsDesktop(hWnd)) return uCmd == GW_CHILD && !st.topLevels.empty() ? st.topLevels.front() : nullptr;
  WindowPtr w = FindWindowLocked(hWnd);
  if (!w) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  if (uCmd == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
  if (uCmd == GW_OWNER) return w->owner;
  if (uCmd == GW_ENABLEDPOPUP) return nullptr;
  auto& v = SiblingsLocked(*w);
  auto it = std::find(v.begin(), v.end(), hWnd);
  if (it == v.end()) return nullptr;
  switch (uCmd) {
    case GW_HWNDFIRST:
      return v.front();
    case GW_HWNDLAST:
      return v.back();
    case GW_HWNDNEXT:
      return (it + 1 == v.end()) ? nullptr : *(it + 1);
    case GW_HWNDPREV:
      return (it == v.begin()) ? nullptr : *(it - 1);
    default:
      return nullptr;
  }
}

HWND WINAPI GetTopWindow(HWND hWnd) {
  Lock lk(S());
  auto v = ChildrenOfLocked(hWnd);
  return v.empty() ? nullptr : v.front();
}

HWND WINAPI GetLastActivePopup(HWND hWnd) { return IsWindow(hWnd) ? hWnd : nullptr; }

namespace {
// Enumeration works on a snapshot and skips windows destroyed meanwhile.
BOOL EnumSnapshot(const std::vector<HWND>& list, WNDENUMPROC fn, LPARAM lParam) {
  for (HWND h : list) {
    if (IsWindow(h) && !fn(h, lParam)) return FALSE;
  }
  return TRUE;
}
}  // namespace

BOOL WINAPI EnumChildWindows(HWND hWndParent, WNDENUMPROC lpEnumFunc, LPARAM lParam) {
  if (!lpEnumFunc) return FALSE;
  std::vector<HWND> list;
  {
    Lock lk(S());
    list = DescendantsLocked(hWndParent);
  }
  return EnumSnapshot(list, lpEnumFunc, lParam);
}

BOOL WINAPI EnumWindows(WNDENUMPROC lpEnumFunc, LPARAM lParam) {
  if (!lpEnumFunc) return FALSE;
  std::vector<HWND> list;
  {
    State& st = S();
    Lock lk(st);
    list = st.topLevels;
  }
  return EnumSnapshot(list, lpEnumFunc, lParam);
}

BOOL WINAPI EnumThreadWindows(DWORD dwThreadId, WNDENUMPROC lpfn, LPARAM lParam) {
  if (!lpfn) return FALSE;
  std::vector<HWND> list;
  {
    State& st = S();
    Lock lk(st);
    for (HWND h : st.topLevels) {
      if (FindWindowLocked(h)->thread == dwThreadId) list.push_back(h);
    }
  }
  return EnumSnapshot(list, lpfn, lParam);
}

HWND WINAPI FindWindowEx(HWND hWndParent, HWND hWndChildAfter, LPCSTR lpszClass, LPCSTR lpszWindow) {
  Lock lk(S());
  auto list = ChildrenOfLocked(hWndParent);
  auto it = list.begin();
  if (hWndChildAfter) {
    it = std::find(list.begin(), list.end(), hWndChildAfter);
    if (it != list.end()) ++it;
  }
  for (; it != list.end(); ++it) {
    WindowPtr w = FindWindowLocked(*it);
    if (!w) continue;
    if (lpszClass) {
      const bool atom = IS_INTRESOURCE(lpszClass);
      if (atom ? w->cls->atom != static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(lpszClass))
               : strcasecmp(w->cls->name.c_str(), lpszClass) != 0)
        continue;
    }
    if (lpszWindow && w->text != lpszWindow) continue;
    return w->hwnd;
  }
  return nullptr;
}

HWND WINAPI FindWindow(LPCSTR lpClassName, LPCSTR lpWindowName) {
  return FindWindowEx(nullptr, nullptr, lpClassName, lpWindowName);
}

DWORD WINAPI GetWindowThreadProcessId(HWND hWnd, LPDWORD lpdwProcessId) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hWnd);
  if (!w) return 0;
  if (lpdwProcessId) *lpdwProcessId = GetCurrentProcessId();
  return w->thread;
}

int WINAPI GetDlgCtrlID(HWND hWnd) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hWnd);
  return (w && (w->style & WS_CHILD)) ? static_cast<int>(w->id) : 0;
}

int WINAPI SetDlgCtrlID(HWND hWnd, int nID) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hWnd);
  if (!w) return 0;
  int old = static_cast<int>(w->id);
  w->id = static_cast<UINT_PTR>(nID);
  return old;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  Lock lk(S());
  WindowPtr d = FindWindowLocked(hDlg);
  if (!d) return nullptr;
  for (HWND c : d->children) {
    if (static_cast<int>(FindWindowLocked(c)->id) == nIDDlgItem) return c;
  }
  return nullptr;
}

HMENU WINAPI GetMenu(HWND hWnd) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hWnd);
  return (w && !(w->style & WS_CHILD)) ? reinterpret_cast<HMENU>(w->id) : nullptr;
}

BOOL WINAPI SetMenu(HWND hWnd, HMENU hMenu) {
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hWnd);
    if (!w || (w->style & WS_CHILD)) return FALSE;
    w->id = reinterpret_cast<UINT_PTR>(hMenu);
  }
  SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return TRUE;
}

namespace {
std::string PropKey(LPCSTR s) {
  return IS_INTRESOURCE(s) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(s)) : std::string(s);
}
}  // namespace

BOOL WINAPI SetProp(HWND hWnd, LPCSTR lpString, HANDLE hData) {
  if (!lpString) return FALSE;
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hWnd);
  if (!w) return FALSE;
  const std::string key = PropKey(lpString);
  for (auto& [k, v] : w->props) {
    if (strcasecmp(k.c_str(), key.c_str()) == 0) {
      v = hData;
      return TRUE;
    }
  }
  w->props.emplace_back(key, hData);
  return TRUE;
}

HANDLE WINAPI GetProp(HWND hWnd, LPCSTR lpString) {
  if (!lpString) return nullptr;
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hWnd);
  if (!w) return nullptr;
  const std::string key = PropKey(lpString);
  for (auto& [k, v] : w->props) {
    if (strcasecmp(k.c_str(), key.c_str()) == 0) return v;
  }
  return nullptr;
}

HANDLE WINAPI RemoveProp(HWND hWnd, LPCSTR lpString) {
  if (!lpString) return nullptr;
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hWnd);
  if (!w) return nullptr;
  const std::string key = PropKey(lpString);
  for (auto it = w->props.begin(); it != w->props.end(); ++it) {
    if (strcasecmp(it->first.c_str(), key.c_str()) == 0) {
      HANDLE v = it->second;
      w->props.erase(it);
      return v;
    }
  }
  return nullptr;
}

int WINAPI EnumProps(HWND hWnd, PROPENUMPROC lpEnumFunc) {
  std::vector<std::pair<std::string, HANDLE>> props;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hWnd);
    if (!w || !lpEnumFunc) return -1;
    props = w->props;
  }
  int last = -1;
  for (auto& [k, v] : props) {
    last = lpEnumFunc(hWnd, k.c_str(), v);
    if (!last) break;
  }
  return last;
}

int WINAPI GetWindowText(HWND hWnd, LPSTR lpString, int nMaxCount) {
  if (!lpString || nMaxCount <= 0 || !IsWindow(hWnd)) return 0;
  lpString[0] = '\0';
  return static_cast<int>(
      SendMessage(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

BOOL WINAPI SetWindowText(HWND hWnd, LPCSTR lpString) {
  if (!IsWindow(hWnd)) return FALSE;
  return SendMessage(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) != 0;
}

int WINAPI GetWindowTextLength(HWND hWnd) {
  if (!IsWindow(hWnd)) return 0;
  return static_cast<int>(SendMessage(hWnd, WM_GETTEXTLENGTH, 0, 0));
}
