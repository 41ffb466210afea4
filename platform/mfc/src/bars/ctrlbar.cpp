// CControlBar: creation, the WM_SIZEPARENT answer, borders in the
// non-client area, and the owner that receives the bar's notifications.
#include <algorithm>
#include <cstring>

#include "afxext.h"
#include "bars/bar_layout.h"
#include "bars/bar_strings.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
  ON_WM_CREATE()
  ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
  ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// The etched edge of a bar border and the gripper's bars.
constexpr int kBorder = 2;
constexpr int kGripper = 3;
constexpr int kGripperGap = 2;
constexpr int kGripperSpace = kGripperGap + kGripper + kGripperGap;

// Takes `extent` off the free span [first, last) of the frame: at its start
// when `atStart`, else at its end, where the bar then starts.
void TakeStrip(LONG& first, LONG& last, LONG& barStart, LONG extent, bool atStart) {
  if (atStart) {
    first += extent;
  } else {
    last -= extent;
    barStart = last;
  }
}

bool IsParentNotification(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
      return true;
    default:
      return false;
  }
}

// A question of the bar's own tooltip that nobody answered gets the tip
// part of the command's string (other tooltips number other things).
void AnswerToolTip(HWND bar, LPARAM lParam) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header == nullptr || header->code != TTN_NEEDTEXT) return;
  TOOLINFO tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = bar;
  tool.uId = header->idFrom;
  if (!::SendMessage(header->hwndFrom, TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&tool))) return;
  auto& info = *reinterpret_cast<NMTTDISPINFO*>(lParam);
  const bool answered =
      info.hinst != nullptr || (info.lpszText != nullptr && (info.lpszText != info.szText || info.szText[0] != '\0'));
  if (answered) return;
  const CString tip = afx::CommandTip(static_cast<UINT>(header->idFrom));
  const size_t length = std::min(static_cast<size_t>(tip.GetLength()), sizeof(info.szText) - 1);
  std::memcpy(info.szText, static_cast<LPCTSTR>(tip), length);
  info.szText[length] = '\0';
  info.lpszText = info.szText;
}

}  // namespace

CControlBar::CControlBar() = default;
CControlBar::~CControlBar() = default;

BOOL CControlBar::CreateBar(LPCTSTR lpszClassName, DWORD dwStyle, DWORD dwCtrlStyle, CWnd* pParentWnd, UINT nID) {
  if (pParentWnd == nullptr || m_hWnd != nullptr) return FALSE;
  m_dwStyle = dwStyle & CBRS_ALL;
  SetOwner(pParentWnd);
  const DWORD windowStyle = (dwStyle & ~static_cast<DWORD>(CBRS_ALL)) | dwCtrlStyle | WS_CHILD;
  return CWnd::CreateEx(0, lpszClassName, nullptr, windowStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

void CControlBar::SetBarStyle(DWORD dwStyle) {
  if (m_dwStyle == dwStyle) return;
  m_dwStyle = dwStyle;
  // The borders live in the non-client area, which follows the style.
  if (m_hWnd != nullptr)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom) {
  m_cxLeftBorder = cxLeft;
  m_cyTopBorder = cyTop;
  m_cxRightBorder = cxRight;
  m_cyBottomBorder = cyBottom;
}

CRect CControlBar::GetBorders() const {
  return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

void CControlBar::EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY; }

BOOL CControlBar::IsVisible() const {
  if (m_nStateFlags & delayHide) return FALSE;
  return (m_nStateFlags & delayShow) != 0 || (GetStyle() & WS_VISIBLE) != 0;
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const {
  if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += kBorder;
  if (m_dwStyle & CBRS_BORDER_TOP) rect.top += kBorder;
  if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= kBorder;
  if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= kBorder;
  const bool gripper = (m_dwStyle & CBRS_GRIPPER) != 0;
  // Along a vertical edge the borders turn with the bar.
  if (bHorz) {
    rect.left += m_cxLeftBorder + (gripper ? kGripperSpace : 0);
    rect.top += m_cyTopBorder;
    rect.right -= m_cxRightBorder;
    rect.bottom -= m_cyBottomBorder;
  } else {
    rect.left += m_cyTopBorder;
    rect.top += m_cxLeftBorder + (gripper ? kGripperSpace : 0);
    rect.right -= m_cyBottomBorder;
    rect.bottom -= m_cxRightBorder;
  }
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  CSize size(bStretch && bHorz ? afx::kStretchLength : 0, bStretch && !bHorz ? afx::kStretchLength : 0);
  CRect inside(0, 0, 0, 0);
  CalcInsideRect(inside, bHorz);
  size.cx -= inside.Width();
  size.cy -= inside.Height();
  return size;
}

CSize CControlBar::CalcDynamicLayout(int nLength, DWORD nMode) {
  const BOOL bStretch = (nMode & LM_STRETCH) != 0;
  if (nLength == -1 && !(nMode & (LM_MRUWIDTH | LM_COMMIT)) && (nMode & (LM_HORZDOCK | LM_VERTDOCK)))
    return CalcFixedLayout(bStretch, (nMode & LM_HORZDOCK) != 0);
  return CalcFixedLayout(bStretch, (nMode & LM_HORZ) != 0);
}

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout) {
  DWORD style = GetStyle();
  if (!(m_nStateFlags & (delayShow | delayHide))) return style;
  const bool show = (m_nStateFlags & delayShow) != 0;
  style = show ? (style | WS_VISIBLE) : (style & ~static_cast<DWORD>(WS_VISIBLE));
  if (!lpLayout->bQuery) {
    m_nStateFlags &= ~(delayShow | delayHide);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  }
  return style;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
  auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  const DWORD style = RecalcDelayShow(layout);
  const DWORD align = m_dwStyle & CBRS_ALIGN_ANY;
  if (!(style & WS_VISIBLE) || align == 0) return 0;

  CRect rect(layout->rect);
  const CSize available = rect.Size();
  const bool horz = (align & CBRS_ORIENT_HORZ) != 0;
  DWORD mode = (layout->bStretch ? LM_STRETCH : 0) | (horz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK);
  CSize size = CalcDynamicLayout(-1, mode);
  size.cx = std::max(0, std::min(size.cx, available.cx));
  size.cy = std::max(0, std::min(size.cy, available.cy));

  if (horz) {
    layout->sizeTotal.cy += size.cy;
    layout->sizeTotal.cx = std::max(layout->sizeTotal.cx, size.cx);
    TakeStrip(layout->rect.top, layout->rect.bottom, rect.top, size.cy, (align & CBRS_ALIGN_TOP) != 0);
  } else {
    layout->sizeTotal.cx += size.cx;
    layout->sizeTotal.cy = std::max(layout->sizeTotal.cy, size.cy);
    TakeStrip(layout->rect.left, layout->rect.right, rect.left, size.cx, (align & CBRS_ALIGN_LEFT) != 0);
  }
  rect.right = rect.left + size.cx;
  rect.bottom = rect.top + size.cy;
  AfxRepositionWindow(layout, m_hWnd, &rect);
  return 0;
}

void CControlBar::SetFlybyMessage(UINT nID) {
  CWnd* owner = GetOwner();
  if (owner != nullptr && owner != this) owner->SendMessage(WM_SETMESSAGESTRING, nID != 0 ? nID : AFX_IDS_IDLEMESSAGE);
}

LRESULT CControlBar::ForwardToOwner(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (OnWndMsg(message, wParam, lParam, &result)) return result;
  CWnd* owner = GetOwner();
  if (owner != nullptr && owner != this) result = owner->SendMessage(message, wParam, lParam);
  if (message == WM_NOTIFY) AnswerToolTip(m_hWnd, lParam);
  return result;
}

void CControlBar::OnNcCalcSize(BOOL bCalcValidRects, LPARAM lParam) {
  RECT& window =
      bCalcValidRects ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<RECT*>(lParam);
  CRect inside(window);
  CalcInsideRect(inside, IsHorizontal());
  inside.right = std::max(inside.left, inside.right);
  inside.bottom = std::max(inside.top, inside.bottom);
  window = inside;
}

void CControlBar::OnNcPaint() {
  CWindowDC dc(this);
  DoPaint(&dc);
}

void CControlBar::DoPaint(CDC* pDC) {
  CRect window;
  GetWindowRect(&window);
  window.OffsetRect(-window.left, -window.top);
  CRect client;
  GetClientRect(&client);
  ClientToScreen(&client);
  CRect screen;
  GetWindowRect(&screen);
  client.OffsetRect(-screen.left, -screen.top);
  // The frame around the client area only: the control paints the rest.
  pDC->ExcludeClipRect(&client);
  pDC->FillSolidRect(&window, ::GetSysColor(COLOR_BTNFACE));
  CRect rect = window;
  DrawBorders(pDC, rect);
  DrawGripper(pDC, rect);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect) {
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  // Each border is an etched line: shadow outside, highlight inside.
  if (m_dwStyle & CBRS_BORDER_TOP) {
    pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, shadow);
    pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, highlight);
    rect.top += kBorder;
  }
  if (m_dwStyle & CBRS_BORDER_BOTTOM) {
    pDC->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 1, shadow);
    pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, highlight);
    rect.bottom -= kBorder;
  }
  if (m_dwStyle & CBRS_BORDER_LEFT) {
    pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), shadow);
    pDC->FillSolidRect(rect.left + 1, rect.top, 1, rect.Height(), highlight);
    rect.left += kBorder;
  }
  if (m_dwStyle & CBRS_BORDER_RIGHT) {
    pDC->FillSolidRect(rect.right - 2, rect.top, 1, rect.Height(), shadow);
    pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), highlight);
    rect.right -= kBorder;
  }
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect) {
  if (!(m_dwStyle & CBRS_GRIPPER)) return;
  const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  if (IsHorizontal()) {
    pDC->Draw3dRect(rect.left + m_cxLeftBorder + kGripperGap, rect.top + m_cyTopBorder, kGripper,
                    rect.Height() - m_cyTopBorder - m_cyBottomBorder, highlight, shadow);
  } else {
    pDC->Draw3dRect(rect.left + m_cyTopBorder, rect.top + m_cxLeftBorder + kGripperGap,
                    rect.Width() - m_cyTopBorder - m_cyBottomBorder, kGripper, highlight, shadow);
  }
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (OnDragMessage(message, lParam, result)) return result;
  switch (message) {
    case WM_NCCALCSIZE:
      OnNcCalcSize(static_cast<BOOL>(wParam), lParam);
      return 0;
    case WM_NCPAINT:
      OnNcPaint();
      return 0;
    default:
      break;
  }
  // A bar is a go-between: its children's notifications go to its owner.
  if (IsParentNotification(message)) return ForwardToOwner(message, wParam, lParam);
  return CWnd::WindowProc(message, wParam, lParam);
}

void CControlBar::PostNcDestroy() {
  if (m_bAutoDelete) delete this;
}
