// CDialogBar: a bar from a dialog template.
#include "afxext.h"
#include "bars/bar_layout.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

CDialogBar::CDialogBar() { m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0; }

CDialogBar::~CDialogBar() { DestroyWindow(); }

// The dialog manager's procedure: the controls handle themselves and the
// message map does the rest.
INT_PTR CALLBACK CDialogBar::DialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID) {
  if (pParentWnd == nullptr || m_hWnd != nullptr || lpszTemplateName == nullptr) return FALSE;
  HINSTANCE module = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
  HRSRC found = ::FindResource(module, lpszTemplateName, RT_DIALOG);
  const auto* data =
      found != nullptr ? static_cast<LPCDLGTEMPLATE>(::LockResource(::LoadResource(module, found))) : nullptr;
  if (data == nullptr) return FALSE;

  m_dwStyle = nStyle & CBRS_ALL;
  SetOwner(pParentWnd);
  HookWindowCreate(this);
  HWND hWnd = ::CreateDialogIndirectParam(module, data, pParentWnd->m_hWnd, &DialogProc, 0);
  UnhookWindowCreate();
  if (hWnd == nullptr || m_hWnd != hWnd || !(GetStyle() & WS_CHILD)) {
    if (hWnd != nullptr) ::DestroyWindow(hWnd);
    if (m_hWnd != nullptr) Detach();
    return FALSE;
  }
  SetDlgCtrlID(static_cast<int>(nID));
  CRect rect;
  GetWindowRect(&rect);
  m_sizeDefault = rect.Size();
  // The borders go around the template's area.
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if (nStyle & WS_VISIBLE) ShowWindow(SW_SHOWNOACTIVATE);
  return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  const CSize borders = CControlBar::CalcFixedLayout(FALSE, bHorz);
  return afx::StretchedSize(CSize(m_sizeDefault.cx + borders.cx, m_sizeDefault.cy + borders.cy), bStretch, bHorz);
}

void CDialogBar::UpdateControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  CCmdUI state;
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const int id = ::GetDlgCtrlID(child);
    // Static texts and groups have no command.
    if (id == 0 || id == -1 || id == static_cast<int>(static_cast<WORD>(-1))) continue;
    state.m_nID = static_cast<UINT>(id);
    state.m_pOther = CWnd::FromHandle(child);
    if (CWnd::OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr)) continue;
    state.DoUpdate(pTarget, bDisableIfNoHndler);
  }
}
