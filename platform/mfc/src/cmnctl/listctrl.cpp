// The list view wrapper: the members that fill an item or column
// structure, read texts of any length, or hand out temporary objects.
#include "mfc/cmn_listctrl.h"

#include "cmnctl/control_text.h"
#include "cmnctl/create_control.h"
#include "cmnctl/image_list_of.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

AFX_IMPLEMENT_CONTROL_CREATE(CListCtrl, WC_LISTVIEW)

namespace {

LVITEM MakeItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState, UINT nStateMask,
                LPARAM lParam) {
  LVITEM item{};
  item.mask = nMask;
  item.iItem = nItem;
  item.iSubItem = nSubItem;
  item.pszText = const_cast<LPSTR>(lpszItem);
  item.iImage = nImage;
  item.state = nState;
  item.stateMask = nStateMask;
  item.lParam = lParam;
  return item;
}

}  // namespace

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem) {
  LVCOLUMN column{};
  column.mask = LVCF_TEXT | LVCF_FMT;
  column.pszText = const_cast<LPSTR>(lpszColumnHeading);
  column.fmt = nFormat;
  if (nWidth != -1) {
    column.mask |= LVCF_WIDTH;
    column.cx = nWidth;
  }
  if (nSubItem != -1) {
    column.mask |= LVCF_SUBITEM;
    column.iSubItem = nSubItem;
  }
  return InsertColumn(nCol, &column);
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
  return FromHandleAs<CHeaderCtrl>(reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)));
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                          LPARAM lParam) {
  LVITEM item = MakeItem(nItem, 0, nMask, lpszItem, nImage, nState, nStateMask, lParam);
  return InsertItem(&item);
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState, UINT nStateMask,
                        LPARAM lParam) {
  LVITEM item = MakeItem(nItem, nSubItem, nMask, lpszItem, nImage, nState, nStateMask, lParam);
  return SetItem(&item);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
  return afx::WholeControlText([&](LPTSTR buffer, int size) -> LPCTSTR {
    return GetItemText(nItem, nSubItem, buffer, size) < 0 ? nullptr : buffer;
  });
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const {
  if (lpszText == nullptr || nLen <= 0) return 0;
  LVITEM item{};
  item.iSubItem = nSubItem;
  item.pszText = lpszText;
  item.cchTextMax = nLen;
  lpszText[0] = '\0';
  return static_cast<int>(SendMessage(LVM_GETITEMTEXT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
  LVITEM item{};
  item.iSubItem = nSubItem;
  item.pszText = const_cast<LPSTR>(lpszText);
  return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
  LVITEM item{};
  item.mask = LVIF_PARAM;
  item.iItem = nItem;
  return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
  LVITEM item{};
  item.state = nState;
  item.stateMask = nMask;
  return SetItemState(nItem, &item);
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
  if (lpRect == nullptr) return FALSE;
  lpRect->left = static_cast<LONG>(nCode);
  return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(lpRect)));
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const {
  RECT rect{nArea, iSubItem, 0, 0};
  const BOOL found =
      static_cast<BOOL>(SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(iItem), reinterpret_cast<LPARAM>(&rect)));
  if (found) ref = rect;
  return found;
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const {
  LVHITTESTINFO info{};
  info.pt = pt;
  const int item = HitTest(&info);
  if (pFlags != nullptr) *pFlags = info.flags;
  return item;
}

POSITION CListCtrl::SelectedPosition(int nAfter) const {
  const int next = GetNextItem(nAfter, LVNI_SELECTED);
  return reinterpret_cast<POSITION>(static_cast<INT_PTR>(next + 1));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
  const int item = static_cast<int>(reinterpret_cast<INT_PTR>(pos)) - 1;
  pos = SelectedPosition(item);
  return item;
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
  return afx::ImageListOf(
      SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType), afx::ImageListHandle(pImageList)));
}

CImageList* CListCtrl::GetImageList(int nImageList) const {
  return afx::ImageListOf(SendMessage(LVM_GETIMAGELIST, static_cast<WPARAM>(nImageList)));
}

CEdit* CListCtrl::EditLabel(int nItem) {
  return FromHandleAs<CEdit>(reinterpret_cast<HWND>(SendMessage(LVM_EDITLABEL, static_cast<WPARAM>(nItem))));
}

CEdit* CListCtrl::GetEditControl() const {
  return FromHandleAs<CEdit>(reinterpret_cast<HWND>(SendMessage(LVM_GETEDITCONTROL)));
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return afx::DrawItemNotify(*this, message, lParam, pResult) || CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
