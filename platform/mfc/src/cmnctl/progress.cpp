// The progress bar, animation and spin-button wrappers.
#include "mfc/cmn_progress.h"

#include "cmnctl/create_control.h"
#include "mfc/modulestate.h"

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CAnimateCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

AFX_IMPLEMENT_CONTROL_CREATE(CProgressCtrl, PROGRESS_CLASS)
AFX_IMPLEMENT_CONTROL_CREATE(CAnimateCtrl, ANIMATE_CLASS)
AFX_IMPLEMENT_CONTROL_CREATE(CSpinButtonCtrl, UPDOWN_CLASS)

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
  PBRANGE range{};
  SendMessage(PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  nLower = range.iLow;
  nUpper = range.iHigh;
}

BOOL CAnimateCtrl::Open(LPCTSTR lpszFileName) {
  // A clip among the resources of the chain; a name found nowhere is a file.
  const HINSTANCE module = AfxFindResourceHandle(lpszFileName, "AVI");
  return static_cast<BOOL>(
      SendMessage(ACM_OPEN, reinterpret_cast<WPARAM>(module), reinterpret_cast<LPARAM>(lpszFileName)));
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy) {
  const auto previous = SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(pWndBuddy ? pWndBuddy->m_hWnd : nullptr));
  return CWnd::FromHandle(reinterpret_cast<HWND>(previous));
}

CWnd* CSpinButtonCtrl::GetBuddy() const { return CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY))); }

void CSpinButtonCtrl::GetRange(int& nLower, int& nUpper) const {
  const DWORD range = GetRange();
  nLower = static_cast<short>(HIWORD(range));
  nUpper = static_cast<short>(LOWORD(range));
}
