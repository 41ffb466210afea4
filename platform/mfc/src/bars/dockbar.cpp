// CDockBar: rows of docked bars and their layout along one edge.
#include <algorithm>
#include <climits>

#include "afxext.h"
#include "bars/bar_layout.h"

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
  ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// A rectangle with its axes swapped, so that one layout serves the
// horizontal edges and (swapped) the vertical ones.
CRect Swapped(const CRect& r) { return CRect(r.top, r.left, r.bottom, r.right); }
CSize Swapped(const CSize& s) { return CSize(s.cy, s.cx); }

CRect RectInParent(const CWnd& wnd) {
  CRect rect;
  wnd.GetWindowRect(&rect);
  wnd.GetParent()->ScreenToClient(&rect);
  return rect;
}

}  // namespace

CDockBar::CDockBar() { m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0; }

CDockBar::~CDockBar() { DestroyWindow(); }

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                    reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
  return CreateBar(cls, dwStyle | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, pParentWnd, nID);
}

void CDockBar::OnDestroy() {
  for (auto& row : m_rows) {
    for (CControlBar* bar : row) bar->m_pDockBar = nullptr;
  }
  m_rows.clear();
  CControlBar::OnDestroy();
}

int CDockBar::GetDockedCount() const {
  int count = 0;
  for (const auto& row : m_rows) count += static_cast<int>(row.size());
  return count;
}

int CDockBar::GetDockedVisibleCount() const {
  int count = 0;
  for (const auto& row : m_rows)
    count += static_cast<int>(
        std::count_if(row.begin(), row.end(), [](const CControlBar* bar) { return bar->IsVisible() != FALSE; }));
  return count;
}

int CDockBar::GetRowOf(const CControlBar* pBar) const {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    if (std::find(m_rows[i].begin(), m_rows[i].end(), pBar) != m_rows[i].end()) return static_cast<int>(i);
  }
  return -1;
}

// The row a bar dropped at lpRect (client coordinates) joins: the row its
// near edge lies in; m_rows.size() and up for a new row before row
// (result - m_rows.size()).
int CDockBar::InsertRow(LPCRECT lpRect) const {
  const bool horz = IsHorizontal() != FALSE;
  const int at = horz ? lpRect->top : lpRect->left;
  const int rows = static_cast<int>(m_rows.size());
  for (int i = 0; i < rows; ++i) {
    int nearEdge = INT_MAX, farEdge = INT_MIN;
    for (const CControlBar* bar : m_rows[static_cast<size_t>(i)]) {
      const CRect rect = RectInParent(*bar);
      nearEdge = std::min(nearEdge, static_cast<int>(horz ? rect.top : rect.left));
      farEdge = std::max(farEdge, static_cast<int>(horz ? rect.bottom : rect.right));
    }
    if (at < nearEdge) return rows + i;
    if (at < farEdge) return i;
  }
  return rows + rows;
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect) {
  if (pBar == nullptr || pBar->m_hWnd == nullptr || m_hWnd == nullptr) return;
  if (pBar->m_pDockBar != nullptr) pBar->m_pDockBar->RemoveControlBar(pBar);
  // The bar turns to this edge.
  pBar->SetBarStyle((pBar->GetBarStyle() & ~static_cast<DWORD>(CBRS_ALIGN_ANY)) | (m_dwStyle & CBRS_ALIGN_ANY));
  if (pBar->GetParent() != this) pBar->SetParent(this);
  pBar->m_pDockBar = this;

  CRect rect(0, 0, 0, 0);
  if (lpRect != nullptr) {
    rect = *lpRect;
    ScreenToClient(&rect);
  }
  const int rows = static_cast<int>(m_rows.size());
  const int where = lpRect != nullptr ? InsertRow(&rect) : rows + rows;
  if (where < rows) {
    m_rows[static_cast<size_t>(where)].push_back(pBar);
  } else {
    m_rows.insert(m_rows.begin() + (where - rows), std::vector<CControlBar*>{pBar});
  }
  // The layout keeps the bar at its place along the row.
  const CSize size = pBar->CalcFixedLayout(FALSE, IsHorizontal());
  PlaceBar(*pBar, CRect(rect.TopLeft(), size));
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar) {
  for (auto row = m_rows.begin(); row != m_rows.end(); ++row) {
    auto found = std::find(row->begin(), row->end(), pBar);
    if (found == row->end()) continue;
    row->erase(found);
    if (row->empty()) m_rows.erase(row);
    pBar->m_pDockBar = nullptr;
    return TRUE;
  }
  return FALSE;
}

void CDockBar::PlaceBar(CControlBar& bar, const CRect& rect) const {
  if (m_bLayoutQuery) return;
  const CRect current = RectInParent(bar);
  if (current == rect) return;
  ::SetWindowPos(bar.m_hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam) {
  auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  m_bLayoutQuery = layout->bQuery != FALSE;
  const CRect free(layout->rect);
  m_nLength = IsHorizontal() ? free.Width() : free.Height();
  const LRESULT result = CControlBar::OnSizeParent(wParam, lParam);
  m_bLayoutQuery = false;
  return result;
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  // Rows run along the edge: x is along it, y across (swapped for the
  // side edges).
  auto toEdge = [bHorz](const CRect& r) { return bHorz ? r : Swapped(r); };
  auto toEdgeSize = [bHorz](const CSize& s) { return bHorz ? s : Swapped(s); };
  int across = 0;
  int longest = 0;
  AFX_SIZEPARENTPARAMS layout{};
  layout.bQuery = m_bLayoutQuery;
  for (const auto& row : m_rows) {
    int along = 0;
    int thickness = 0;
    for (CControlBar* bar : row) {
      // A delayed show or hide of a docked bar happens in its edge's layout.
      if (!(bar->RecalcDelayShow(&layout) & WS_VISIBLE)) continue;
      const CSize size = toEdgeSize(bar->CalcDynamicLayout(-1, bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK));
      // Where it was put, unless the bars before it need the room or it
      // would run off the end.
      int left = std::max(along, static_cast<int>(toEdge(RectInParent(*bar)).left));
      if (m_nLength > 0) left = std::max(along, std::min(left, m_nLength - static_cast<int>(size.cx)));
      PlaceBar(*bar, toEdge(CRect(left, across, left + size.cx, across + size.cy)));
      along = left + size.cx;
      thickness = std::max(thickness, static_cast<int>(size.cy));
    }
    across += thickness;
    longest = std::max(longest, along);
  }
  CSize size = toEdgeSize(CSize(bStretch ? afx::kStretchLength : longest, across));
  if (across == 0) size = CSize(0, 0);
  return size;
}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}
