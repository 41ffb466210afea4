// A docked bar dragged by its gripper docks on the edge of its frame
// nearest to where it is dropped, at the drop's place along that edge.
#include <climits>

#include "afxext.h"

namespace {

struct Edge {
  UINT nID;
  DWORD dwStyle;
};

constexpr Edge kEdges[] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT},
};

int DistanceTo(const Edge& edge, const CRect& area, CPoint point) {
  switch (edge.dwStyle) {
    case CBRS_ALIGN_TOP:
      return point.y - area.top;
    case CBRS_ALIGN_BOTTOM:
      return area.bottom - point.y;
    case CBRS_ALIGN_LEFT:
      return point.x - area.left;
    default:
      return area.right - point.x;
  }
}

}  // namespace

bool CControlBar::CanDrag() const {
  return (m_dwStyle & CBRS_GRIPPER) && m_pDockBar != nullptr && m_pDockSite != nullptr && m_dwDockStyle != 0;
}

// The gripper lies before the client area: left of it, or above it on a
// side edge.
bool CControlBar::InGripper(CPoint point) const {
  CRect client;
  GetClientRect(&client);
  if (IsHorizontal()) return point.x < 0 && point.y >= 0 && point.y < client.bottom;
  return point.y < 0 && point.x >= 0 && point.x < client.right;
}

bool CControlBar::OnDragMessage(UINT message, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_NCHITTEST: {
      CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      ScreenToClient(&point);
      if (!CanDrag() || !InGripper(point)) return false;
      // The press comes as a client message, so the bar sees it.
      result = HTCLIENT;
      return true;
    }
    case WM_LBUTTONDOWN: {
      const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      if (!CanDrag() || !InGripper(point)) return false;
      m_bDragging = true;
      m_ptGrab = point;
      SetCapture();
      return true;
    }
    case WM_MOUSEMOVE:
      return m_bDragging;
    case WM_LBUTTONUP:
      if (!m_bDragging) return false;
      m_bDragging = false;
      ::ReleaseCapture();
      DropAt(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
      return true;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
      m_bDragging = false;
      return false;
    default:
      return false;
  }
}

void CControlBar::DropAt(CPoint point) {
  CFrameWnd* frame = m_pDockSite;
  CPoint screen = point;
  ClientToScreen(&screen);
  CRect area;
  frame->GetClientRect(&area);
  frame->ClientToScreen(&area);
  const Edge* nearest = nullptr;
  int best = INT_MAX;
  for (const Edge& edge : kEdges) {
    if (!(m_dwDockStyle & edge.dwStyle) || frame->GetControlBar(edge.nID) == nullptr) continue;
    const int distance = DistanceTo(edge, area, screen);
    if (distance < best) {
      best = distance;
      nearest = &edge;
    }
  }
  if (nearest == nullptr) return;
  // The bar keeps the spot it was held by under the mouse.
  CRect rect;
  GetWindowRect(&rect);
  CRect client;
  GetClientRect(&client);
  ClientToScreen(&client);
  const CPoint grab(client.left + m_ptGrab.x, client.top + m_ptGrab.y);
  rect.OffsetRect(screen - grab);
  frame->DockControlBar(this, nearest->nID, &rect);
}
