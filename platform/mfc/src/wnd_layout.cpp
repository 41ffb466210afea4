// CWnd::RepositionBars: the control-bar layout of frames and dialogs.
#include "afxwin.h"
#include "mfc/layout.h"

void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect) {
  if (hWnd == nullptr || lpRect == nullptr || (lpLayout != nullptr && lpLayout->bQuery)) return;
  RECT current{};
  ::GetWindowRect(hWnd, &current);
  HWND parent = ::GetParent(hWnd);
  if (parent != nullptr) ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&current), 2);
  if (::EqualRect(&current, lpRect)) return;
  ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                 SWP_NOACTIVATE | SWP_NOZORDER);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch) {
  AFX_SIZEPARENTPARAMS layout{};
  layout.bStretch = bStretch;
  layout.bQuery = nFlag == reposQuery;
  if (lpRectClient != nullptr)
    layout.rect = *lpRectClient;
  else
    GetClientRect(&layout.rect);

  HWND leftOver = nullptr;
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const UINT id = static_cast<UINT>(::GetDlgCtrlID(child));
    if (id == nIDLeftOver)
      leftOver = child;
    else if (id >= nIDFirst && id <= nIDLast && CWnd::FromHandlePermanent(child) != nullptr)
      ::SendMessage(child, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
  }

  if (nFlag == reposQuery) {
    if (lpRectParam == nullptr) return;
    if (bStretch) {
      ::CopyRect(lpRectParam, &layout.rect);
    } else {
      lpRectParam->left = lpRectParam->top = 0;
      lpRectParam->right = layout.sizeTotal.cx;
      lpRectParam->bottom = layout.sizeTotal.cy;
    }
    return;
  }
  if (nIDLeftOver == 0 || leftOver == nullptr) return;
  if (nFlag == reposExtra && lpRectParam != nullptr) {
    layout.rect.left += lpRectParam->left;
    layout.rect.top += lpRectParam->top;
    layout.rect.right -= lpRectParam->right;
    layout.rect.bottom -= lpRectParam->bottom;
  }
  CWnd* pLeftOver = CWnd::FromHandle(leftOver);
  pLeftOver->CalcWindowRect(&layout.rect);
  AfxRepositionWindow(&layout, leftOver, &layout.rect);
}
