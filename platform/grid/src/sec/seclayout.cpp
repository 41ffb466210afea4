#include "sec/seclayout.h"

#include <algorithm>

namespace {

// One axis of a node: the near and far edge for the parent's new extent.
void PlaceAxis(bool nearAnchored, bool farAnchored, int designLow, int designHigh, int designExtent, int extent,
               int& low, int& high) {
  const int size = designHigh - designLow;
  const int delta = extent - designExtent;
  if (nearAnchored && farAnchored) {
    low = designLow;
    high = std::max(designLow, designHigh + delta);
  } else if (farAnchored) {
    low = designLow + delta;
    high = low + size;
  } else if (nearAnchored || designExtent <= 0) {
    low = designLow;
    high = designHigh;
  } else {
    // Neither edge: the centre keeps its share of the extent.
    const int centre = static_cast<int>((designLow + size / 2.0) * extent / designExtent);
    low = centre - size / 2;
    high = low + size;
  }
}

}  // namespace

SECLayoutNode::SECLayoutNode(HWND hWnd, UINT nAnchor, const CRect& rcDesign, const CSize& szDesign)
    : m_hWnd(hWnd), m_nAnchor(nAnchor), m_rcDesign(rcDesign), m_szDesign(szDesign) {}

CRect SECLayoutNode::CalcRect(const CSize& szParent) const {
  CRect rc;
  PlaceAxis(m_nAnchor & SEC_ANCHOR_LEFT, m_nAnchor & SEC_ANCHOR_RIGHT, m_rcDesign.left, m_rcDesign.right, m_szDesign.cx,
            szParent.cx, rc.left, rc.right);
  PlaceAxis(m_nAnchor & SEC_ANCHOR_TOP, m_nAnchor & SEC_ANCHOR_BOTTOM, m_rcDesign.top, m_rcDesign.bottom, m_szDesign.cy,
            szParent.cy, rc.top, rc.bottom);
  return rc;
}

BOOL SECLayoutManager::Init(CWnd* pParent) {
  m_nodes.clear();
  m_szMinimum = CSize(0, 0);
  m_hWndParent = pParent && ::IsWindow(pParent->GetSafeHwnd()) ? pParent->GetSafeHwnd() : nullptr;
  return m_hWndParent != nullptr;
}

SECLayoutNode* SECLayoutManager::AddControl(UINT nID, UINT nAnchor) {
  if (!m_hWndParent) return nullptr;
  return AddWindow(CWnd::FromHandle(::GetDlgItem(m_hWndParent, static_cast<int>(nID))), nAnchor);
}

SECLayoutNode* SECLayoutManager::AddWindow(CWnd* pWnd, UINT nAnchor) {
  HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
  if (!m_hWndParent || !hWnd || ::GetParent(hWnd) != m_hWndParent) return nullptr;
  RemoveWindow(pWnd);
  CRect client;
  ::GetClientRect(m_hWndParent, &client);
  CRect rc;
  ::GetWindowRect(hWnd, &rc);
  ::MapWindowPoints(nullptr, m_hWndParent, reinterpret_cast<LPPOINT>(&rc), 2);
  m_nodes.push_back(std::make_unique<SECLayoutNode>(hWnd, nAnchor, rc, client.Size()));
  return m_nodes.back().get();
}

BOOL SECLayoutManager::RemoveWindow(CWnd* pWnd) {
  HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
  auto it = std::find_if(m_nodes.begin(), m_nodes.end(), [&](const auto& node) { return node->GetWnd() == hWnd; });
  if (it == m_nodes.end()) return FALSE;
  m_nodes.erase(it);
  return TRUE;
}

void SECLayoutManager::RecalcLayout() {
  if (!m_hWndParent || !::IsWindow(m_hWndParent)) return;
  CRect client;
  ::GetClientRect(m_hWndParent, &client);
  RecalcLayout(client.Width(), client.Height());
}

void SECLayoutManager::RecalcLayout(int cx, int cy) {
  const CSize size(std::max(cx, static_cast<int>(m_szMinimum.cx)), std::max(cy, static_cast<int>(m_szMinimum.cy)));
  for (const auto& node : m_nodes) {
    // A child destroyed since it was added is skipped, not moved.
    if (!::IsWindow(node->GetWnd())) continue;
    const CRect rc = node->CalcRect(size);
    ::SetWindowPos(node->GetWnd(), nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  }
}
