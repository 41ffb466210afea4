// The tab control wrapper.
#include "mfc/cmn_tabctrl.h"

#include "cmnctl/create_control.h"
#include "cmnctl/image_list_of.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

AFX_IMPLEMENT_CONTROL_CREATE(CTabCtrl, WC_TABCONTROL)

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam) {
  TCITEM item{};
  item.mask = nMask;
  item.pszText = const_cast<LPSTR>(lpszItem);
  item.iImage = nImage;
  item.lParam = lParam;
  return InsertItem(nItem, &item);
}

CSize CTabCtrl::SetItemSize(CSize size) {
  const auto previous = static_cast<DWORD>(SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy)));
  return CSize(LOWORD(previous), HIWORD(previous));
}

CImageList* CTabCtrl::SetImageList(CImageList* pImageList) {
  return afx::ImageListOf(SendMessage(TCM_SETIMAGELIST, 0, afx::ImageListHandle(pImageList)));
}

CImageList* CTabCtrl::GetImageList() const { return afx::ImageListOf(SendMessage(TCM_GETIMAGELIST)); }

void CTabCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CTabCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return afx::DrawItemNotify(*this, message, lParam, pResult) || CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
