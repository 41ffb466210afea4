// The window handle map, attaching and subclassing.
#include <windows.h>

#include "mfc/dc.h"
#include "mfc/menu.h"
#include "mfc/msgmap_wnd.h"
#include "mfc/wnd.h"

AfxWndHandleMap& AfxGetWndHandleMap() {
  thread_local AfxWndHandleMap map;
  return map;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
  if (hWnd == nullptr || !::IsWindow(hWnd)) return nullptr;
  return AfxGetWndHandleMap().FromHandle(hWnd);
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  return AfxGetWndHandleMap().LookupPermanent(hWnd);
}

void PASCAL CWnd::DeleteTempMap() { AfxGetWndHandleMap().DeleteTemp(); }

BOOL CWnd::Attach(HWND hWndNew) {
  if (hWndNew == nullptr || m_hWnd != nullptr || !::IsWindow(hWndNew)) return FALSE;
  if (FromHandlePermanent(hWndNew) != nullptr) return FALSE;
  m_hWnd = hWndNew;
  AfxGetWndHandleMap().SetPermanent(hWndNew, this);
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  if (hWnd != nullptr) AfxGetWndHandleMap().RemoveHandle(hWnd, this);
  m_hWnd = nullptr;
  return hWnd;
}

namespace {

// Puts AfxWndProc in front of the window's procedure; the old one is the
// object's super procedure unless it already had one.
void HookWindowProc(CWnd& wnd, HWND hWnd) {
  const auto old =
      reinterpret_cast<WNDPROC>(::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc())));
  WNDPROC* super = wnd.GetSuperWndProcAddr();
  if (old != AfxGetAfxWndProc() && *super == nullptr) *super = old;
}

}  // namespace

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!Attach(hWnd)) return FALSE;
  PreSubclassWindow();
  HookWindowProc(*this, hWnd);
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  if (pParent == nullptr || pParent->m_hWnd == nullptr) return FALSE;
  HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
  return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
  if (m_hWnd == nullptr) return nullptr;
  if (m_pfnSuper != nullptr) {
    ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
  }
  return Detach();
}

// ---------------------------------------------------------------------------
// Creation hook: the object is attached before the window's first message.

namespace {

thread_local CWnd* t_pWndInit = nullptr;
thread_local HHOOK t_hHook = nullptr;

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && t_pWndInit != nullptr) {
    CWnd* pWnd = t_pWndInit;
    t_pWndInit = nullptr;
    auto hWnd = reinterpret_cast<HWND>(wParam);
    if (pWnd->Attach(hWnd)) {
      pWnd->PreSubclassWindow();
      HookWindowProc(*pWnd, hWnd);
    }
  }
  return ::CallNextHookEx(t_hHook, code, wParam, lParam);
}

}  // namespace

void PASCAL CWnd::HookWindowCreate(CWnd* pWnd) {
  // A fresh hook each time: one kept from before a reset of the window
  // system would name a hook that no longer exists.
  if (t_hHook != nullptr) ::UnhookWindowsHookEx(t_hHook);
  t_hHook = ::SetWindowsHookEx(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
  t_pWndInit = pWnd;
}

BOOL PASCAL CWnd::UnhookWindowCreate() {
  if (t_hHook != nullptr) {
    ::UnhookWindowsHookEx(t_hHook);
    t_hHook = nullptr;
  }
  const BOOL consumed = t_pWndInit == nullptr;
  t_pWndInit = nullptr;
  return consumed;
}

// ---------------------------------------------------------------------------
// Objects of handles carried by messages.

CWnd* afx::WndFromHandle(HWND hWnd) { return CWnd::FromHandle(hWnd); }
CDC* afx::DcFromHandle(HDC hDC) { return CDC::FromHandle(hDC); }
CMenu* afx::MenuFromHandle(HMENU hMenu) { return CMenu::FromHandle(hMenu); }
