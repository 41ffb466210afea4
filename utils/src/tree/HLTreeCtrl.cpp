// HLTreeCtrl: placement over a dialog's placeholder, ratio columns, look-up.
#include "HLTreeCtrl.h"

IMPLEMENT_DYNAMIC(HLTreeCtrl, SECTreeCtrl)

HLTreeCtrl::HLTreeCtrl() { ModifyTreeCtrlStyles(0, TVXS_COLUMNHEADER | TVXS_MULTISEL); }

HLTreeCtrl::~HLTreeCtrl() = default;

BOOL HLTreeCtrl::ReplaceControl(CWnd* pParent, UINT nID, DWORD dwStyle) {
  if (pParent == nullptr || pParent->GetSafeHwnd() == nullptr || GetSafeHwnd() != nullptr) return FALSE;
  HWND placeholder = ::GetDlgItem(pParent->GetSafeHwnd(), static_cast<int>(nID));
  if (placeholder == nullptr) return FALSE;
  CRect rect;
  ::GetWindowRect(placeholder, rect);
  pParent->ScreenToClient(rect);
  if (!Create(dwStyle, rect, pParent, nID)) return FALSE;
  // Take the placeholder's turn in the tab order, then its font.
  ::SetWindowPos(GetSafeHwnd(), placeholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (HFONT font = reinterpret_cast<HFONT>(::SendMessage(placeholder, WM_GETFONT, 0, 0)))
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  ::DestroyWindow(placeholder);
  return TRUE;
}

int HLTreeCtrl::AddColumn(LPCTSTR lpszHeading, double dRatio, int nExtra, int nFormat) {
  const int column = InsertColumn(GetColumnCount(), lpszHeading, nFormat);
  if (column >= 0) SetColumnWidthRatio(column, dRatio, nExtra);
  return column;
}

HTREEITEM HLTreeCtrl::FindChildItem(HTREEITEM hParent, LPCTSTR lpszText, int nCol) const {
  if (lpszText == nullptr) return nullptr;
  HTREEITEM child = hParent == TVI_ROOT || hParent == nullptr ? GetRootItem() : GetChildItem(hParent);
  for (; child != nullptr; child = GetNextSiblingItem(child))
    if (GetItemText(child, nCol).CompareNoCase(lpszText) == 0) return child;
  return nullptr;
}
