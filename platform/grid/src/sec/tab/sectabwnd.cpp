// The classic tab strip: tabs side by side along the edge, each as wide
// as its label, the active one in its own font, lighter and joined to the
// windows' area.
#include <algorithm>

#include "sec/sectabwnd.h"

IMPLEMENT_DYNAMIC(SECTabWnd, SECTabWndBase)

namespace {
constexpr int kLabelPad = 8;    // each side of a label
constexpr int kStripInset = 4;  // before the first tab
constexpr int kRaise = 2;       // the active tab stands out this much
}  // namespace

int SECTabWnd::GetStripHeight() const {
  if (!m_hWnd) return 0;
  CClientDC dc(const_cast<SECTabWnd*>(this));
  int height = 0;
  for (CFont* font : {GetFontActiveTab(), GetFontInactiveTab()}) {
    CFont* old = dc.SelectObject(font);
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    dc.SelectObject(old);
    height = std::max(height, static_cast<int>(tm.tmHeight));
  }
  return height + 8;
}

int SECTabWnd::TabWidth(int nIndex) const {
  CClientDC dc(const_cast<SECTabWnd*>(this));
  CFont* old = dc.SelectObject(nIndex == m_nActive ? GetFontActiveTab() : GetFontInactiveTab());
  const int width = dc.GetTextExtent(GetTabLabel(nIndex)).cx + 2 * kLabelPad;
  dc.SelectObject(old);
  return width;
}

void SECTabWnd::LayoutTabs() {
  const CRect strip = StripRect();
  const bool bottom = (GetStyle() & TWS_TABS_ON_BOTTOM) != 0;
  m_tabRects.assign(static_cast<size_t>(GetTabCount()), CRect());
  int x = strip.left + kStripInset;
  for (int i = 0; i < GetTabCount(); ++i) {
    const int width = TabWidth(i);
    CRect rc(x, strip.top, x + width, strip.bottom);
    if (bottom)
      rc.bottom -= kRaise;
    else
      rc.top += kRaise;
    m_tabRects[static_cast<size_t>(i)] = rc;
    x += width;
  }
  // Keep the active tab in view when the tabs are wider than the strip.
  m_nScroll = 0;
  if ((GetStyle() & TWS_SCROLL_TABS) && m_nActive >= 0 && m_nActive < GetTabCount()) {
    const CRect& active = m_tabRects[static_cast<size_t>(m_nActive)];
    if (active.right > strip.right) m_nScroll = active.right - strip.right + kStripInset;
  }
}

CRect SECTabWnd::GetTabRect(int nIndex) const {
  if (nIndex < 0 || nIndex >= static_cast<int>(m_tabRects.size())) return CRect();
  CRect rc = m_tabRects[static_cast<size_t>(nIndex)];
  rc.OffsetRect(-m_nScroll, 0);
  const CRect strip = StripRect();
  if (rc.right <= strip.left || rc.left >= strip.right) return CRect();
  if (nIndex == m_nActive) {
    // The active tab reaches over the border into the windows' area.
    if (GetStyle() & TWS_TABS_ON_BOTTOM)
      rc.InflateRect(0, 1, 0, kRaise);
    else
      rc.InflateRect(0, kRaise, 0, 1);
  }
  return rc;
}

void SECTabWnd::DrawTabs(CDC& dc) {
  const int oldMode = dc.SetBkMode(TRANSPARENT);
  // Inactive tabs first: the active one overlaps its neighbours.
  for (int i = 0; i < GetTabCount(); ++i)
    if (i != m_nActive) DrawTab(dc, i, GetTabRect(i));
  if (m_nActive >= 0) DrawTab(dc, m_nActive, GetTabRect(m_nActive));
  dc.SetBkMode(oldMode);
}

void SECTabWnd::DrawTab(CDC& dc, int nIndex, const CRect& rc) {
  if (rc.IsRectEmpty()) return;
  const bool active = nIndex == m_nActive;
  const bool bottom = (GetStyle() & TWS_TABS_ON_BOTTOM) != 0;
  dc.FillSolidRect(&rc, ::GetSysColor(active ? COLOR_WINDOW : COLOR_BTNFACE));
  // Light on the left, dark on the right and on the outer edge.
  const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF dark = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF darkest = ::GetSysColor(COLOR_3DDKSHADOW);
  dc.FillSolidRect(rc.left, rc.top, 1, rc.Height(), light);
  dc.FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), darkest);
  dc.FillSolidRect(rc.right - 2, rc.top + 1, 1, rc.Height() - 2, dark);
  if (bottom)
    dc.FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, darkest);
  else
    dc.FillSolidRect(rc.left, rc.top, rc.Width(), 1, light);
  CFont* old = dc.SelectObject(active ? GetFontActiveTab() : GetFontInactiveTab());
  dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
  CRect text = rc;
  CString label = GetTabLabel(nIndex);
  dc.DrawText(label, &text, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  dc.SelectObject(old);
  if (active && m_bFocused && (GetStyle() & TWS_SHOW_FOCUS)) {
    CRect focus = rc;
    focus.DeflateRect(3, 3);
    dc.DrawFocusRect(&focus);
  }
}
