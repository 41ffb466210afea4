// The tree view wrapper: the members that fill an item structure, read
// texts of any length, or hand out temporary objects.
#include "mfc/cmn_treectrl.h"

#include <cstring>

#include "cmnctl/control_text.h"
#include "cmnctl/create_control.h"
#include "cmnctl/image_list_of.h"

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

AFX_IMPLEMENT_CONTROL_CREATE(CTreeCtrl, WC_TREEVIEW)

namespace {

TVITEM MakeItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                UINT nStateMask, LPARAM lParam) {
  TVITEM item{};
  item.mask = nMask;
  item.hItem = hItem;
  item.pszText = const_cast<LPSTR>(lpszItem);
  item.iImage = nImage;
  item.iSelectedImage = nSelectedImage;
  item.state = nState;
  item.stateMask = nStateMask;
  item.lParam = lParam;
  return item;
}

}  // namespace

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter) {
  TVINSERTSTRUCT insert{};
  insert.hParent = hParent;
  insert.hInsertAfter = hInsertAfter;
  insert.item = MakeItem(nullptr, nMask, lpszItem, nImage, nSelectedImage, nState, nStateMask, lParam);
  return InsertItem(&insert);
}

BOOL CTreeCtrl::SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                        UINT nStateMask, LPARAM lParam) {
  TVITEM item = MakeItem(hItem, nMask | TVIF_HANDLE, lpszItem, nImage, nSelectedImage, nState, nStateMask, lParam);
  return SetItem(&item);
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const {
  TVITEM item = MakeItem(hItem, TVIF_HANDLE | TVIF_CHILDREN, nullptr, 0, 0, 0, 0, 0);
  return GetItem(&item) && item.cChildren != 0;
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const {
  return afx::WholeControlText([&](LPTSTR buffer, int size) -> LPCTSTR {
    TVITEM item = MakeItem(hItem, TVIF_HANDLE | TVIF_TEXT, buffer, 0, 0, 0, 0, 0);
    item.cchTextMax = size;
    return GetItem(&item) ? item.pszText : nullptr;
  });
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
  TVITEM item = MakeItem(hItem, TVIF_HANDLE | TVIF_PARAM, nullptr, 0, 0, 0, 0, 0);
  return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const {
  TVITEM item = MakeItem(hItem, TVIF_HANDLE | TVIF_IMAGE | TVIF_SELECTEDIMAGE, nullptr, 0, 0, 0, 0, 0);
  if (!GetItem(&item)) return FALSE;
  nImage = item.iImage;
  nSelectedImage = item.iSelectedImage;
  return TRUE;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const {
  if (lpRect == nullptr) return FALSE;
  // The message takes the item in the rectangle's first bytes.
  std::memcpy(lpRect, &hItem, sizeof hItem);
  return static_cast<BOOL>(
      SendMessage(TVM_GETITEMRECT, static_cast<WPARAM>(bTextOnly), reinterpret_cast<LPARAM>(lpRect)));
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const {
  TVHITTESTINFO info{};
  info.pt = pt;
  HTREEITEM item = HitTest(&info);
  if (pFlags != nullptr) *pFlags = info.flags;
  return item;
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
  return afx::ImageListOf(
      SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType), afx::ImageListHandle(pImageList)));
}

CImageList* CTreeCtrl::GetImageList(UINT nImageList) const {
  return afx::ImageListOf(SendMessage(TVM_GETIMAGELIST, nImageList));
}

CEdit* CTreeCtrl::EditLabel(HTREEITEM hItem) {
  return FromHandleAs<CEdit>(reinterpret_cast<HWND>(SendMessage(TVM_EDITLABEL, 0, reinterpret_cast<LPARAM>(hItem))));
}

CEdit* CTreeCtrl::GetEditControl() const {
  return FromHandleAs<CEdit>(reinterpret_cast<HWND>(SendMessage(TVM_GETEDITCONTROL)));
}
