// CFrameWnd's title and status-line messages, and the command-UI state of
// its menus at popup and idle time.
#include <string>

#include <windows.h>

#include "afxres.h"
#include "mfc/document.h"
#include "mfc/frame.h"
#include "mfc/menu.h"
#include "mfc/modulestate.h"
#include "mfc/view.h"

void AfxSetWindowText(HWND hWndCtrl, LPCTSTR lpszNew) {
  // As for the window system's own text calls, a null text is empty.
  if (lpszNew == nullptr) lpszNew = "";
  const int length = ::GetWindowTextLength(hWndCtrl);
  std::string current(static_cast<size_t>(length) + 1, '\0');
  ::GetWindowText(hWndCtrl, current.data(), length + 1);
  current.resize(static_cast<size_t>(length));
  if (current != lpszNew) ::SetWindowText(hWndCtrl, lpszNew);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
  if ((GetStyle() & FWS_ADDTOTITLE) == 0) return;
  CDocument* pDocument = GetActiveDocument();
  UpdateFrameTitleForDocument(bAddToTitle && pDocument != nullptr ? static_cast<LPCTSTR>(pDocument->GetTitle())
                                                                  : nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName) {
  // A document without a title yet adds nothing (no dangling " - ").
  if (lpszDocName != nullptr && lpszDocName[0] == '\0') lpszDocName = nullptr;
  CString docPart;
  if (lpszDocName != nullptr) {
    docPart = lpszDocName;
    if (m_nWindow > 0) docPart.AppendFormat(":%d", m_nWindow);
  }
  CString text;
  if (lpszDocName == nullptr) {
    text = m_strTitle;
  } else if (GetStyle() & FWS_PREFIXTITLE) {
    text = docPart + " - " + m_strTitle;
  } else {
    text = m_strTitle + " - " + docPart;
  }
  AfxSetWindowText(m_hWnd, text);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
  rMessage.Empty();
  CString full;
  if (!full.LoadString(nID)) return;
  // The part after "\n" is the tooltip.
  AfxExtractSubString(rMessage, full, 0);
}

CWnd* CFrameWnd::GetMessageBar() {
  CFrameWnd* pTop = GetTopLevelFrame();
  if (pTop == nullptr) pTop = this;
  return FromHandle(::GetDlgItem(pTop->m_hWnd, AFX_IDW_STATUS_BAR));
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText) {
  SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID) { SendMessage(WM_SETMESSAGESTRING, nID); }

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
  const UINT nIDLast = m_nIDLastMessage;
  if (CWnd* pMessageBar = GetMessageBar()) {
    CString message;
    if (lParam != 0) {
      message = reinterpret_cast<LPCTSTR>(lParam);
    } else if (wParam != 0) {
      GetMessageString(static_cast<UINT>(wParam), message);
    }
    pMessageBar->SetWindowText(message);
    // The bar's frame knows what it shows now.
    if (CFrameWnd* pBarFrame = pMessageBar->GetParentFrame()) {
      pBarFrame->m_nIDLastMessage = static_cast<UINT>(wParam);
      pBarFrame->m_nIDTracking = static_cast<UINT>(wParam);
    }
  }
  m_nIDLastMessage = static_cast<UINT>(wParam);
  m_nIDTracking = static_cast<UINT>(wParam);
  return nIDLast;
}

LRESULT CFrameWnd::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
  const UINT nItemID = LOWORD(wParam), nFlags = HIWORD(wParam);
  if (nFlags == 0xFFFF && lParam == 0) {
    // The menu closed: back to the idle message.
    m_nIDTracking = AFX_IDS_IDLEMESSAGE;
  } else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP))) {
    m_nIDTracking = 0;
  } else if (nItemID >= 0xF000 && nItemID < 0xF1F0) {
    // System commands have their prompts at AFX_IDS_SCSIZE and on.
    m_nIDTracking = AFX_IDS_SCSIZE + ((nItemID - 0xF000) >> 4);
  } else if (nItemID >= AFX_IDM_FIRST_MDICHILD) {
    m_nIDTracking = AFX_IDS_MDICHILD;
  } else {
    m_nIDTracking = nItemID;
  }
  if (m_nIDTracking != m_nIDLastMessage) SetMessageText(m_nIDTracking);
  return 0;
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
  if (m_nIdleFlags & idleTitle) OnUpdateFrameTitle(TRUE);
  if (m_nIdleFlags & idleLayout) {
    RecalcLayout((m_nIdleFlags & idleNotify) != 0);
    UpdateWindow();
  }
  if (m_nIDTracking != m_nIDLastMessage) SetMessageText(m_nIDTracking);
  m_nIdleFlags = 0;
  return 0;
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu) {
  Default();
  if (bSysMenu) return;
  // Items no handler claims are greyed when the frame asks for it.
  UpdateMenuCommandUI(pPopupMenu, m_bAutoMenuEnable);
}
