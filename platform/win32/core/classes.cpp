#include <algorithm>
#include <cstring>
#include <strings.h>

#include "core/state.h"
#include "core/window.h"
#include "internal/core_classes.h"

namespace win32::core {
namespace {

ATOM AddClassLocked(const WNDCLASSEX& wc, bool system) {
  State& s = S();
  if (!wc.lpszClassName || !wc.lpfnWndProc || wc.cbClsExtra < 0 || wc.cbWndExtra < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const bool byAtom = IS_INTRESOURCE(wc.lpszClassName);
  std::string name = byAtom ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(wc.lpszClassName)) : wc.lpszClassName;
  auto clash = std::find_if(s.classes.begin(), s.classes.end(), [&](const auto& c) {
    const bool sameScope = system ? c->system : (!c->system && c->wc.hInstance == wc.hInstance);
    return sameScope && strcasecmp(c->name.c_str(), name.c_str()) == 0;
  });
  if (clash != s.classes.end()) {
    // A system class registered again replaces the old one.
    if (!system) {
      SetLastError(ERROR_CLASS_ALREADY_EXISTS);
      return 0;
    }
    s.classes.erase(clash);
  }
  auto c = std::make_shared<WindowClass>();
  c->wc = wc;
  c->name = name;
  c->system = system;
  c->atom = s.nextAtom++;
  if (wc.lpszMenuName && !IS_INTRESOURCE(wc.lpszMenuName)) {
    c->menuName = wc.lpszMenuName;
    c->wc.lpszMenuName = nullptr;
  }
  c->wc.lpszClassName = nullptr;
  c->extra.assign(static_cast<size_t>(wc.cbClsExtra), 0);
  s.classes.push_back(c);
  return c->atom;
}

WNDCLASSEX PublicInfo(const WindowClass& c) {
  WNDCLASSEX wc = c.wc;
  wc.cbSize = sizeof(WNDCLASSEX);
  wc.lpszClassName = c.name.c_str();
  if (!c.menuName.empty()) wc.lpszMenuName = c.menuName.c_str();
  return wc;
}

std::shared_ptr<WindowClass> ClassOf(HWND hwnd) {
  WindowPtr w = FindWindowLocked(hwnd);
  if (!w) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return w ? w->cls : nullptr;
}

// Class longs of both widths share one reader and one writer.
std::optional<ULONG_PTR> ReadClassLong(const WindowClass& c, int index) {
  const WNDCLASSEX& wc = c.wc;
  switch (index) {
    case GCL_STYLE:
      return wc.style;
    case GCL_CBWNDEXTRA:
      return static_cast<ULONG_PTR>(wc.cbWndExtra);
    case GCL_CBCLSEXTRA:
      return static_cast<ULONG_PTR>(wc.cbClsExtra);
    case GCLP_HBRBACKGROUND:
      return reinterpret_cast<ULONG_PTR>(wc.hbrBackground);
    case GCLP_HCURSOR:
      return reinterpret_cast<ULONG_PTR>(wc.hCursor);
    case GCLP_HICON:
      return reinterpret_cast<ULONG_PTR>(wc.hIcon);
    case GCLP_HICONSM:
      return reinterpret_cast<ULONG_PTR>(wc.hIconSm);
    case GCLP_HMODULE:
      return reinterpret_cast<ULONG_PTR>(wc.hInstance);
    case GCLP_WNDPROC:
      return reinterpret_cast<ULONG_PTR>(wc.lpfnWndProc);
    case GCW_ATOM:
      return c.atom;
    default:
      break;
  }
  if (index >= 0 && static_cast<size_t>(index) + sizeof(ULONG_PTR) <= c.extra.size()) {
    ULONG_PTR v = 0;
    std::memcpy(&v, c.extra.data() + index, sizeof v);
    return v;
  }
  return std::nullopt;
}

std::optional<ULONG_PTR> WriteClassLong(WindowClass& c, int index, ULONG_PTR v) {
  auto old = ReadClassLong(c, index);
  if (!old) return std::nullopt;
  WNDCLASSEX& wc = c.wc;
  switch (index) {
    case GCL_STYLE:
      wc.style = static_cast<UINT>(v);
      break;
    case GCLP_HBRBACKGROUND:
      wc.hbrBackground = reinterpret_cast<HBRUSH>(v);
      break;
    case GCLP_HCURSOR:
      wc.hCursor = reinterpret_cast<HCURSOR>(v);
      break;
    case GCLP_HICON:
      wc.hIcon = reinterpret_cast<HICON>(v);
      break;
    case GCLP_HICONSM:
      wc.hIconSm = reinterpret_cast<HICON>(v);
      break;
    case GCLP_WNDPROC:
      wc.lpfnWndProc = reinterpret_cast<WNDPROC>(v);
      break;
    case GCL_CBWNDEXTRA:
    case GCL_CBCLSEXTRA:
    case GCLP_HMODULE:
    case GCW_ATOM:
      return std::nullopt;
    default:
      std::memcpy(c.extra.data() + index, &v, sizeof v);
      break;
  }
  return old;
}

}  // namespace
}  // namespace win32::core

using namespace win32::core;

namespace win32::internal {
void RegisterSystemClass(const WNDCLASSEX& wc) {
  Lock lk(S());
  AddClassLocked(wc, true);
}
}  // namespace win32::internal

ATOM WINAPI RegisterClassEx(const WNDCLASSEX* lpwcx) {
  if (!lpwcx) return 0;
  Lock lk(S());
  return AddClassLocked(*lpwcx, false);
}

ATOM WINAPI RegisterClass(const WNDCLASS* wc) {
  if (!wc) return 0;
  WNDCLASSEX ex{sizeof(WNDCLASSEX), wc->style,   wc->lpfnWndProc,   wc->cbClsExtra,   wc->cbWndExtra,    wc->hInstance,
                wc->hIcon,          wc->hCursor, wc->hbrBackground, wc->lpszMenuName, wc->lpszClassName, nullptr};
  return RegisterClassEx(&ex);
}

BOOL WINAPI UnregisterClass(LPCSTR lpClassName, HINSTANCE hInstance) {
  State& st = S();
  Lock lk(st);
  auto c = FindClassLocked(lpClassName, hInstance);
  if (!c || c->system) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  for (auto& [h, w] : st.windows) {
    if (w->cls == c) {
      SetLastError(ERROR_CLASS_HAS_WINDOWS);
      return FALSE;
    }
  }
  auto& v = st.classes;
  v.erase(std::remove(v.begin(), v.end(), c), v.end());
  return TRUE;
}

BOOL WINAPI GetClassInfoEx(HINSTANCE hInstance, LPCSTR lpszClass, LPWNDCLASSEX lpwcx) {
  Lock lk(S());
  auto c = FindClassLocked(lpszClass, hInstance);
  if (!c || !lpwcx) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  *lpwcx = PublicInfo(*c);
  return c->atom;
}

BOOL WINAPI GetClassInfo(HINSTANCE hInstance, LPCSTR lpClassName, LPWNDCLASS lpWndClass) {
  WNDCLASSEX ex{};
  BOOL ok = GetClassInfoEx(hInstance, lpClassName, &ex);
  if (!ok || !lpWndClass) return FALSE;
  *lpWndClass = WNDCLASS{ex.style, ex.lpfnWndProc, ex.cbClsExtra,    ex.cbWndExtra,   ex.hInstance,
                         ex.hIcon, ex.hCursor,     ex.hbrBackground, ex.lpszMenuName, ex.lpszClassName};
  return ok;
}

int WINAPI GetClassName(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
  Lock lk(S());
  auto c = ClassOf(hWnd);
  if (!c || !lpClassName || nMaxCount <= 0) return 0;
  const size_t n = std::min(c->name.size(), static_cast<size_t>(nMaxCount - 1));
  std::memcpy(lpClassName, c->name.data(), n);
  lpClassName[n] = '\0';
  return static_cast<int>(n);
}

ULONG_PTR WINAPI GetClassLongPtr(HWND hWnd, int nIndex) {
  Lock lk(S());
  auto c = ClassOf(hWnd);
  if (!c) return 0;
  auto v = ReadClassLong(*c, nIndex);
  if (!v) SetLastError(ERROR_INVALID_INDEX);
  return v.value_or(0);
}

ULONG_PTR WINAPI SetClassLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  Lock lk(S());
  auto c = ClassOf(hWnd);
  if (!c) return 0;
  auto v = WriteClassLong(*c, nIndex, static_cast<ULONG_PTR>(dwNewLong));
  if (!v) SetLastError(ERROR_INVALID_INDEX);
  return v.value_or(0);
}

DWORD WINAPI GetClassLong(HWND hWnd, int nIndex) { return static_cast<DWORD>(GetClassLongPtr(hWnd, nIndex)); }
DWORD WINAPI SetClassLong(HWND hWnd, int nIndex, LONG dwNewLong) {
  return static_cast<DWORD>(SetClassLongPtr(hWnd, nIndex, dwNewLong));
}
