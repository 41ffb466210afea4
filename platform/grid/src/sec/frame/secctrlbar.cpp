#include "sec/secctrlbar.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(SECControlBar, CControlBar)

namespace {
constexpr int kGripperWidth = 14;  // across the bar: room for the button
constexpr int kButton = 10;        // the close button is square
constexpr int kGap = 2;
}  // namespace

SECControlBar::SECControlBar() = default;
SECControlBar::~SECControlBar() = default;

BOOL SECControlBar::Create(CWnd* pParentWnd, LPCTSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle, UINT nID) {
  // The toolkit draws its own gripper in place of the class library's.
  m_dwExStyle = dwExStyle | ((dwStyle & CBRS_GRIPPER) ? CBRS_EX_GRIPPER : 0);
  dwStyle &= ~static_cast<DWORD>(CBRS_GRIPPER);
  LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                    reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
  if (!CreateBar(cls, dwStyle, WS_CLIPCHILDREN, pParentWnd, nID)) return FALSE;
  SetWindowText(lpszWindowName ? lpszWindowName : "");
  return TRUE;
}

void SECControlBar::SetDockedSize(float fPctLength, int nThickness) {
  m_fPctLength = std::clamp(fPctLength, 0.0f, 1.0f);
  m_nThickness = std::max(0, nThickness);
}

CSize SECControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  CWnd* frame = GetDockingFrame();
  if (!frame) frame = GetParent();
  CRect client;
  if (frame) frame->GetClientRect(&client);
  const int extent = bHorz ? client.Width() : client.Height();
  const int length = bStretch ? 32767 : static_cast<int>(std::lround(m_fPctLength * static_cast<float>(extent)));
  return bHorz ? CSize(length, m_nThickness) : CSize(m_nThickness, length);
}

CRect SECControlBar::GripperRect() const {
  if (!(m_dwExStyle & CBRS_EX_GRIPPER) || !m_hWnd) return CRect();
  CRect window;
  GetWindowRect(&window);
  window.OffsetRect(-window.left, -window.top);
  // Along a top or bottom edge the gripper stands at the left, along a
  // side edge it lies across the top.
  if (IsHorizontal())
    return CRect(window.left + kGap, window.top + kGap, window.left + kGap + kGripperWidth, window.bottom - kGap);
  return CRect(window.left + kGap, window.top + kGap, window.right - kGap, window.top + kGap + kGripperWidth);
}

CRect SECControlBar::GetCloseButtonRect() const {
  if (!(m_dwExStyle & CBRS_EX_CLOSEBUTTON)) return CRect();
  const CRect grip = GripperRect();
  if (grip.IsRectEmpty()) return CRect();
  if (IsHorizontal()) {
    const int left = grip.left + (grip.Width() - kButton) / 2;
    return CRect(left, grip.top, left + kButton, grip.top + kButton);
  }
  const int top = grip.top + (grip.Height() - kButton) / 2;
  return CRect(grip.right - kButton, top, grip.right, top + kButton);
}

void SECControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const {
  CControlBar::CalcInsideRect(rect, bHorz);
  if (m_dwExStyle & CBRS_EX_GRIPPER) {
    if (bHorz)
      rect.left += kGripperWidth + kGap;
    else
      rect.top += kGripperWidth + kGap;
  }
}

void SECControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

void SECControlBar::DrawGripper(CDC* pDC, const CRect&) {
  const CRect grip = GripperRect();
  if (grip.IsRectEmpty()) return;
  const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF dark = ::GetSysColor(COLOR_BTNSHADOW);
  const CRect button = GetCloseButtonRect();
  // Two raised ridges along the gripper, after the button.
  if (IsHorizontal()) {
    const int top = button.IsRectEmpty() ? grip.top : button.bottom + kGap;
    for (int x : {grip.left + 3, grip.left + 7}) pDC->Draw3dRect(x, top, 3, grip.bottom - top, light, dark);
  } else {
    const int right = button.IsRectEmpty() ? grip.right : button.left - kGap;
    for (int y : {grip.top + 3, grip.top + 7}) pDC->Draw3dRect(grip.left, y, right - grip.left, 3, light, dark);
  }
  if (button.IsRectEmpty()) return;
  pDC->Draw3dRect(&button, light, dark);
  const COLORREF cross = ::GetSysColor(COLOR_BTNTEXT);
  for (int i = 2; i < kButton - 2; ++i) {
    pDC->SetPixel(button.left + i, button.top + i, cross);
    pDC->SetPixel(button.right - 1 - i, button.top + i, cross);
  }
}

void SECControlBar::Hide() {
  if (CFrameWnd* frame = GetDockingFrame())
    frame->ShowControlBar(this, FALSE, FALSE);
  else
    ShowWindow(SW_HIDE);
}

LRESULT SECControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCHITTEST && !GetCloseButtonRect().IsRectEmpty()) {
    CRect window;
    GetWindowRect(&window);
    CPoint point(GET_X_LPARAM(lParam) - window.left, GET_Y_LPARAM(lParam) - window.top);
    if (GetCloseButtonRect().PtInRect(point)) return HTCLOSE;
  }
  if (message == WM_NCLBUTTONDOWN && wParam == HTCLOSE) {
    Hide();
    return 0;
  }
  return CControlBar::WindowProc(message, wParam, lParam);
}
