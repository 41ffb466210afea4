#include "gx/gxstatic.h"

GRID_IMPLEMENT_DYNCREATE_CONTROL(CGXStatic, CGXControl)
GRID_IMPLEMENT_DYNCREATE_CONTROL(CGXHeader, CGXStatic)

void CGXHeader::DrawBackground(CDC* pDC, const CRect& rect, const CGXStyle& style) {
  pDC->FillSolidRect(&rect, style.GetInterior());
  CRect rectEdge = rect;
  pDC->DrawEdge(&rectEdge, BDR_RAISEDINNER | BDR_RAISEDOUTER, BF_RECT);
}
