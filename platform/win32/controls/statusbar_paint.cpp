// Layout and classic painting of the status bar: sunken (or raised, or
// borderless) parts with tab-aligned text, owner-drawn parts and the grip.
#include <algorithm>

#include "controls/statusbar.h"

namespace win32::controls {
namespace {

constexpr int kTextMargin = 3;
constexpr int kIconSize = 16;
constexpr int kIconMargin = 2;

bool ShowsGrip(HWND hwnd) {
  if (!(StyleOf(hwnd) & SBARS_SIZEGRIP)) return false;
  HWND parent = GetParent(hwnd);
  return !parent || !IsZoomed(parent);
}

// Draws `text` in `rc`: the part before a first tab at the left, after it
// centred, after a second tab at the right.
void DrawTabbedText(HDC dc, const std::string& text, const RECT& rc, bool parseTabs) {
  static constexpr UINT kAlignments[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
  size_t start = 0;
  for (UINT align : kAlignments) {
    size_t tab = parseTabs ? text.find('\t', start) : std::string::npos;
    bool last = tab == std::string::npos || align == DT_RIGHT;
    std::string piece = text.substr(start, last ? std::string::npos : tab - start);
    RECT area = rc;
    DrawText(dc, piece.c_str(), static_cast<int>(piece.size()), &area,
             align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (last) return;
    start = tab + 1;
  }
}

void DrawOwnerPart(HWND hwnd, HDC dc, int index, const StatusPart& part, const RECT& rc) {
  HWND parent = GetParent(hwnd);
  if (!parent) return;
  DRAWITEMSTRUCT dis{};
  dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  dis.itemID = static_cast<UINT>(index);
  dis.itemAction = ODA_DRAWENTIRE;
  dis.hwndItem = hwnd;
  dis.hDC = dc;
  dis.rcItem = rc;
  dis.itemData = static_cast<ULONG_PTR>(part.data);
  SendMessage(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void PaintPart(HWND hwnd, HDC dc, int index, const StatusPart& part, const RECT& rc) {
  if (part.type & SBT_OWNERDRAW) {
    RECT inner = rc;
    if (!(part.type & SBT_NOBORDERS))
      DrawEdge(dc, &inner, (part.type & SBT_POPOUT) ? BDR_RAISEDOUTER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    DrawOwnerPart(hwnd, dc, index, part, inner);
    return;
  }
  if (!part.icon) {
    DrawStatusText(dc, &rc, part.text.c_str(), part.type);
    return;
  }
  // The edge, a small icon at the left inside it, then the text after it.
  DrawStatusText(dc, &rc, nullptr, part.type);
  RECT inner = rc;
  InflateRect(&inner, -1, -1);
  const int size = std::max(0, std::min<int>(kIconSize, inner.bottom - inner.top));
  DrawIconEx(dc, inner.left + kIconMargin, inner.top + (inner.bottom - inner.top - size) / 2, part.icon, size, size, 0,
             nullptr, DI_NORMAL);
  RECT text = rc;
  text.left = inner.left + kIconMargin + size;
  DrawStatusText(dc, &text, part.text.c_str(), part.type | SBT_NOBORDERS);
}

}  // namespace

int StatusBarHeight(HWND hwnd, const StatusBarState& s) {
  HDC dc = GetDC(hwnd);
  int line = 0;
  {
    SelectGuard font(dc, PaintFont(s.font));
    line = FontLineHeight(dc);
  }
  ReleaseDC(hwnd, dc);
  // The drawing area holds a line and the part's edges.
  int area = std::max(s.minHeight, line + 2 * 2);
  return area + 2 * kStatusBorderY;
}

RECT StatusGripRect(HWND hwnd) {
  if (!ShowsGrip(hwnd)) return RECT{};
  RECT rc{};
  GetClientRect(hwnd, &rc);
  int size = std::min(static_cast<int>(rc.bottom), GetSystemMetrics(SM_CXVSCROLL));
  return RECT{rc.right - size, rc.bottom - size, rc.right, rc.bottom};
}

bool StatusPartRect(HWND hwnd, const StatusBarState& s, int index, RECT& rc) {
  RECT client{};
  GetClientRect(hwnd, &client);
  rc = RECT{kStatusBorderX, kStatusBorderY, client.right - kStatusBorderX, client.bottom};
  if (s.simpleMode) return index == SB_SIMPLEID || index == 0;
  if (index < 0 || index >= static_cast<int>(s.edges.size())) return false;
  if (index > 0) {
    RECT previous{};
    StatusPartRect(hwnd, s, index - 1, previous);
    rc.left = previous.right + kStatusSpacing;
  }
  int edge = s.edges[static_cast<size_t>(index)];
  rc.right = edge < 0 ? client.right : std::max(static_cast<int>(rc.left), edge);
  return true;
}

void PaintStatusBar(HWND hwnd, const StatusBarState& s, HDC dc) {
  RECT client{};
  GetClientRect(hwnd, &client);
  FillSysColor(dc, client, COLOR_BTNFACE);
  SelectGuard font(dc, PaintFont(s.font));
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  RECT rc{};
  if (s.simpleMode) {
    StatusPartRect(hwnd, s, SB_SIMPLEID, rc);
    PaintPart(hwnd, dc, SB_SIMPLEID, s.simple, rc);
  } else {
    for (int i = 0; i < static_cast<int>(s.parts.size()); ++i) {
      if (StatusPartRect(hwnd, s, i, rc)) PaintPart(hwnd, dc, i, s.parts[static_cast<size_t>(i)], rc);
    }
  }
  RECT grip = StatusGripRect(hwnd);
  if (!IsRectEmpty(&grip)) DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

}  // namespace win32::controls

void WINAPI DrawStatusText(HDC hDC, LPCRECT lprc, LPCSTR pszText, UINT uFlags) {
  using namespace win32::controls;
  if (!hDC || !lprc) return;
  RECT rc = *lprc;
  if (!(uFlags & SBT_NOBORDERS)) {
    DrawEdge(hDC, &rc, (uFlags & SBT_POPOUT) ? BDR_RAISEDOUTER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  }
  if (!pszText || !*pszText) return;
  InflateRect(&rc, -kTextMargin, 0);
  int oldMode = SetBkMode(hDC, TRANSPARENT);
  DrawTabbedText(hDC, pszText, rc, !(uFlags & SBT_NOTABPARSING));
  SetBkMode(hDC, oldMode);
}
