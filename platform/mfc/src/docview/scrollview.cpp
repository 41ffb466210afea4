// CScrollView: a view over a larger document area, in any mapping mode.
#include <algorithm>
#include <cstdlib>

#include <windows.h>

#include "mfc/dc.h"
#include "mfc/msgmap_wnd.h"
#include "mfc/view.h"

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
  ON_WM_SIZE()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
  ON_WM_MOUSEWHEEL()
  ON_WM_KEYDOWN()
END_MESSAGE_MAP()

const SIZE CScrollView::sizeDefault = {0, 0};

namespace {

// Logical to device units of a mapping mode, from the origin.
CPoint Convert(int nMapMode, POINT pt, bool toDevice) {
  if (nMapMode == MM_TEXT || nMapMode <= 0) return CPoint(pt);
  HDC hdc = ::CreateCompatibleDC(nullptr);
  ::SetMapMode(hdc, nMapMode);
  if (toDevice) {
    ::LPtoDP(hdc, &pt, 1);
  } else {
    ::DPtoLP(hdc, &pt, 1);
  }
  ::DeleteDC(hdc);
  return CPoint(pt);
}

CSize DeviceSize(int nMapMode, SIZE size) {
  const CPoint pt = Convert(nMapMode, POINT{size.cx, size.cy}, true);
  return CSize(std::abs(pt.x), std::abs(pt.y));
}

}  // namespace

CScrollView::CScrollView() = default;

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine) {
  m_nMapMode = nMapMode;
  m_totalLog = sizeTotal;
  m_totalDev = DeviceSize(nMapMode, sizeTotal);
  m_pageDev = DeviceSize(nMapMode, sizePage);
  m_lineDev = DeviceSize(nMapMode, sizeLine);
  // Defaults: a page is a tenth of the total, a line a tenth of a page.
  if (m_pageDev.cx == 0) m_pageDev.cx = m_totalDev.cx / 10;
  if (m_pageDev.cy == 0) m_pageDev.cy = m_totalDev.cy / 10;
  if (m_lineDev.cx == 0) m_lineDev.cx = std::max<LONG>(1, m_pageDev.cx / 10);
  if (m_lineDev.cy == 0) m_lineDev.cy = std::max<LONG>(1, m_pageDev.cy / 10);
  if (m_hWnd != nullptr) {
    UpdateBars();
    Invalidate(TRUE);
  }
}

void CScrollView::SetScaleToFitSize(SIZE sizeTotal) {
  m_nMapMode = MM_SCALETOFIT;
  m_totalLog = sizeTotal;
  if (m_hWnd == nullptr) return;
  UpdateBars();
  CRect client;
  GetClientRect(&client);
  m_totalDev = client.Size();
  Invalidate(TRUE);
}

CPoint CScrollView::GetDeviceScrollPosition() const {
  return CPoint(::GetScrollPos(m_hWnd, SB_HORZ), ::GetScrollPos(m_hWnd, SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const {
  if (m_nMapMode == MM_SCALETOFIT) return CPoint(0, 0);
  return Convert(m_nMapMode, GetDeviceScrollPosition(), false);
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const {
  nMapMode = m_nMapMode;
  sizeTotal = m_totalDev;
  sizePage = m_pageDev;
  sizeLine = m_lineDev;
}

void CScrollView::ScrollToPosition(POINT pt) {
  if (m_nMapMode <= 0) return;
  ScrollToDevicePosition(Convert(m_nMapMode, pt, true));
}

void CScrollView::ScrollToDevicePosition(POINT ptDev) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  CPoint target;
  for (int nBar : {SB_HORZ, SB_VERT}) {
    info.fMask = SIF_ALL;
    ::GetScrollInfo(m_hWnd, nBar, &info);
    const int limit = std::max(0, info.nMax - std::max(0, static_cast<int>(info.nPage) - 1));
    const bool shown = (GetStyle() & (nBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) != 0;
    const int wanted = nBar == SB_HORZ ? ptDev.x : ptDev.y;
    (nBar == SB_HORZ ? target.x : target.y) = shown ? std::clamp(wanted, 0, limit) : 0;
  }
  const CPoint old = GetDeviceScrollPosition();
  if (target == old) return;
  ::SetScrollPos(m_hWnd, SB_HORZ, target.x, TRUE);
  ::SetScrollPos(m_hWnd, SB_VERT, target.y, TRUE);
  ::ScrollWindow(m_hWnd, old.x - target.x, old.y - target.y, nullptr, nullptr);
}

void CScrollView::UpdateBars() {
  if (m_bInsideUpdate || m_hWnd == nullptr || m_nMapMode == 0) return;
  m_bInsideUpdate = TRUE;
  const int cxBar = ::GetSystemMetrics(SM_CXVSCROLL), cyBar = ::GetSystemMetrics(SM_CYHSCROLL);
  CRect client;
  GetClientRect(&client);
  const DWORD style = GetStyle();
  // The room there would be without any bar.
  const CSize room(client.Width() + ((style & WS_VSCROLL) ? cxBar : 0),
                   client.Height() + ((style & WS_HSCROLL) ? cyBar : 0));
  bool needH = false, needV = false;
  if (m_nMapMode != MM_SCALETOFIT) {
    needH = m_totalDev.cx > room.cx;
    needV = m_totalDev.cy > room.cy;
    // One bar can take the room that makes the other necessary.
    if (needH && !needV) needV = m_totalDev.cy > room.cy - cyBar;
    if (needV && !needH) needH = m_totalDev.cx > room.cx - cxBar;
  }
  const CSize view(room.cx - (needV ? cxBar : 0), room.cy - (needH ? cyBar : 0));
  const CPoint old = GetDeviceScrollPosition();
  CPoint pos(needH ? std::clamp<LONG>(old.x, 0, std::max<LONG>(0, m_totalDev.cx - view.cx)) : 0,
             needV ? std::clamp<LONG>(old.y, 0, std::max<LONG>(0, m_totalDev.cy - view.cy)) : 0);
  ShowScrollBar(SB_HORZ, needH);
  ShowScrollBar(SB_VERT, needV);
  auto setBar = [this](int nBar, bool need, LONG total, LONG page, LONG position) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_PAGE | SIF_RANGE | SIF_POS;
    info.nMax = need ? static_cast<int>(total) - 1 : 0;
    info.nPage = need ? static_cast<UINT>(page) : 0;
    info.nPos = static_cast<int>(position);
    SetScrollInfo(nBar, &info, TRUE);
  };
  setBar(SB_HORZ, needH, m_totalDev.cx, view.cx, pos.x);
  setBar(SB_VERT, needV, m_totalDev.cy, view.cy, pos.y);
  if (pos != old) Invalidate(TRUE);
  m_bInsideUpdate = FALSE;
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
  if (m_nMapMode == MM_SCALETOFIT) {
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(m_totalLog);
    pDC->SetViewportExt(m_totalDev);
  } else if (m_nMapMode > 0) {
    pDC->SetMapMode(m_nMapMode);
  }
  // The picture moves the other way of the scroll, except on paper.
  const CPoint scroll = pDC->IsPrinting() ? CPoint(0, 0) : GetDeviceScrollPosition();
  pDC->SetViewportOrg(-scroll.x, -scroll.y);
  CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::OnSize(UINT nType, int cx, int cy) {
  CView::OnSize(nType, cx, cy);
  if (m_nMapMode == MM_SCALETOFIT) {
    m_totalDev = CSize(cx, cy);
    Invalidate(TRUE);
  } else {
    UpdateBars();
  }
}

int CScrollView::ScrollTarget(int nBar, UINT nCode, int nLine, int nPage) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(nBar, &info, SIF_ALL);
  switch (nCode) {
    case SB_TOP:
      return 0;
    case SB_BOTTOM:
      return info.nMax;
    case SB_LINEUP:
      return info.nPos - nLine;
    case SB_LINEDOWN:
      return info.nPos + nLine;
    case SB_PAGEUP:
      return info.nPos - nPage;
    case SB_PAGEDOWN:
      return info.nPos + nPage;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      return info.nTrackPos;
    default:
      return info.nPos;
  }
}

BOOL CScrollView::OnScroll(UINT nScrollCode, UINT, BOOL bDoScroll) {
  const CPoint old = GetDeviceScrollPosition();
  CSize delta(0, 0);
  if (LOBYTE(nScrollCode) != 0xFF)
    delta.cx = ScrollTarget(SB_HORZ, LOBYTE(nScrollCode), m_lineDev.cx, m_pageDev.cx) - old.x;
  if (HIBYTE(nScrollCode) != 0xFF)
    delta.cy = ScrollTarget(SB_VERT, HIBYTE(nScrollCode), m_lineDev.cy, m_pageDev.cy) - old.y;
  return OnScrollBy(delta, bDoScroll);
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll) {
  const DWORD style = GetStyle();
  if (!(style & WS_HSCROLL)) sizeScroll.cx = 0;
  if (!(style & WS_VSCROLL)) sizeScroll.cy = 0;
  const CPoint old = GetDeviceScrollPosition();
  if (sizeScroll.cx == 0 && sizeScroll.cy == 0) return FALSE;
  if (bDoScroll) ScrollToDevicePosition(CPoint(old.x + sizeScroll.cx, old.y + sizeScroll.cy));
  return GetDeviceScrollPosition() != old || !bDoScroll;
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  // A scroll-bar control of the view's own is not the view's scrolling.
  if (pScrollBar != nullptr) {
    CView::OnHScroll(nSBCode, nPos, pScrollBar);
    return;
  }
  OnScroll(MAKEWORD(nSBCode, 0xFF), nPos);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  if (pScrollBar != nullptr) {
    CView::OnVScroll(nSBCode, nPos, pScrollBar);
    return;
  }
  OnScroll(MAKEWORD(0xFF, nSBCode), nPos);
}

BOOL CScrollView::OnMouseWheel(UINT, short zDelta, CPoint) {
  UINT lines = 3;
  ::SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int notches = -zDelta / WHEEL_DELTA;
  const DWORD style = GetStyle();
  if (style & WS_VSCROLL) return OnScrollBy(CSize(0, notches * static_cast<int>(lines) * m_lineDev.cy));
  if (style & WS_HSCROLL) return OnScrollBy(CSize(notches * static_cast<int>(lines) * m_lineDev.cx, 0));
  return FALSE;
}

void CScrollView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  const bool control = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
  UINT code = 0xFFFF;
  switch (nChar) {
    case VK_UP:
      code = MAKEWORD(0xFF, SB_LINEUP);
      break;
    case VK_DOWN:
      code = MAKEWORD(0xFF, SB_LINEDOWN);
      break;
    case VK_PRIOR:
      code = MAKEWORD(0xFF, SB_PAGEUP);
      break;
    case VK_NEXT:
      code = MAKEWORD(0xFF, SB_PAGEDOWN);
      break;
    case VK_LEFT:
      code = MAKEWORD(SB_LINEUP, 0xFF);
      break;
    case VK_RIGHT:
      code = MAKEWORD(SB_LINEDOWN, 0xFF);
      break;
    case VK_HOME:
      code = control ? MAKEWORD(SB_TOP, SB_TOP) : MAKEWORD(SB_TOP, 0xFF);
      break;
    case VK_END:
      code = control ? MAKEWORD(SB_BOTTOM, SB_BOTTOM) : MAKEWORD(SB_BOTTOM, 0xFF);
      break;
    default:
      CView::OnKeyDown(nChar, nRepCnt, nFlags);
      return;
  }
  OnScroll(code, 0);
}
