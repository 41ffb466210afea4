// CDockBar: one edge of a frame (AFX_IDW_DOCKBAR_TOP, _LEFT, _RIGHT,
// _BOTTOM) holding control bars in rows (columns along a side edge). The
// dock bar is as thick as its rows; a bar keeps its place along its row
// where there is room.
#pragma once

#include <vector>

#include "mfc/ctrlbar.h"

class CDockBar : public CControlBar {
  DECLARE_DYNAMIC(CDockBar)

 public:
  CDockBar();
  ~CDockBar() override;

  // dwStyle carries the edge (CBRS_ALIGN_*).
  BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
  // Docks pBar in the row lpRect (screen coordinates) lies on, at its
  // place along the row; without a rectangle, in a new last row.
  void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
  BOOL RemoveControlBar(CControlBar* pBar);
  int GetDockedCount() const;
  int GetDockedVisibleCount() const;
  // The row (column) of a docked bar, -1 when it is not here.
  int GetRowOf(const CControlBar* pBar) const;

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  // Docked bars receive the idle update themselves.
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

 protected:
  DECLARE_MESSAGE_MAP()
  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  afx_msg void OnDestroy();

 private:
  std::vector<std::vector<CControlBar*>> m_rows;
  bool m_bLayoutQuery = false;
  int m_nLength = 0;  // the edge's length in the last layout

  int InsertRow(LPCRECT lpRect) const;
  void PlaceBar(CControlBar& bar, const CRect& rect) const;
};
