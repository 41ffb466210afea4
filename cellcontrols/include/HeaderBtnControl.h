// CHeaderBtnControl: header cells drawn and behaving as push buttons. A
// press on the cell shows it pushed while the pointer stays inside; the
// release inside runs the grid's button notification for the cell (the
// grids sort there). The grid's sort column shows a marker pointing down
// while the grid's sort flag is set and up while it is clear. The space key
// presses a current cell of this control, too.
#pragma once

#include <gxall.h>

class CHeaderBtnControl : public CGXStatic {
  GRID_DECLARE_CONTROL(CHeaderBtnControl)

 public:
  static constexpr int kTextMarginRight = 10;
  static constexpr int kMarkerMarginRight = 20;

  // bSortMarkerOnPaper FALSE leaves the sort marker out when printing (the
  // connector editor's grids); TRUE prints it like the screen shows it.
  explicit CHeaderBtnControl(CGXGridCore* pGrid, BOOL bSortMarkerOnPaper = TRUE);

  void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
            const CGXStyle* pStandardStyle) override;
  BOOL LButtonDown(UINT nFlags, CPoint pt, UINT nHitState) override;
  BOOL LButtonDblClk(UINT nFlags, CPoint pt) override;
  BOOL MouseMove(UINT nFlags, CPoint pt, UINT nHitState) override;
  BOOL LButtonUp(UINT nFlags, CPoint pt, UINT nHitState) override;
  BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  BOOL OnGridKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;

  BOOL IsCaptured() const { return m_bCaptured; }
  BOOL IsPressed() const { return m_bPressed; }
  BOOL GetSortMarkerOnPaper() const { return m_bSortMarkerOnPaper; }

 private:
  BOOL ShowsPressed(ROWCOL nRow, ROWCOL nCol);
  void DrawFrame(CDC* pDC, const CRect& rect, BOOL bPressed);
  void DrawTitle(CDC* pDC, const CRect& rectText, const CString& sText, const CGXStyle& style);
  void DrawSortMarker(CDC* pDC, CRect rectMarker);
  void SetPressed(BOOL bPressed, UINT nRedrawFlags);
  // Ends a press: the raised look, then the button notification when it was a click.
  void Release(BOOL bClicked);

  BOOL m_bSortMarkerOnPaper;
  BOOL m_bCaptured = FALSE;
  BOOL m_bPressed = FALSE;
  // The title font, made for the height of the device it last drew on.
  CFont m_font;
  int m_nFontHeight = 0;
};
