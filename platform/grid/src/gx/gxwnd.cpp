#include "gx/gxwnd.h"

#include "gx/gxinit.h"
#include "gxmessages.h"

IMPLEMENT_DYNCREATE(CGXGridWnd, CWnd)

BEGIN_MESSAGE_MAP(CGXGridWnd, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_SIZE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_RBUTTONDOWN()
  ON_WM_RBUTTONUP()
  ON_WM_MOUSEMOVE()
  ON_WM_MOUSEWHEEL()
  ON_WM_KEYDOWN()
  ON_WM_KEYUP()
  ON_WM_CHAR()
  ON_WM_VSCROLL()
  ON_WM_HSCROLL()
  ON_WM_TIMER()
  ON_WM_GETDLGCODE()
  ON_WM_SETFOCUS()
  ON_WM_CANCELMODE()
  ON_WM_ENABLE()
  ON_REGISTERED_MESSAGE(gx::g_nCellRectMessage, OnCellRectQuery)
END_MESSAGE_MAP()

CGXGridWnd::CGXGridWnd() : CGXGridCore(this) {}

// The window (with the editors inside it) goes while the whole object is
// still alive: its focus changes reach this class's handlers.
CGXGridWnd::~CGXGridWnd() {
  if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) DestroyWindow();
}

BOOL CGXGridWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  if (!GXInit()) return FALSE;
  if (dwStyle & WS_POPUP) {
    // A drop-down grid: owned by the parent window, in screen coordinates,
    // with no control id.
    return CreateEx(0, GX_GRIDWND_CLASS, nullptr, dwStyle & ~WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr, nullptr);
  }
  return CWnd::Create(GX_GRIDWND_CLASS, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

void CGXGridWnd::Initialize() { OnInitialUpdate(); }

void CGXGridWnd::OnInitialUpdate() {
  ModifyStyle(0, WS_VSCROLL | WS_HSCROLL, SWP_FRAMECHANGED);
  InitializeCore();
}

void CGXGridWnd::ShowScrollBar(UINT nBar, BOOL bShow) {
  SetScrollBarAllowed(nBar, bShow);
  CWnd::ShowScrollBar(nBar, bShow);
  if (bShow) UpdateScrollbars();
}

void CGXGridWnd::OnPaint() {
  CPaintDC dc(this);
  DoPaint(&dc);
}

BOOL CGXGridWnd::OnEraseBkgnd(CDC*) { return TRUE; }

void CGXGridWnd::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  DoSize(nType, cx, cy);
}

void CGXGridWnd::OnLButtonDown(UINT nFlags, CPoint point) { DoLButtonDown(nFlags, point); }
void CGXGridWnd::OnLButtonUp(UINT nFlags, CPoint point) { DoLButtonUp(nFlags, point); }
void CGXGridWnd::OnLButtonDblClk(UINT nFlags, CPoint point) { DoLButtonDblClk(nFlags, point); }
void CGXGridWnd::OnRButtonDown(UINT nFlags, CPoint point) { DoRButtonDown(nFlags, point); }

void CGXGridWnd::OnRButtonUp(UINT nFlags, CPoint point) {
  DoRButtonUp(nFlags, point);
  CWnd::OnRButtonUp(nFlags, point);
}

void CGXGridWnd::OnMouseMove(UINT nFlags, CPoint point) { DoMouseMove(nFlags, point); }
BOOL CGXGridWnd::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) { return DoMouseWheel(nFlags, zDelta, pt); }
void CGXGridWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { DoKeyDown(nChar, nRepCnt, nFlags); }
void CGXGridWnd::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) { DoKeyUp(nChar, nRepCnt, nFlags); }
void CGXGridWnd::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) { DoChar(nChar, nRepCnt, nFlags); }
void CGXGridWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*) { DoVScroll(nSBCode, nPos); }
void CGXGridWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*) { DoHScroll(nSBCode, nPos); }

void CGXGridWnd::OnTimer(UINT_PTR nIDEvent) {
  DoTimer(nIDEvent);
  CWnd::OnTimer(nIDEvent);
}

// Enter and Escape stay with the dialog unless a cell is being edited.
UINT CGXGridWnd::OnGetDlgCode() {
  return IsActiveCurrentCell() ? DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS
                               : DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
}

// While a cell is being edited the focus belongs to its editor window.
void CGXGridWnd::OnSetFocus(CWnd* pOldWnd) {
  CWnd::OnSetFocus(pOldWnd);
  if (!IsCurrentCell()) return;
  if (IsActiveCurrentCell()) {
    for (CWnd* pChild = GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
      if (pChild->IsWindowVisible()) {
        pChild->SetFocus();
        return;
      }
    }
  }
  ROWCOL nRow = 0;
  ROWCOL nCol = 0;
  GetCurrentCell(nRow, nCol);
  RedrawRowCol(nRow, nCol, GX_INVALIDATE);
}

void CGXGridWnd::OnCancelMode() {
  DoCancelMode();
  CWnd::OnCancelMode();
}

// A disabled grid first stores what its editor holds.
void CGXGridWnd::OnEnable(BOOL bEnable) {
  if (!bEnable && IsActiveCurrentCell()) TransferCurrentCell(TRUE, GX_INVALIDATE);
  CWnd::OnEnable(bEnable);
  Redraw(GX_INVALIDATE);
}

LRESULT CGXGridWnd::OnCellRectQuery(WPARAM wParam, LPARAM lParam) {
  const auto nRow = static_cast<ROWCOL>(wParam);
  const auto nCol = static_cast<ROWCOL>(lParam);
  if (nRow > GetRowCount() || nCol > GetColCount()) return 0;
  ScrollCellInView(nRow, nCol);
  const CRect rect = CalcRectFromRowCol(nRow, nCol);
  if (rect.IsRectEmpty()) return 0;
  auto field = [](LONG v, int shift) { return static_cast<LRESULT>(static_cast<WORD>(v)) << shift; };
  return field(rect.left, 0) | field(rect.top, 16) | field(rect.right, 32) | field(rect.bottom, 48);
}
