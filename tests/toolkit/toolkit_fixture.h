// Shared helpers of the toolkit tests: the class library's window fixture,
// a top-level window that records its children's notifications, and
// pixel reading.
#pragma once

#include <afxwin.h>

#include <functional>
#include <ostream>
#include <vector>

#include "mfc_test.h"

using ToolkitTest = halvane::test::MfcTest;

// A top-level window that keeps the codes of WM_NOTIFY it receives and
// lets a test answer one.
class NotifyHost : public CWnd {
 public:
  bool CreateHost(const char* title, int cx = 400, int cy = 300) {
    return halvane::test::CreateTopLevel(*this, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, cx, cy);
  }
  std::vector<UINT> codes;
  std::vector<NMHDR*> last;
  std::function<LRESULT(NMHDR*)> onNotify;

  int Count(UINT code) const {
    int n = 0;
    for (UINT c : codes) n += c == code ? 1 : 0;
    return n;
  }

 protected:
  BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override {
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    codes.push_back(hdr->code);
    *pResult = onNotify ? onNotify(hdr) : 0;
    return TRUE;
  }
};

// Paints what is pending, the top-level window first as the queue would.
inline void PaintPending(CWnd& wnd) {
  ::UpdateWindow(::GetAncestor(wnd.m_hWnd, GA_ROOT));
  wnd.UpdateWindow();
}

// The colour at a client point of a window as it is painted now.
inline COLORREF PixelAt(CWnd& wnd, int x, int y) {
  PaintPending(wnd);
  HDC dc = ::GetDC(wnd.m_hWnd);
  COLORREF colour = ::GetPixel(dc, x, y);
  ::ReleaseDC(wnd.m_hWnd, dc);
  return colour;
}

// Whether any pixel of the rectangle has the colour.
inline bool AnyPixel(CWnd& wnd, const RECT& rc, COLORREF colour) {
  PaintPending(wnd);
  HDC dc = ::GetDC(wnd.m_hWnd);
  bool found = false;
  for (int y = rc.top; y < rc.bottom && !found; ++y)
    for (int x = rc.left; x < rc.right && !found; ++x) found = ::GetPixel(dc, x, y) == colour;
  ::ReleaseDC(wnd.m_hWnd, dc);
  return found;
}

// A screen-compatible bitmap of cx x cy, `left` on its left half and
// `right` on the other.
inline bool PaintHalves(CBitmap& bitmap, int cx, int cy, COLORREF left, COLORREF right) {
  CClientDC screen(nullptr);
  if (!bitmap.CreateCompatibleBitmap(&screen, cx, cy)) return false;
  CDC dc;
  dc.CreateCompatibleDC(&screen);
  CBitmap* old = dc.SelectObject(&bitmap);
  dc.FillSolidRect(0, 0, cx / 2, cy, left);
  dc.FillSolidRect(cx / 2, 0, cx - cx / 2, cy, right);
  dc.SelectObject(old);
  return true;
}

inline void PrintTo(const CRect& rc, std::ostream* os) {
  *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}
