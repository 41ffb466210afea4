// The tooltip wrapper: the tool structures its members fill.
#include "mfc/cmn_tooltip.h"

#include "cmnctl/control_text.h"
#include "mfc/modulestate.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {

// The module holding string `nIDText`: strings are stored sixteen a block.
HINSTANCE StringModule(UINT nIDText) { return AfxFindResourceHandle(MAKEINTRESOURCE((nIDText >> 4) + 1), RT_STRING); }

}  // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) { return CreateEx(pParentWnd, dwStyle, 0); }

BOOL CToolTipCtrl::CreateEx(CWnd* pParentWnd, DWORD dwStyle, DWORD dwStyleEx) {
  return CWnd::CreateEx(dwStyleEx, TOOLTIPS_CLASS, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr,
                        nullptr);
}

TOOLINFO CToolTipCtrl::ToolInfo(CWnd* pWnd, UINT_PTR nIDTool) const {
  TOOLINFO info{};
  info.cbSize = sizeof info;
  const HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
  if (nIDTool == 0) {
    info.hwnd = ::GetParent(hWnd);
    info.uFlags = TTF_IDISHWND;
    info.uId = reinterpret_cast<UINT_PTR>(hWnd);
  } else {
    info.hwnd = hWnd;
    info.uId = nIDTool;
  }
  return info;
}

BOOL CToolTipCtrl::AddToolText(CWnd* pWnd, LPCRECT lpRectTool, UINT_PTR nIDTool, HINSTANCE hinst, LPCTSTR text) {
  if (pWnd == nullptr) return FALSE;
  TOOLINFO info = ToolInfo(pWnd, nIDTool);
  if (lpRectTool != nullptr) {
    info.rect = *lpRectTool;
  } else if (nIDTool != 0) {
    pWnd->GetClientRect(&info.rect);
  }
  info.hinst = hinst;
  info.lpszText = const_cast<LPSTR>(text);
  return static_cast<BOOL>(SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  return AddToolText(pWnd, lpRectTool, nIDTool, nullptr, lpszText);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  return AddToolText(pWnd, lpRectTool, nIDTool, StringModule(nIDText), MAKEINTRESOURCE(nIDText));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
  TOOLINFO info = ToolInfo(pWnd, nIDTool);
  SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateText(CWnd* pWnd, UINT_PTR nIDTool, HINSTANCE hinst, LPCTSTR text) {
  TOOLINFO info = ToolInfo(pWnd, nIDTool);
  info.hinst = hinst;
  info.lpszText = const_cast<LPSTR>(text);
  SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
  UpdateText(pWnd, nIDTool, nullptr, lpszText);
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool) {
  UpdateText(pWnd, nIDTool, StringModule(nIDText), MAKEINTRESOURCE(nIDText));
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
  str = afx::WholeControlText([&](LPTSTR buffer, int size) -> LPCTSTR {
    TOOLINFO info = ToolInfo(pWnd, nIDTool);
    info.lpszText = buffer;
    SendMessage(TTM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(&info));
    return buffer;
  });
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect) {
  if (lpRect == nullptr) return;
  TOOLINFO info = ToolInfo(pWnd, nIDTool);
  info.rect = *lpRect;
  SendMessage(TTM_NEWTOOLRECT, 0, reinterpret_cast<LPARAM>(&info));
}
