// The tab window's tabs: adding windows (made from a class or given),
// removing them, activation and the layout of the active window.
#include <algorithm>

#include "sec/sectabwnd.h"

IMPLEMENT_DYNAMIC(SECTabWndBase, CWnd)

BEGIN_MESSAGE_MAP(SECTabWndBase, CWnd)
  ON_WM_SIZE()
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_LBUTTONDOWN()
  ON_WM_KEYDOWN()
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_WM_GETDLGCODE()
  ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
constexpr int kBorder = 2;  // the sunken edge of TWS_DRAW_3D_BORDER

// Views and frames delete their objects when their windows go.
bool DeletesItself(const CWnd& wnd) { return wnd.IsKindOf(RUNTIME_CLASS(CView)) || wnd.IsFrameWnd(); }
}  // namespace

SECTabWndBase::SECTabWndBase() = default;

SECTabWndBase::~SECTabWndBase() {
  if (m_hWnd) DestroyWindow();
}

BOOL SECTabWndBase::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  if (!pParentWnd || !pParentWnd->GetSafeHwnd()) return FALSE;
  CRect rc;
  pParentWnd->GetClientRect(&rc);
  LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                    reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
  return CWnd::Create(cls, nullptr, dwStyle | WS_CHILD, rc, pParentWnd, nID);
}

void SECTabWndBase::OnDestroy() {
  // Owned windows go with the tab window; borrowed ones stay.
  while (!m_tabs.empty()) {
    std::unique_ptr<Tab> tab = std::move(m_tabs.back());
    m_tabs.pop_back();
    DestroyTabWindow(*tab);
  }
  m_destroyedWnds.clear();
  m_nActive = -1;
  CWnd::OnDestroy();
}

CWnd* SECTabWndBase::AddTab(CRuntimeClass* pViewClass, LPCTSTR lpszLabel, CCreateContext* pContext, UINT nID) {
  if (!m_hWnd || !pViewClass || !pViewClass->IsDerivedFrom(RUNTIME_CLASS(CWnd))) return nullptr;
  std::unique_ptr<CObject> object(pViewClass->CreateObject());
  auto* pWnd = dynamic_cast<CWnd*>(object.get());
  if (!pWnd) return nullptr;
  if (nID == static_cast<UINT>(-1)) nID = static_cast<UINT>(AFX_IDW_PANE_FIRST + 1 + GetTabCount());
  CRect rc = GetClientArea();
  const bool deletesItself = DeletesItself(*pWnd);
  // Hidden until shown; a failed creation leaves no tab. A view whose
  // window was made and destroyed has deleted itself already.
  if (!pWnd->Create(nullptr, nullptr, WS_CHILD | WS_BORDER, rc, this, nID, pContext)) {
    if (deletesItself) static_cast<void>(object.release());
    return nullptr;
  }
  auto tab = std::make_unique<Tab>();
  tab->label = lpszLabel ? lpszLabel : "";
  tab->pWnd = pWnd;
  tab->bOwnsWindow = true;
  if (deletesItself)
    static_cast<void>(object.release());
  else
    tab->pOwned.reset(static_cast<CWnd*>(object.release()));
  m_tabs.push_back(std::move(tab));
  // The first tab shows at once; it is activated when the owner says so.
  if (m_nActive < 0) ShowTab(0);
  RecalcLayout();
  return pWnd;
}

BOOL SECTabWndBase::AddTab(CWnd* pWnd, LPCTSTR lpszLabel) {
  if (!m_hWnd || !pWnd || !::IsWindow(pWnd->GetSafeHwnd()) || FindTab(pWnd) >= 0) return FALSE;
  // Neither the tab window nor one of its ancestors can become its child.
  if (pWnd == this || pWnd->IsChild(this)) return FALSE;
  if (pWnd->GetParent() != this) pWnd->SetParent(this);
  pWnd->ShowWindow(SW_HIDE);
  auto tab = std::make_unique<Tab>();
  tab->label = lpszLabel ? lpszLabel : "";
  tab->pWnd = pWnd;
  m_tabs.push_back(std::move(tab));
  if (m_nActive < 0) ShowTab(0);
  RecalcLayout();
  return TRUE;
}

void SECTabWndBase::DestroyTabWindow(Tab& tab) {
  if (!tab.bOwnsWindow) return;
  if (tab.pWnd && ::IsWindow(tab.pWnd->GetSafeHwnd())) tab.pWnd->DestroyWindow();
  tab.pOwned.reset();
  tab.pWnd = nullptr;
}

LRESULT SECTabWndBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_DESTROY) ForgetTabWindow(reinterpret_cast<HWND>(lParam));
  return CWnd::WindowProc(message, wParam, lParam);
}

// A tab's window destroyed by someone else takes its tab with it, so that
// no tab keeps a pointer to a window object that is about to go.
void SECTabWndBase::ForgetTabWindow(HWND hWnd) {
  auto it = std::find_if(m_tabs.begin(), m_tabs.end(),
                         [&](const auto& tab) { return tab->pWnd && tab->pWnd->GetSafeHwnd() == hWnd; });
  if (it == m_tabs.end()) return;
  Tab& tab = **it;
  if (tab.pOwned) m_destroyedWnds.push_back(std::move(tab.pOwned));
  tab.pWnd = nullptr;
  tab.bOwnsWindow = false;
  RemoveTab(static_cast<int>(it - m_tabs.begin()));
}

BOOL SECTabWndBase::RemoveTab(int nIndex) {
  if (nIndex < 0 || nIndex >= GetTabCount()) return FALSE;
  std::unique_ptr<Tab> tab = std::move(m_tabs[static_cast<size_t>(nIndex)]);
  m_tabs.erase(m_tabs.begin() + nIndex);
  const bool wasActive = nIndex == m_nActive;
  if (nIndex < m_nActive) --m_nActive;
  if (wasActive) m_nActive = -1;
  if (tab->bOwnsWindow)
    DestroyTabWindow(*tab);
  else if (tab->pWnd && ::IsWindow(tab->pWnd->GetSafeHwnd()))
    tab->pWnd->ShowWindow(SW_HIDE);
  if (wasActive && !m_tabs.empty()) ActivateTab(std::min(nIndex, GetTabCount() - 1));
  RecalcLayout();
  return TRUE;
}

BOOL SECTabWndBase::ActivateTab(int nIndex) {
  if (!ShowTab(nIndex)) return FALSE;
  OnActivateTab(nIndex);
  return TRUE;
}

BOOL SECTabWndBase::ShowTab(int nIndex) {
  if (nIndex < 0 || nIndex >= GetTabCount()) return FALSE;
  if (nIndex != m_nActive) {
    CWnd* old = GetTabWnd(m_nActive);
    m_nActive = nIndex;
    RecalcLayout();
    CWnd* now = GetTabWnd(nIndex);
    if (now) now->ShowWindow(SW_SHOW);
    if (old && old != now && ::IsWindow(old->GetSafeHwnd())) old->ShowWindow(SW_HIDE);
  }
  return TRUE;
}

void SECTabWndBase::OnActivateTab(int nIndex) {
  auto* view = dynamic_cast<CView*>(GetTabWnd(nIndex));
  if (!view) return;
  if (CFrameWnd* frame = GetParentFrame()) frame->SetActiveView(view, FALSE);
  // A sender tells the view that it was brought to the front, not that
  // its document changed.
  view->OnUpdate(view, 0, nullptr);
}

BOOL SECTabWndBase::GetActiveTab(CWnd*& pWnd) const {
  pWnd = GetActiveWnd();
  return pWnd != nullptr;
}

CWnd* SECTabWndBase::GetTabWnd(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetTabCount()) return nullptr;
  return m_tabs[static_cast<size_t>(nIndex)]->pWnd;
}

int SECTabWndBase::FindTab(const CWnd* pWnd) const {
  if (!pWnd) return -1;
  auto it = std::find_if(m_tabs.begin(), m_tabs.end(), [&](const auto& tab) { return tab->pWnd == pWnd; });
  return it == m_tabs.end() ? -1 : static_cast<int>(it - m_tabs.begin());
}

BOOL SECTabWndBase::GetTabInfo(int nIndex, LPCTSTR& lpszLabel, BOOL& bSelected, CWnd*& pWnd, void*& pExtra) const {
  if (nIndex < 0 || nIndex >= GetTabCount()) return FALSE;
  const Tab& tab = *m_tabs[static_cast<size_t>(nIndex)];
  lpszLabel = tab.label;
  bSelected = nIndex == m_nActive;
  pWnd = tab.pWnd;
  pExtra = tab.pExtra;
  return TRUE;
}

CString SECTabWndBase::GetTabLabel(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetTabCount()) return CString();
  return m_tabs[static_cast<size_t>(nIndex)]->label;
}

BOOL SECTabWndBase::SetTabLabel(int nIndex, LPCTSTR lpszLabel) {
  if (nIndex < 0 || nIndex >= GetTabCount()) return FALSE;
  m_tabs[static_cast<size_t>(nIndex)]->label = lpszLabel ? lpszLabel : "";
  RecalcLayout();
  return TRUE;
}

void SECTabWndBase::SetFontActiveTab(CFont* pFont) {
  m_pFontActive = pFont;
  RecalcLayout();
}

void SECTabWndBase::SetFontInactiveTab(CFont* pFont) {
  m_pFontInactive = pFont;
  RecalcLayout();
}

CFont* SECTabWndBase::GetFontInactiveTab() const {
  if (m_pFontInactive && m_pFontInactive->GetSafeHandle()) return m_pFontInactive;
  return CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
}

CFont* SECTabWndBase::GetFontActiveTab() const {
  if (m_pFontActive && m_pFontActive->GetSafeHandle()) return m_pFontActive;
  if (!m_fontDefaultActive.GetSafeHandle()) {
    LOGFONT lf{};
    CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)))->GetLogFont(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontDefaultActive.CreateFontIndirect(&lf);
  }
  return &m_fontDefaultActive;
}

CRect SECTabWndBase::StripRect() const {
  CRect rc;
  GetClientRect(&rc);
  const int height = GetStripHeight();
  if (GetStyle() & TWS_TABS_ON_BOTTOM)
    rc.top = std::max(rc.top, rc.bottom - height);
  else
    rc.bottom = std::min(rc.bottom, rc.top + height);
  return rc;
}

CRect SECTabWndBase::GetClientArea() const {
  CRect rc;
  if (!m_hWnd) return rc;
  GetClientRect(&rc);
  const CRect strip = StripRect();
  if (GetStyle() & TWS_TABS_ON_BOTTOM)
    rc.bottom = strip.top;
  else
    rc.top = strip.bottom;
  if (GetStyle() & TWS_DRAW_3D_BORDER) rc.DeflateRect(kBorder, kBorder);
  if (rc.right < rc.left) rc.right = rc.left;
  if (rc.bottom < rc.top) rc.bottom = rc.top;
  return rc;
}

CRect SECTabWndBase::GetTabRect(int) const { return CRect(); }

int SECTabWndBase::TabFromPoint(CPoint point) const {
  for (int i = 0; i < GetTabCount(); ++i)
    if (GetTabRect(i).PtInRect(point)) return i;
  return -1;
}

void SECTabWndBase::RecalcLayout() {
  if (!m_hWnd) return;
  LayoutTabs();
  if (CWnd* active = GetActiveWnd()) {
    const CRect rc = GetClientArea();
    active->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Invalidate();
}

void SECTabWndBase::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  RecalcLayout();
}

BOOL SECTabWndBase::OnEraseBkgnd(CDC*) { return TRUE; }

void SECTabWndBase::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  dc.FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
  if (GetStyle() & TWS_DRAW_3D_BORDER) {
    CRect edge = GetClientArea();
    edge.InflateRect(kBorder, kBorder);
    dc.DrawEdge(&edge, EDGE_SUNKEN, BF_RECT);
  }
  DrawTabs(dc);
}

void SECTabWndBase::OnLButtonDown(UINT nFlags, CPoint point) {
  const int index = TabFromPoint(point);
  if (index >= 0) {
    if (index != m_nActive) ActivateTab(index);
    if (GetStyle() & WS_TABSTOP) SetFocus();
    return;
  }
  CWnd::OnLButtonDown(nFlags, point);
}

void SECTabWndBase::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  const int count = GetTabCount();
  if ((GetStyle() & TWS_SHOW_FOCUS) && count > 0 && (nChar == VK_LEFT || nChar == VK_RIGHT)) {
    const int step = nChar == VK_RIGHT ? 1 : count - 1;
    ActivateTab((std::max(m_nActive, 0) + step) % count);
    return;
  }
  CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT SECTabWndBase::OnGetDlgCode() { return (GetStyle() & TWS_SHOW_FOCUS) ? DLGC_WANTARROWS : 0; }

void SECTabWndBase::OnSetFocus(CWnd* pOldWnd) {
  CWnd::OnSetFocus(pOldWnd);
  m_bFocused = true;
  Invalidate();
}

void SECTabWndBase::OnKillFocus(CWnd* pNewWnd) {
  CWnd::OnKillFocus(pNewWnd);
  m_bFocused = false;
  Invalidate();
}
