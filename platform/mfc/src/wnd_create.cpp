// Creating and destroying windows with their C++ objects; the window
// classes the class library registers.
#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <tuple>

#include <windows.h>

#include "mfc/msgmap_wnd.h"
#include "mfc/wnd.h"
#include "mfc/modulestate.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
  ON_WM_NCDESTROY()
END_MESSAGE_MAP()

namespace {

// The class library's window classes, by their attributes. Registration
// is repeated when the window system was reset (tests).
LPCTSTR RegisterClassOnce(UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
  static std::mutex mutex;
  static std::map<std::tuple<UINT, HCURSOR, HBRUSH, HICON>, std::string> names;
  std::lock_guard lock(mutex);
  std::string& name = names[{style, cursor, background, icon}];
  if (name.empty()) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "Afx:%x:%p:%p:%p", style, static_cast<void*>(cursor),
                  static_cast<void*>(background), static_cast<void*>(icon));
    name = buffer;
  }
  WNDCLASS existing{};
  if (!::GetClassInfo(AfxGetInstanceHandle(), name.c_str(), &existing)) {
    WNDCLASS wc{};
    wc.style = style;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = name.c_str();
    if (!::RegisterClass(&wc)) return nullptr;
  }
  return name.c_str();
}

}  // namespace

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
  return RegisterClassOnce(nClassStyle, hCursor, hbrBackground, hIcon);
}

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (m_hWnd == nullptr) return;
  // A permanent object takes its window with it; a temporary one only
  // borrowed the handle.
  if (FromHandlePermanent(m_hWnd) == this) {
    ::DestroyWindow(m_hWnd);
    Detach();
  }
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (cs.lpszClass == nullptr) {
    cs.lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  }
  return cs.lpszClass != nullptr;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, void*) {
  // Every window this way is a child.
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
  if (m_hWnd != nullptr) return FALSE;
  CREATESTRUCT cs{lpParam, AfxGetInstanceHandle(),     nIDorHMenu,     hWndParent,    nHeight,  nWidth, y,
                  x,       static_cast<LONG>(dwStyle), lpszWindowName, lpszClassName, dwExStyle};
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }
  HookWindowCreate(this);
  HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx,
                               cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  UnhookWindowCreate();
  if (hWnd == nullptr) {
    // Creation failed after the object was attached: the window is gone.
    if (m_hWnd != nullptr) Detach();
    return FALSE;
  }
  return m_hWnd == hWnd;
}

BOOL CWnd::DestroyWindow() {
  if (m_hWnd == nullptr) return FALSE;
  HWND hWnd = m_hWnd;
  const bool permanent = FromHandlePermanent(hWnd) == this;
  const BOOL destroyed = ::DestroyWindow(hWnd);
  // A window without our procedure never sent us WM_NCDESTROY.
  if (!permanent && m_hWnd == hWnd) Detach();
  return destroyed;
}
