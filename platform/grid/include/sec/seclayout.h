// The toolkit's layout manager: each node ties one child window to the
// edges of its parent. Edges anchored to the parent's right or bottom keep
// their distance to it, so a child anchored on both sides of an axis
// stretches with the parent, one anchored on the far side only moves with
// it, and one anchored on neither keeps its relative place. The design is
// the layout as it is when the node is added; the parent's OnSize calls
// RecalcLayout.
#pragma once

#include <memory>
#include <vector>

#include <afxwin.h>

#define SEC_ANCHOR_LEFT 0x01
#define SEC_ANCHOR_TOP 0x02
#define SEC_ANCHOR_RIGHT 0x04
#define SEC_ANCHOR_BOTTOM 0x08
#define SEC_ANCHOR_TOPLEFT (SEC_ANCHOR_LEFT | SEC_ANCHOR_TOP)
#define SEC_ANCHOR_TOPRIGHT (SEC_ANCHOR_RIGHT | SEC_ANCHOR_TOP)
#define SEC_ANCHOR_BOTTOMLEFT (SEC_ANCHOR_LEFT | SEC_ANCHOR_BOTTOM)
#define SEC_ANCHOR_BOTTOMRIGHT (SEC_ANCHOR_RIGHT | SEC_ANCHOR_BOTTOM)
#define SEC_ANCHOR_ALL (SEC_ANCHOR_LEFT | SEC_ANCHOR_TOP | SEC_ANCHOR_RIGHT | SEC_ANCHOR_BOTTOM)

class SECLayoutNode {
 public:
  // rcDesign: the child in the parent's client coordinates when the parent
  // had the client size szDesign.
  SECLayoutNode(HWND hWnd, UINT nAnchor, const CRect& rcDesign, const CSize& szDesign);

  HWND GetWnd() const { return m_hWnd; }
  UINT GetAnchor() const { return m_nAnchor; }
  void SetAnchor(UINT nAnchor) { m_nAnchor = nAnchor; }
  // The child's rectangle for a parent client area of this size.
  CRect CalcRect(const CSize& szParent) const;

 private:
  HWND m_hWnd;
  UINT m_nAnchor;
  CRect m_rcDesign;
  CSize m_szDesign;
};

class SECLayoutManager {
 public:
  SECLayoutManager() = default;
  SECLayoutManager(const SECLayoutManager&) = delete;
  SECLayoutManager& operator=(const SECLayoutManager&) = delete;

  // Starts over for this parent; FALSE without a window.
  BOOL Init(CWnd* pParent);
  // A child by control id or window; NULL when it is no child of the parent.
  SECLayoutNode* AddControl(UINT nID, UINT nAnchor);
  SECLayoutNode* AddWindow(CWnd* pWnd, UINT nAnchor);
  BOOL RemoveWindow(CWnd* pWnd);
  int GetNodeCount() const { return static_cast<int>(m_nodes.size()); }
  // Below this client size the children stay as laid out for it (no
  // minimum unless set).
  void SetMinimumSize(const CSize& size) { m_szMinimum = size; }

  // Places every node for the parent's client size.
  void RecalcLayout();
  void RecalcLayout(int cx, int cy);

 private:
  HWND m_hWndParent = nullptr;
  CSize m_szMinimum{0, 0};
  std::vector<std::unique_ptr<SECLayoutNode>> m_nodes;
};
