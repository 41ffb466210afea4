// CStatusBar: panes, their widths and texts, and the idle update.
#include <algorithm>
#include <numeric>

#include "afxext.h"

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
  ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// A pane is its text plus the edge and the margin on each side.
constexpr int kPaneEdges = 2 * (1 + 3);
// The control's gap between panes and its own height around a line.
constexpr int kPaneGap = 2;
constexpr int kLineFrame = 2 * 2 + 2 * 2;

}  // namespace

CStatusBar::CStatusBar() {
  m_cxLeftBorder = m_cxRightBorder = 0;
  m_cyTopBorder = 2;
  m_cyBottomBorder = 0;
}

CStatusBar::~CStatusBar() {
  m_statusBarCtrl.m_hWnd = nullptr;
  DestroyWindow();
}

CStatusBarCtrl& CStatusBar::GetStatusBarCtrl() const {
  m_statusBarCtrl.m_hWnd = m_hWnd;
  return m_statusBarCtrl;
}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) { return CreateEx(pParentWnd, 0, dwStyle, nID); }

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID) {
  if (pParentWnd == nullptr) return FALSE;
  DWORD ctrlStyle = (dwCtrlStyle & 0xFFFF) | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
  // A resizable parent gets the size grip in the corner.
  if (pParentWnd->GetStyle() & WS_THICKFRAME) ctrlStyle |= SBARS_SIZEGRIP;
  return CreateBar(STATUSCLASSNAME, dwStyle, ctrlStyle, pParentWnd, nID);
}

int CStatusBar::TextWidth(const CString& text) const {
  if (m_hWnd == nullptr || text.IsEmpty()) return 0;
  HDC dc = ::GetDC(m_hWnd);
  auto font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  HGDIOBJ old = ::SelectObject(dc, font != nullptr ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  ::GetTextExtentPoint32(dc, text, text.GetLength(), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(m_hWnd, dc);
  return size.cx;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
  if (m_hWnd == nullptr || nIDCount < 0 || (lpIDArray == nullptr && nIDCount > 0)) return FALSE;
  std::vector<Pane> panes(static_cast<size_t>(nIDCount));
  BOOL result = TRUE;
  for (size_t i = 0; i < panes.size(); ++i) {
    Pane& pane = panes[i];
    pane.nID = lpIDArray[i];
    if (pane.nID == ID_SEPARATOR) {
      // A message pane: a quarter of the screen, the first one stretches.
      pane.cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
      if (i == 0) pane.nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
    } else if (AfxLoadString(pane.nID, pane.strText)) {
      pane.cxText = TextWidth(pane.strText);
    } else {
      result = FALSE;
    }
  }
  m_panes = std::move(panes);
  m_nCount = nIDCount;
  UpdateAllPanes(TRUE, TRUE);
  return result;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const {
  for (size_t i = 0; i < m_panes.size(); ++i) {
    if (m_panes[i].nID == nIDFind) return static_cast<int>(i);
  }
  return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const {
  return ValidIndex(nIndex) ? m_panes[static_cast<size_t>(nIndex)].nID : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const {
  if (lpRect == nullptr) return;
  if (!ValidIndex(nIndex) || !SendMessage(SB_GETRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)))
    ::SetRectEmpty(lpRect);
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const {
  if (!ValidIndex(nIndex)) {
    nID = nStyle = 0;
    cxWidth = 0;
    return;
  }
  const Pane& pane = m_panes[static_cast<size_t>(nIndex)];
  nID = pane.nID;
  nStyle = pane.nStyle;
  cxWidth = pane.cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
  if (!ValidIndex(nIndex)) return;
  Pane& pane = m_panes[static_cast<size_t>(nIndex)];
  pane.nID = nID;
  pane.nStyle = nStyle;
  pane.cxText = std::max(0, cxWidth);
  UpdateAllPanes(TRUE, TRUE);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const {
  return ValidIndex(nIndex) ? m_panes[static_cast<size_t>(nIndex)].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
  if (!ValidIndex(nIndex)) return;
  Pane& pane = m_panes[static_cast<size_t>(nIndex)];
  if (pane.nStyle == nStyle) return;
  const bool stretchChanged = ((pane.nStyle ^ nStyle) & SBPS_STRETCH) != 0;
  pane.nStyle = nStyle;
  if (stretchChanged) UpdateAllPanes(TRUE, FALSE);
  ShowPaneText(nIndex);
}

CString CStatusBar::GetPaneText(int nIndex) const {
  return ValidIndex(nIndex) ? m_panes[static_cast<size_t>(nIndex)].strText : CString();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate) {
  if (!ValidIndex(nIndex)) return FALSE;
  Pane& pane = m_panes[static_cast<size_t>(nIndex)];
  const CString text(lpszNewText != nullptr ? lpszNewText : "");
  if (pane.strText == text) return TRUE;
  pane.strText = text;
  if (bUpdate) ShowPaneText(nIndex);
  return TRUE;
}

void CStatusBar::ShowPaneText(int nIndex) {
  const Pane& pane = m_panes[static_cast<size_t>(nIndex)];
  const UINT type = pane.nStyle & (SBT_NOBORDERS | SBT_POPOUT | SBT_OWNERDRAW);
  // A disabled indicator is blank: its text waits for the enable.
  LPCTSTR text = (pane.nStyle & SBPS_DISABLED) ? "" : static_cast<LPCTSTR>(pane.strText);
  SendMessage(SB_SETTEXT, static_cast<WPARAM>(nIndex) | type, reinterpret_cast<LPARAM>(text));
}

void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText) {
  if (m_hWnd == nullptr) return;
  if (bUpdateRects) {
    std::vector<int> edges;
    if (m_panes.empty()) {
      // The control keeps at least one part.
      edges.push_back(-1);
    } else {
      CRect client;
      GetClientRect(&client);
      int grip = 0;
      if ((GetStyle() & SBARS_SIZEGRIP) && !(GetParent() != nullptr && GetParent()->IsZoomed()))
        grip = std::min(static_cast<int>(client.Height()), ::GetSystemMetrics(SM_CXVSCROLL));
      const int fixed = std::accumulate(m_panes.begin(), m_panes.end(), 0, [](int sum, const Pane& pane) {
        return sum + ((pane.nStyle & SBPS_STRETCH) ? 0 : pane.cxText + kPaneEdges) + kPaneGap;
      });
      // The first stretching pane takes what the others leave.
      int stretch = std::max(0, static_cast<int>(client.Width()) - grip - fixed + kPaneGap);
      int right = -kPaneGap;
      for (const Pane& pane : m_panes) {
        int width = pane.cxText + kPaneEdges;
        if (pane.nStyle & SBPS_STRETCH) {
          width = stretch;
          stretch = 0;
        }
        right += kPaneGap + width;
        edges.push_back(right);
      }
    }
    SendMessage(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  }
  if (bUpdateText) {
    for (size_t i = 0; i < m_panes.size(); ++i) ShowPaneText(static_cast<int>(i));
  }
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
  TEXTMETRIC tm{};
  HDC dc = ::GetDC(m_hWnd);
  auto font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  HGDIOBJ old = ::SelectObject(dc, font != nullptr ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  ::GetTextMetrics(dc, &tm);
  ::SelectObject(dc, old);
  ::ReleaseDC(m_hWnd, dc);
  size.cy += tm.tmHeight + kLineFrame;
  return size;
}

void CStatusBar::OnSize(UINT nType, int cx, int cy) {
  CControlBar::OnSize(nType, cx, cy);
  UpdateAllPanes(TRUE, FALSE);
}

LRESULT CStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // The window text is the message pane's (the first separator).
  const int messagePane = CommandToIndex(ID_SEPARATOR);
  switch (message) {
    case WM_SETTEXT:
      if (messagePane < 0) return FALSE;
      return SetPaneText(messagePane, reinterpret_cast<LPCTSTR>(lParam));
    case WM_GETTEXT: {
      if (wParam == 0 || lParam == 0) return 0;
      const CString text = GetPaneText(messagePane);
      const int length = std::min(text.GetLength(), static_cast<int>(wParam) - 1);
      auto* buffer = reinterpret_cast<LPTSTR>(lParam);
      std::copy_n(static_cast<LPCTSTR>(text), length, buffer);
      buffer[length] = '\0';
      return length;
    }
    case WM_GETTEXTLENGTH:
      return GetPaneText(messagePane).GetLength();
    default:
      return CControlBar::WindowProc(message, wParam, lParam);
  }
}

void CStatusBar::UpdatePanes(CCmdTarget* pTarget) {
  CStatusCmdUI state;
  state.m_pOther = this;
  state.m_nIndexMax = static_cast<UINT>(m_panes.size());
  for (size_t i = 0; i < m_panes.size(); ++i) {
    if (m_panes[i].nID == ID_SEPARATOR) continue;
    state.m_nIndex = static_cast<UINT>(i);
    state.m_nID = m_panes[i].nID;
    if (CWnd::OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr)) continue;
    // A pane nobody updates stays as it is.
    state.DoUpdate(pTarget, FALSE);
  }
}

void CStatusCmdUI::Enable(BOOL bOn) {
  m_bEnableChanged = TRUE;
  auto* bar = static_cast<CStatusBar*>(m_pOther);
  const int index = static_cast<int>(m_nIndex);
  UINT style = bar->GetPaneStyle(index) & ~static_cast<UINT>(SBPS_DISABLED);
  if (!bOn) style |= SBPS_DISABLED;
  bar->SetPaneStyle(index, style);
}

void CStatusCmdUI::SetCheck(int nCheck) {
  auto* bar = static_cast<CStatusBar*>(m_pOther);
  const int index = static_cast<int>(m_nIndex);
  UINT style = bar->GetPaneStyle(index) & ~static_cast<UINT>(SBPS_POPOUT);
  if (nCheck != 0) style |= SBPS_POPOUT;
  bar->SetPaneStyle(index, style);
}

void CStatusCmdUI::SetText(LPCTSTR lpszText) {
  static_cast<CStatusBar*>(m_pOther)->SetPaneText(static_cast<int>(m_nIndex), lpszText);
}
