// CGXGridWnd: a grid in a window of its own, typically a dialog's "GXWND"
// custom control attached with SubclassDlgItem.
#pragma once

#include "gx/gxcore.h"

class CGXGridWnd : public CWnd, public CGXGridCore {
  DECLARE_DYNCREATE(CGXGridWnd)
  DECLARE_MESSAGE_MAP()

 public:
  CGXGridWnd();
  ~CGXGridWnd() override;

  // Creates the grid window as a child, or with WS_POPUP as a pop-up owned
  // by the parent (rect in screen coordinates, nID unused).
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  // Call after SubclassDlgItem or Create; runs OnInitialUpdate once.
  virtual void Initialize();
  // Runs OnGridInitialUpdate (once).
  virtual void OnInitialUpdate();
  // Shows or hides a scroll bar for good: the grid's own updates keep a
  // hidden bar hidden.
  void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);

 protected:
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnCancelMode();
  afx_msg void OnEnable(BOOL bEnable);
  afx_msg LRESULT OnCellRectQuery(WPARAM wParam, LPARAM lParam);
};
