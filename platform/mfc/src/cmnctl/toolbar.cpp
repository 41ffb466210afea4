// The toolbar wrapper.
#include "mfc/cmn_toolbar.h"

#include "cmnctl/create_control.h"
#include "mfc/modulestate.h"

IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateEx(0, dwStyle, rect, pParentWnd, nID);
}

BOOL CToolBarCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  if (!afx::CreateCommonControl(*this, TOOLBARCLASSNAME, dwExStyle, dwStyle, rect, pParentWnd, nID)) return FALSE;
  SetButtonStructSize(sizeof(TBBUTTON));
  return TRUE;
}

int CToolBarCtrl::AddBitmap(int nNumButtons, UINT nBitmapID) {
  TBADDBITMAP add{AfxFindResourceHandle(MAKEINTRESOURCE(nBitmapID), RT_BITMAP), nBitmapID};
  return static_cast<int>(SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(nNumButtons), reinterpret_cast<LPARAM>(&add)));
}

int CToolBarCtrl::AddBitmap(int nNumButtons, CBitmap* pBitmap) {
  if (pBitmap == nullptr) return -1;
  TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(pBitmap->GetSafeHandle())};
  return static_cast<int>(SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(nNumButtons), reinterpret_cast<LPARAM>(&add)));
}

CSize CToolBarCtrl::GetButtonSize() const {
  const auto size = static_cast<DWORD>(SendMessage(TB_GETBUTTONSIZE));
  return CSize(LOWORD(size), HIWORD(size));
}

CToolTipCtrl* CToolBarCtrl::GetToolTips() const {
  return FromHandleAs<CToolTipCtrl>(reinterpret_cast<HWND>(SendMessage(TB_GETTOOLTIPS)));
}
