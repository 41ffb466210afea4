// The header control wrapper.
#include "mfc/cmn_header.h"

#include "cmnctl/create_control.h"
#include "cmnctl/image_list_of.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

AFX_IMPLEMENT_CONTROL_CREATE(CHeaderCtrl, WC_HEADER)

CImageList* CHeaderCtrl::SetImageList(CImageList* pImageList) {
  return afx::ImageListOf(SendMessage(HDM_SETIMAGELIST, 0, afx::ImageListHandle(pImageList)));
}

CImageList* CHeaderCtrl::GetImageList() const { return afx::ImageListOf(SendMessage(HDM_GETIMAGELIST)); }

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return afx::DrawItemNotify(*this, message, lParam, pResult) || CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
