// CWaitWnd: shown while tasks run; the worker's progress notes arrive here.
#include "tasks/WaitWnd.h"

#include <algorithm>

#include "tasks/TaskRunner.h"

namespace utils::tasks {

namespace {

constexpr int kMargin = 12;
constexpr int kTextWidth = 360;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_BORDER;

HFONT GuiFont() { return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

BEGIN_MESSAGE_MAP(CWaitWnd, CWnd)
  ON_MESSAGE(WM_HLTASK_PROGRESS, OnProgress)
  ON_BN_CLICKED(IDCANCEL, OnCancelClicked)
END_MESSAGE_MAP()

CWaitWnd::CWaitWnd(std::function<void()> onProgress) : m_onProgress(std::move(onProgress)) {}

CWaitWnd::~CWaitWnd() {
  if (GetSafeHwnd() != nullptr) DestroyWindow();
}

BOOL CWaitWnd::Create(HWND hOwner, const CString& title, const CString& text) {
  LPCTSTR wndClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_WAIT), ::GetSysColorBrush(COLOR_BTNFACE));
  if (!CreateEx(WS_EX_DLGMODALFRAME, wndClass, title, kStyle, 0, 0, 100, 50, hOwner, nullptr)) return FALSE;
  const CRect none(0, 0, 0, 0);
  if (!m_text.Create(text, WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX, none, this, IDC_WAIT_TEXT) ||
      !m_cancel.Create("Cancel", WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, none, this, IDCANCEL)) {
    DestroyWindow();
    return FALSE;
  }
  m_text.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()));
  m_cancel.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()));
  Layout();
  return TRUE;
}

void CWaitWnd::SetContent(const CString& title, const CString& text) {
  CString current;
  GetWindowText(current);
  if (current != title) SetWindowText(title);
  m_text.GetWindowText(current);
  if (current == text) return;
  m_text.SetWindowText(text);
  Layout();
}

void CWaitWnd::ShowCancel(BOOL bShow) {
  if (m_bCancelShown == bShow) return;
  m_bCancelShown = bShow;
  m_cancel.ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
  Layout();
}

void CWaitWnd::Layout() {
  CString text;
  m_text.GetWindowText(text);
  CRect textRect(0, 0, kTextWidth, 0);
  {
    CClientDC dc(&m_text);
    HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), GuiFont());
    dc.DrawText(text, textRect, DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    ::SelectObject(dc.GetSafeHdc(), old);
  }
  const int textHeight = std::max<int>(textRect.Height(), 16);
  int clientHeight = kMargin + textHeight + kMargin;
  m_text.MoveWindow(kMargin, kMargin, kTextWidth, textHeight, FALSE);
  if (m_bCancelShown) {
    m_cancel.MoveWindow(kMargin + (kTextWidth - kButtonWidth) / 2, clientHeight, kButtonWidth, kButtonHeight, FALSE);
    clientHeight += kButtonHeight + kMargin;
  }
  CRect window(0, 0, kMargin + kTextWidth + kMargin, clientHeight);
  ::AdjustWindowRectEx(window, kStyle, FALSE, WS_EX_DLGMODALFRAME);
  SetWindowPos(nullptr, 0, 0, window.Width(), window.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CenterWindow();
  Invalidate();
}

LRESULT CWaitWnd::OnProgress(WPARAM, LPARAM) {
  if (m_onProgress) m_onProgress();
  return 0;
}

void CWaitWnd::OnCancelClicked() { m_bCancelled = TRUE; }

}  // namespace utils::tasks
