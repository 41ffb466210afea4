// The tree view common control ("SysTreeView32"): items in a hierarchy with
// lines, expand buttons, selection and in-place label editing. Text is
// 8-bit, so the W forms of the messages and notifications are not answered.
#pragma once

#include "win32/cc_common.h"
#include "win32/cc_imagelist.h"

#define WC_TREEVIEWA "SysTreeView32"
#define WC_TREEVIEW WC_TREEVIEWA

typedef struct _TREEITEM* HTREEITEM;

#define TVS_HASBUTTONS 0x0001
#define TVS_HASLINES 0x0002
#define TVS_LINESATROOT 0x0004
#define TVS_EDITLABELS 0x0008
#define TVS_DISABLEDRAGDROP 0x0010
#define TVS_SHOWSELALWAYS 0x0020
#define TVS_RTLREADING 0x0040
#define TVS_NOTOOLTIPS 0x0080
#define TVS_CHECKBOXES 0x0100
#define TVS_TRACKSELECT 0x0200
#define TVS_SINGLEEXPAND 0x0400
#define TVS_INFOTIP 0x0800
#define TVS_FULLROWSELECT 0x1000
#define TVS_NOSCROLL 0x2000
#define TVS_NONEVENHEIGHT 0x4000
#define TVS_NOHSCROLL 0x8000

#define TVIF_TEXT 0x0001
#define TVIF_IMAGE 0x0002
#define TVIF_PARAM 0x0004
#define TVIF_STATE 0x0008
#define TVIF_HANDLE 0x0010
#define TVIF_SELECTEDIMAGE 0x0020
#define TVIF_CHILDREN 0x0040
#define TVIF_INTEGRAL 0x0080
#define TVIF_DI_SETITEM 0x1000

#define TVIS_SELECTED 0x0002
#define TVIS_CUT 0x0004
#define TVIS_DROPHILITED 0x0008
#define TVIS_BOLD 0x0010
#define TVIS_EXPANDED 0x0020
#define TVIS_EXPANDEDONCE 0x0040
#define TVIS_EXPANDPARTIAL 0x0080
#define TVIS_OVERLAYMASK 0x0F00
#define TVIS_STATEIMAGEMASK 0xF000
#define TVIS_USERMASK 0xF000

#define INDEXTOSTATEIMAGEMASK(i) ((UINT)(i) << 12)
#define STATEIMAGEMASKTOINDEX(s) ((((UINT)(s)) & TVIS_STATEIMAGEMASK) >> 12)

#define I_CHILDRENCALLBACK (-1)

typedef struct tagTVITEMA {
  UINT mask;
  HTREEITEM hItem;
  UINT state;
  UINT stateMask;
  LPSTR pszText;
  int cchTextMax;
  int iImage;
  int iSelectedImage;
  int cChildren;
  LPARAM lParam;
} TVITEMA, *LPTVITEMA, TVITEM, *LPTVITEM, TV_ITEMA, TV_ITEM, *LPTV_ITEM;

typedef struct tagTVITEMEXA {
  UINT mask;
  HTREEITEM hItem;
  UINT state;
  UINT stateMask;
  LPSTR pszText;
  int cchTextMax;
  int iImage;
  int iSelectedImage;
  int cChildren;
  LPARAM lParam;
  int iIntegral;
} TVITEMEXA, *LPTVITEMEXA, TVITEMEX, *LPTVITEMEX;

#define TVI_ROOT ((HTREEITEM)(ULONG_PTR)-0x10000)
#define TVI_FIRST ((HTREEITEM)(ULONG_PTR)-0x0FFFF)
#define TVI_LAST ((HTREEITEM)(ULONG_PTR)-0x0FFFE)
#define TVI_SORT ((HTREEITEM)(ULONG_PTR)-0x0FFFD)

typedef struct tagTVINSERTSTRUCTA {
  HTREEITEM hParent;
  HTREEITEM hInsertAfter;
  union {
    TVITEMEXA itemex;
    TVITEMA item;
  };
} TVINSERTSTRUCTA, *LPTVINSERTSTRUCTA, TVINSERTSTRUCT, *LPTVINSERTSTRUCT, TV_INSERTSTRUCTA, TV_INSERTSTRUCT,
    *LPTV_INSERTSTRUCT;

#define TV_FIRST 0x1100
#define TVM_INSERTITEMA (TV_FIRST + 0)
#define TVM_INSERTITEM TVM_INSERTITEMA
#define TVM_DELETEITEM (TV_FIRST + 1)
#define TVM_EXPAND (TV_FIRST + 2)
#define TVM_GETITEMRECT (TV_FIRST + 4)
#define TVM_GETCOUNT (TV_FIRST + 5)
#define TVM_GETINDENT (TV_FIRST + 6)
#define TVM_SETINDENT (TV_FIRST + 7)
#define TVM_GETIMAGELIST (TV_FIRST + 8)
#define TVM_SETIMAGELIST (TV_FIRST + 9)
#define TVM_GETNEXTITEM (TV_FIRST + 10)
#define TVM_SELECTITEM (TV_FIRST + 11)
#define TVM_GETITEMA (TV_FIRST + 12)
#define TVM_GETITEM TVM_GETITEMA
#define TVM_SETITEMA (TV_FIRST + 13)
#define TVM_SETITEM TVM_SETITEMA
#define TVM_EDITLABELA (TV_FIRST + 14)
#define TVM_EDITLABEL TVM_EDITLABELA
#define TVM_GETEDITCONTROL (TV_FIRST + 15)
#define TVM_GETVISIBLECOUNT (TV_FIRST + 16)
#define TVM_HITTEST (TV_FIRST + 17)
#define TVM_CREATEDRAGIMAGE (TV_FIRST + 18)
#define TVM_SORTCHILDREN (TV_FIRST + 19)
#define TVM_ENSUREVISIBLE (TV_FIRST + 20)
#define TVM_SORTCHILDRENCB (TV_FIRST + 21)
#define TVM_ENDEDITLABELNOW (TV_FIRST + 22)
#define TVM_GETISEARCHSTRINGA (TV_FIRST + 23)
#define TVM_GETISEARCHSTRING TVM_GETISEARCHSTRINGA
#define TVM_SETITEMHEIGHT (TV_FIRST + 27)
#define TVM_GETITEMHEIGHT (TV_FIRST + 28)
#define TVM_SETBKCOLOR (TV_FIRST + 29)
#define TVM_SETTEXTCOLOR (TV_FIRST + 30)
#define TVM_GETBKCOLOR (TV_FIRST + 31)
#define TVM_GETTEXTCOLOR (TV_FIRST + 32)
#define TVM_GETITEMSTATE (TV_FIRST + 39)
#define TVM_SETLINECOLOR (TV_FIRST + 40)
#define TVM_GETLINECOLOR (TV_FIRST + 41)

// TVM_EXPAND actions.
#define TVE_COLLAPSE 0x0001
#define TVE_EXPAND 0x0002
#define TVE_TOGGLE 0x0003
#define TVE_EXPANDPARTIAL 0x4000
#define TVE_COLLAPSERESET 0x8000
#define TVE_ACTIONMASK 0x0003

// TVM_GETNEXTITEM and TVM_SELECTITEM relations.
#define TVGN_ROOT 0x0000
#define TVGN_NEXT 0x0001
#define TVGN_PREVIOUS 0x0002
#define TVGN_PARENT 0x0003
#define TVGN_CHILD 0x0004
#define TVGN_FIRSTVISIBLE 0x0005
#define TVGN_NEXTVISIBLE 0x0006
#define TVGN_PREVIOUSVISIBLE 0x0007
#define TVGN_DROPHILITE 0x0008
#define TVGN_CARET 0x0009
#define TVGN_LASTVISIBLE 0x000A
#define TVSI_NOSINGLEEXPAND 0x8000

// TVM_SETIMAGELIST kinds.
#define TVSIL_NORMAL 0
#define TVSIL_STATE 2

typedef struct tagTVHITTESTINFO {
  POINT pt;
  UINT flags;
  HTREEITEM hItem;
} TVHITTESTINFO, *LPTVHITTESTINFO, TV_HITTESTINFO, *LPTV_HITTESTINFO;

#define TVHT_NOWHERE 0x0001
#define TVHT_ONITEMICON 0x0002
#define TVHT_ONITEMLABEL 0x0004
#define TVHT_ONITEMINDENT 0x0008
#define TVHT_ONITEMBUTTON 0x0010
#define TVHT_ONITEMRIGHT 0x0020
#define TVHT_ONITEMSTATEICON 0x0040
#define TVHT_ONITEM (TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON)
#define TVHT_ABOVE 0x0100
#define TVHT_BELOW 0x0200
#define TVHT_TORIGHT 0x0400
#define TVHT_TOLEFT 0x0800

typedef int(CALLBACK* PFNTVCOMPARE)(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

typedef struct tagTVSORTCB {
  HTREEITEM hParent;
  PFNTVCOMPARE lpfnCompare;
  LPARAM lParam;
} TVSORTCB, *LPTVSORTCB, TV_SORTCB, *LPTV_SORTCB;

// Notifications (WM_NOTIFY).
#define TVN_SELCHANGINGA (TVN_FIRST - 1)
#define TVN_SELCHANGING TVN_SELCHANGINGA
#define TVN_SELCHANGEDA (TVN_FIRST - 2)
#define TVN_SELCHANGED TVN_SELCHANGEDA
#define TVN_GETDISPINFOA (TVN_FIRST - 3)
#define TVN_GETDISPINFO TVN_GETDISPINFOA
#define TVN_SETDISPINFOA (TVN_FIRST - 4)
#define TVN_SETDISPINFO TVN_SETDISPINFOA
#define TVN_ITEMEXPANDINGA (TVN_FIRST - 5)
#define TVN_ITEMEXPANDING TVN_ITEMEXPANDINGA
#define TVN_ITEMEXPANDEDA (TVN_FIRST - 6)
#define TVN_ITEMEXPANDED TVN_ITEMEXPANDEDA
#define TVN_BEGINDRAGA (TVN_FIRST - 7)
#define TVN_BEGINDRAG TVN_BEGINDRAGA
#define TVN_BEGINRDRAGA (TVN_FIRST - 8)
#define TVN_BEGINRDRAG TVN_BEGINRDRAGA
#define TVN_DELETEITEMA (TVN_FIRST - 9)
#define TVN_DELETEITEM TVN_DELETEITEMA
#define TVN_BEGINLABELEDITA (TVN_FIRST - 10)
#define TVN_BEGINLABELEDIT TVN_BEGINLABELEDITA
#define TVN_ENDLABELEDITA (TVN_FIRST - 11)
#define TVN_ENDLABELEDIT TVN_ENDLABELEDITA
#define TVN_KEYDOWN (TVN_FIRST - 12)

// NMTREEVIEW actions of TVN_SELCHANGING / TVN_SELCHANGED.
#define TVC_UNKNOWN 0x0000
#define TVC_BYMOUSE 0x0001
#define TVC_BYKEYBOARD 0x0002

typedef struct tagNMTREEVIEWA {
  NMHDR hdr;
  UINT action;
  TVITEMA itemOld;
  TVITEMA itemNew;
  POINT ptDrag;
} NMTREEVIEWA, *LPNMTREEVIEWA, NMTREEVIEW, *LPNMTREEVIEW, NM_TREEVIEWA, NM_TREEVIEW, *LPNM_TREEVIEW;

typedef struct tagTVDISPINFOA {
  NMHDR hdr;
  TVITEMA item;
} NMTVDISPINFOA, *LPNMTVDISPINFOA, NMTVDISPINFO, *LPNMTVDISPINFO, TV_DISPINFOA, TV_DISPINFO;

typedef struct tagTVKEYDOWN {
  NMHDR hdr;
  WORD wVKey;
  UINT flags;
} NMTVKEYDOWN, *LPNMTVKEYDOWN, TV_KEYDOWN;

// Message wrappers. Functions, so that a call whose answer is not used
// compiles cleanly.
inline HTREEITEM TreeView_InsertItem(HWND hwnd, const TVINSERTSTRUCT* lpis) {
  return (HTREEITEM)SendMessage(hwnd, TVM_INSERTITEM, 0, (LPARAM)lpis);
}
inline BOOL TreeView_DeleteItem(HWND hwnd, HTREEITEM hitem) {
  return (BOOL)SendMessage(hwnd, TVM_DELETEITEM, 0, (LPARAM)hitem);
}
inline BOOL TreeView_DeleteAllItems(HWND hwnd) { return (BOOL)SendMessage(hwnd, TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT); }
inline BOOL TreeView_Expand(HWND hwnd, HTREEITEM hitem, UINT code) {
  return (BOOL)SendMessage(hwnd, TVM_EXPAND, (WPARAM)code, (LPARAM)hitem);
}
inline BOOL TreeView_GetItemRect(HWND hwnd, HTREEITEM hitem, RECT* prc, BOOL code) {
  *(HTREEITEM*)prc = hitem;
  return (BOOL)SendMessage(hwnd, TVM_GETITEMRECT, (WPARAM)code, (LPARAM)prc);
}
inline UINT TreeView_GetCount(HWND hwnd) { return (UINT)SendMessage(hwnd, TVM_GETCOUNT, 0, 0); }
inline UINT TreeView_GetIndent(HWND hwnd) { return (UINT)SendMessage(hwnd, TVM_GETINDENT, 0, 0); }
inline BOOL TreeView_SetIndent(HWND hwnd, int indent) {
  return (BOOL)SendMessage(hwnd, TVM_SETINDENT, (WPARAM)indent, 0);
}
#define TreeView_GetImageList(hwnd, iImage) ((HIMAGELIST)SendMessage((hwnd), TVM_GETIMAGELIST, (WPARAM)(iImage), 0))
#define TreeView_SetImageList(hwnd, himl, iImage) \
  ((HIMAGELIST)SendMessage((hwnd), TVM_SETIMAGELIST, (WPARAM)(iImage), (LPARAM)(himl)))
inline HTREEITEM TreeView_GetNextItem(HWND hwnd, HTREEITEM hitem, UINT code) {
  return (HTREEITEM)SendMessage(hwnd, TVM_GETNEXTITEM, (WPARAM)code, (LPARAM)hitem);
}
inline HTREEITEM TreeView_GetChild(HWND hwnd, HTREEITEM hitem) { return TreeView_GetNextItem(hwnd, hitem, TVGN_CHILD); }
inline HTREEITEM TreeView_GetNextSibling(HWND hwnd, HTREEITEM hitem) {
  return TreeView_GetNextItem(hwnd, hitem, TVGN_NEXT);
}
inline HTREEITEM TreeView_GetPrevSibling(HWND hwnd, HTREEITEM hitem) {
  return TreeView_GetNextItem(hwnd, hitem, TVGN_PREVIOUS);
}
inline HTREEITEM TreeView_GetParent(HWND hwnd, HTREEITEM hitem) {
  return TreeView_GetNextItem(hwnd, hitem, TVGN_PARENT);
}
inline HTREEITEM TreeView_GetFirstVisible(HWND hwnd) { return TreeView_GetNextItem(hwnd, NULL, TVGN_FIRSTVISIBLE); }
inline HTREEITEM TreeView_GetNextVisible(HWND hwnd, HTREEITEM hitem) {
  return TreeView_GetNextItem(hwnd, hitem, TVGN_NEXTVISIBLE);
}
inline HTREEITEM TreeView_GetPrevVisible(HWND hwnd, HTREEITEM hitem) {
  return TreeView_GetNextItem(hwnd, hitem, TVGN_PREVIOUSVISIBLE);
}
inline HTREEITEM TreeView_GetLastVisible(HWND hwnd) { return TreeView_GetNextItem(hwnd, NULL, TVGN_LASTVISIBLE); }
inline HTREEITEM TreeView_GetSelection(HWND hwnd) { return TreeView_GetNextItem(hwnd, NULL, TVGN_CARET); }
inline HTREEITEM TreeView_GetDropHilight(HWND hwnd) { return TreeView_GetNextItem(hwnd, NULL, TVGN_DROPHILITE); }
inline HTREEITEM TreeView_GetRoot(HWND hwnd) { return TreeView_GetNextItem(hwnd, NULL, TVGN_ROOT); }
inline BOOL TreeView_Select(HWND hwnd, HTREEITEM hitem, UINT code) {
  return (BOOL)SendMessage(hwnd, TVM_SELECTITEM, (WPARAM)code, (LPARAM)hitem);
}
inline BOOL TreeView_SelectItem(HWND hwnd, HTREEITEM hitem) { return TreeView_Select(hwnd, hitem, TVGN_CARET); }
inline BOOL TreeView_SelectDropTarget(HWND hwnd, HTREEITEM hitem) {
  return TreeView_Select(hwnd, hitem, TVGN_DROPHILITE);
}
inline BOOL TreeView_SelectSetFirstVisible(HWND hwnd, HTREEITEM hitem) {
  return TreeView_Select(hwnd, hitem, TVGN_FIRSTVISIBLE);
}
inline BOOL TreeView_GetItem(HWND hwnd, TVITEM* pitem) {
  return (BOOL)SendMessage(hwnd, TVM_GETITEM, 0, (LPARAM)pitem);
}
inline BOOL TreeView_SetItem(HWND hwnd, const TVITEM* pitem) {
  return (BOOL)SendMessage(hwnd, TVM_SETITEM, 0, (LPARAM)pitem);
}
inline HWND TreeView_EditLabel(HWND hwnd, HTREEITEM hitem) {
  return (HWND)SendMessage(hwnd, TVM_EDITLABEL, 0, (LPARAM)hitem);
}
inline HWND TreeView_GetEditControl(HWND hwnd) { return (HWND)SendMessage(hwnd, TVM_GETEDITCONTROL, 0, 0); }
inline UINT TreeView_GetVisibleCount(HWND hwnd) { return (UINT)SendMessage(hwnd, TVM_GETVISIBLECOUNT, 0, 0); }
inline HTREEITEM TreeView_HitTest(HWND hwnd, TVHITTESTINFO* lpht) {
  return (HTREEITEM)SendMessage(hwnd, TVM_HITTEST, 0, (LPARAM)lpht);
}
inline BOOL TreeView_SortChildren(HWND hwnd, HTREEITEM hitem, BOOL recurse) {
  return (BOOL)SendMessage(hwnd, TVM_SORTCHILDREN, (WPARAM)recurse, (LPARAM)hitem);
}
inline BOOL TreeView_EnsureVisible(HWND hwnd, HTREEITEM hitem) {
  return (BOOL)SendMessage(hwnd, TVM_ENSUREVISIBLE, 0, (LPARAM)hitem);
}
inline BOOL TreeView_SortChildrenCB(HWND hwnd, const TVSORTCB* psort, BOOL recurse) {
  return (BOOL)SendMessage(hwnd, TVM_SORTCHILDRENCB, (WPARAM)recurse, (LPARAM)psort);
}
inline BOOL TreeView_EndEditLabelNow(HWND hwnd, BOOL fCancel) {
  return (BOOL)SendMessage(hwnd, TVM_ENDEDITLABELNOW, (WPARAM)fCancel, 0);
}
inline int TreeView_SetItemHeight(HWND hwnd, int iHeight) {
  return (int)SendMessage(hwnd, TVM_SETITEMHEIGHT, (WPARAM)iHeight, 0);
}
inline int TreeView_GetItemHeight(HWND hwnd) { return (int)SendMessage(hwnd, TVM_GETITEMHEIGHT, 0, 0); }
inline COLORREF TreeView_SetBkColor(HWND hwnd, COLORREF clr) {
  return (COLORREF)SendMessage(hwnd, TVM_SETBKCOLOR, 0, (LPARAM)clr);
}
inline COLORREF TreeView_SetTextColor(HWND hwnd, COLORREF clr) {
  return (COLORREF)SendMessage(hwnd, TVM_SETTEXTCOLOR, 0, (LPARAM)clr);
}
inline COLORREF TreeView_GetBkColor(HWND hwnd) { return (COLORREF)SendMessage(hwnd, TVM_GETBKCOLOR, 0, 0); }
inline COLORREF TreeView_GetTextColor(HWND hwnd) { return (COLORREF)SendMessage(hwnd, TVM_GETTEXTCOLOR, 0, 0); }
inline UINT TreeView_GetItemState(HWND hwnd, HTREEITEM hti, UINT mask) {
  return (UINT)SendMessage(hwnd, TVM_GETITEMSTATE, (WPARAM)hti, (LPARAM)mask);
}
inline BOOL TreeView_SetItemState(HWND hwnd, HTREEITEM hti, UINT data, UINT mask) {
  TVITEM item{};
  item.mask = TVIF_STATE;
  item.hItem = hti;
  item.stateMask = mask;
  item.state = data;
  return TreeView_SetItem(hwnd, &item);
}
inline UINT TreeView_GetCheckState(HWND hwnd, HTREEITEM hti) {
  return (TreeView_GetItemState(hwnd, hti, TVIS_STATEIMAGEMASK) >> 12) - 1;
}
inline BOOL TreeView_SetCheckState(HWND hwnd, HTREEITEM hti, BOOL fCheck) {
  return TreeView_SetItemState(hwnd, hti, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), TVIS_STATEIMAGEMASK);
}
