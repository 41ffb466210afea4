// Window device contexts: each releases what it got from the window.
#include <windows.h>

#include "mfc/wnddc.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

namespace {

HWND HandleOf(const CWnd* pWnd) { return pWnd != nullptr ? pWnd->m_hWnd : nullptr; }

}  // namespace

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(HandleOf(pWnd)) {
  if (m_hWnd != nullptr) Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC() {
  if (m_hWnd == nullptr) return;
  Detach();
  ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(HandleOf(pWnd)) { Attach(::GetDC(m_hWnd)); }

CClientDC::~CClientDC() {
  if (HDC hDC = Detach()) ::ReleaseDC(m_hWnd, hDC);
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(HandleOf(pWnd)) { Attach(::GetWindowDC(m_hWnd)); }

CWindowDC::~CWindowDC() {
  if (HDC hDC = Detach()) ::ReleaseDC(m_hWnd, hDC);
}
