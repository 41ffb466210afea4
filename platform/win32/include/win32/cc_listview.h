// The list view control ("SysListView32"): rows of items with subitems
// under a header; report mode (the other views draw as a report).
#pragma once

#include "win32/cc_common.h"
#include "win32/cc_header.h"
#include "win32/cc_imagelist.h"

#define WC_LISTVIEW "SysListView32"
#define WC_LISTVIEWA WC_LISTVIEW

#define ODT_LISTVIEW 102

#define LVS_ICON 0x0000
#define LVS_REPORT 0x0001
#define LVS_SMALLICON 0x0002
#define LVS_LIST 0x0003
#define LVS_TYPEMASK 0x0003
#define LVS_SINGLESEL 0x0004
#define LVS_SHOWSELALWAYS 0x0008
#define LVS_SORTASCENDING 0x0010
#define LVS_SORTDESCENDING 0x0020
#define LVS_SHAREIMAGELISTS 0x0040
#define LVS_NOLABELWRAP 0x0080
#define LVS_AUTOARRANGE 0x0100
#define LVS_EDITLABELS 0x0200
#define LVS_OWNERDRAWFIXED 0x0400
#define LVS_ALIGNTOP 0x0000
#define LVS_ALIGNLEFT 0x0800
#define LVS_OWNERDATA 0x1000
#define LVS_NOSCROLL 0x2000
#define LVS_NOCOLUMNHEADER 0x4000
#define LVS_NOSORTHEADER 0x8000

#define LVS_EX_GRIDLINES 0x00000001
#define LVS_EX_SUBITEMIMAGES 0x00000002
#define LVS_EX_CHECKBOXES 0x00000004
#define LVS_EX_TRACKSELECT 0x00000008
#define LVS_EX_HEADERDRAGDROP 0x00000010
#define LVS_EX_FULLROWSELECT 0x00000020
#define LVS_EX_ONECLICKACTIVATE 0x00000040
#define LVS_EX_TWOCLICKACTIVATE 0x00000080
#define LVS_EX_FLATSB 0x00000100
#define LVS_EX_INFOTIP 0x00000400
#define LVS_EX_LABELTIP 0x00004000
#define LVS_EX_DOUBLEBUFFER 0x00010000

#define LVSIL_NORMAL 0
#define LVSIL_SMALL 1
#define LVSIL_STATE 2

#define LVIF_TEXT 0x0001
#define LVIF_IMAGE 0x0002
#define LVIF_PARAM 0x0004
#define LVIF_STATE 0x0008
#define LVIF_INDENT 0x0010
#define LVIF_NORECOMPUTE 0x0800
#define LVIF_DI_SETITEM 0x1000

#define LVIS_FOCUSED 0x0001
#define LVIS_SELECTED 0x0002
#define LVIS_CUT 0x0004
#define LVIS_DROPHILITED 0x0008
#define LVIS_OVERLAYMASK 0x0F00
#define LVIS_STATEIMAGEMASK 0xF000

#define LVNI_ALL 0x0000
#define LVNI_FOCUSED 0x0001
#define LVNI_SELECTED 0x0002
#define LVNI_CUT 0x0004
#define LVNI_DROPHILITED 0x0008
#define LVNI_ABOVE 0x0100
#define LVNI_BELOW 0x0200
#define LVNI_TOLEFT 0x0400
#define LVNI_TORIGHT 0x0800

#define LVFI_PARAM 0x0001
#define LVFI_STRING 0x0002
#define LVFI_PARTIAL 0x0008
#define LVFI_WRAP 0x0020
#define LVFI_NEARESTXY 0x0040

#define LVIR_BOUNDS 0
#define LVIR_ICON 1
#define LVIR_LABEL 2
#define LVIR_SELECTBOUNDS 3

#define LVHT_NOWHERE 0x0001
#define LVHT_ONITEMICON 0x0002
#define LVHT_ONITEMLABEL 0x0004
#define LVHT_ONITEMSTATEICON 0x0008
#define LVHT_ONITEM (LVHT_ONITEMICON | LVHT_ONITEMLABEL | LVHT_ONITEMSTATEICON)
#define LVHT_ABOVE 0x0008
#define LVHT_BELOW 0x0010
#define LVHT_TORIGHT 0x0020
#define LVHT_TOLEFT 0x0040

#define LVCF_FMT 0x0001
#define LVCF_WIDTH 0x0002
#define LVCF_TEXT 0x0004
#define LVCF_SUBITEM 0x0008
#define LVCF_IMAGE 0x0010
#define LVCF_ORDER 0x0020

#define LVCFMT_LEFT 0x0000
#define LVCFMT_RIGHT 0x0001
#define LVCFMT_CENTER 0x0002
#define LVCFMT_JUSTIFYMASK 0x0003
#define LVCFMT_IMAGE 0x0800
#define LVCFMT_BITMAP_ON_RIGHT 0x1000
#define LVCFMT_COL_HAS_IMAGES 0x8000

#define LVSCW_AUTOSIZE (-1)
#define LVSCW_AUTOSIZE_USEHEADER (-2)

#define LVM_FIRST 0x1000
#define LVM_GETBKCOLOR (LVM_FIRST + 0)
#define LVM_SETBKCOLOR (LVM_FIRST + 1)
#define LVM_GETIMAGELIST (LVM_FIRST + 2)
#define LVM_SETIMAGELIST (LVM_FIRST + 3)
#define LVM_GETITEMCOUNT (LVM_FIRST + 4)
#define LVM_GETITEM (LVM_FIRST + 5)
#define LVM_SETITEM (LVM_FIRST + 6)
#define LVM_INSERTITEM (LVM_FIRST + 7)
#define LVM_DELETEITEM (LVM_FIRST + 8)
#define LVM_DELETEALLITEMS (LVM_FIRST + 9)
#define LVM_GETCALLBACKMASK (LVM_FIRST + 10)
#define LVM_SETCALLBACKMASK (LVM_FIRST + 11)
#define LVM_GETNEXTITEM (LVM_FIRST + 12)
#define LVM_FINDITEM (LVM_FIRST + 13)
#define LVM_GETITEMRECT (LVM_FIRST + 14)
#define LVM_GETSTRINGWIDTH (LVM_FIRST + 17)
#define LVM_HITTEST (LVM_FIRST + 18)
#define LVM_ENSUREVISIBLE (LVM_FIRST + 19)
#define LVM_SCROLL (LVM_FIRST + 20)
#define LVM_REDRAWITEMS (LVM_FIRST + 21)
#define LVM_ARRANGE (LVM_FIRST + 22)
#define LVM_GETCOLUMN (LVM_FIRST + 25)
#define LVM_SETCOLUMN (LVM_FIRST + 26)
#define LVM_INSERTCOLUMN (LVM_FIRST + 27)
#define LVM_DELETECOLUMN (LVM_FIRST + 28)
#define LVM_GETCOLUMNWIDTH (LVM_FIRST + 29)
#define LVM_SETCOLUMNWIDTH (LVM_FIRST + 30)
#define LVM_GETHEADER (LVM_FIRST + 31)
#define LVM_GETVIEWRECT (LVM_FIRST + 34)
#define LVM_GETTEXTCOLOR (LVM_FIRST + 35)
#define LVM_SETTEXTCOLOR (LVM_FIRST + 36)
#define LVM_GETTEXTBKCOLOR (LVM_FIRST + 37)
#define LVM_SETTEXTBKCOLOR (LVM_FIRST + 38)
#define LVM_GETTOPINDEX (LVM_FIRST + 39)
#define LVM_GETCOUNTPERPAGE (LVM_FIRST + 40)
#define LVM_GETORIGIN (LVM_FIRST + 41)
#define LVM_UPDATE (LVM_FIRST + 42)
#define LVM_SETITEMSTATE (LVM_FIRST + 43)
#define LVM_GETITEMSTATE (LVM_FIRST + 44)
#define LVM_GETITEMTEXT (LVM_FIRST + 45)
#define LVM_SETITEMTEXT (LVM_FIRST + 46)
#define LVM_SETITEMCOUNT (LVM_FIRST + 47)
#define LVM_SORTITEMS (LVM_FIRST + 48)
#define LVM_GETSELECTEDCOUNT (LVM_FIRST + 50)
#define LVM_SETEXTENDEDLISTVIEWSTYLE (LVM_FIRST + 54)
#define LVM_GETEXTENDEDLISTVIEWSTYLE (LVM_FIRST + 55)
#define LVM_GETSUBITEMRECT (LVM_FIRST + 56)
#define LVM_SUBITEMHITTEST (LVM_FIRST + 57)
#define LVM_EDITLABEL (LVM_FIRST + 23)
#define LVM_GETEDITCONTROL (LVM_FIRST + 24)
#define LVM_GETSELECTIONMARK (LVM_FIRST + 66)
#define LVM_SETSELECTIONMARK (LVM_FIRST + 67)
#define LVM_CANCELEDITLABEL (LVM_FIRST + 179)
#define LVM_EDITLABELA LVM_EDITLABEL
#define LVM_GETITEMA LVM_GETITEM
#define LVM_SETITEMA LVM_SETITEM
#define LVM_INSERTITEMA LVM_INSERTITEM
#define LVM_FINDITEMA LVM_FINDITEM
#define LVM_GETCOLUMNA LVM_GETCOLUMN
#define LVM_SETCOLUMNA LVM_SETCOLUMN
#define LVM_INSERTCOLUMNA LVM_INSERTCOLUMN
#define LVM_GETITEMTEXTA LVM_GETITEMTEXT
#define LVM_SETITEMTEXTA LVM_SETITEMTEXT

#define LVN_ITEMCHANGING (LVN_FIRST - 0)
#define LVN_ITEMCHANGED (LVN_FIRST - 1)
#define LVN_INSERTITEM (LVN_FIRST - 2)
#define LVN_DELETEITEM (LVN_FIRST - 3)
#define LVN_DELETEALLITEMS (LVN_FIRST - 4)
#define LVN_BEGINLABELEDIT (LVN_FIRST - 5)
#define LVN_ENDLABELEDIT (LVN_FIRST - 6)
#define LVN_COLUMNCLICK (LVN_FIRST - 8)
#define LVN_BEGINDRAG (LVN_FIRST - 9)
#define LVN_BEGINRDRAG (LVN_FIRST - 11)
#define LVN_ITEMACTIVATE (LVN_FIRST - 14)
#define LVN_GETDISPINFO (LVN_FIRST - 50)
#define LVN_SETDISPINFO (LVN_FIRST - 51)
#define LVN_KEYDOWN (LVN_FIRST - 55)
#define LVN_GETDISPINFOA LVN_GETDISPINFO
#define LVN_SETDISPINFOA LVN_SETDISPINFO
#define LVN_BEGINLABELEDITA LVN_BEGINLABELEDIT
#define LVN_ENDLABELEDITA LVN_ENDLABELEDIT

// Modifier keys of NMITEMACTIVATE.uKeyFlags.
#define LVKF_ALT 0x0001
#define LVKF_CONTROL 0x0002
#define LVKF_SHIFT 0x0004

typedef struct tagLVITEMA {
  UINT mask;
  int iItem;
  int iSubItem;
  UINT state;
  UINT stateMask;
  LPSTR pszText;
  int cchTextMax;
  int iImage;
  LPARAM lParam;
  int iIndent;
} LVITEMA, *LPLVITEMA, LVITEM, *LPLVITEM, LV_ITEM;

typedef struct tagLVCOLUMNA {
  UINT mask;
  int fmt;
  int cx;
  LPSTR pszText;
  int cchTextMax;
  int iSubItem;
  int iImage;
  int iOrder;
} LVCOLUMNA, *LPLVCOLUMNA, LVCOLUMN, *LPLVCOLUMN, LV_COLUMN;

typedef struct tagLVFINDINFOA {
  UINT flags;
  LPCSTR psz;
  LPARAM lParam;
  POINT pt;
  UINT vkDirection;
} LVFINDINFOA, *LPFINDINFOA, LVFINDINFO, LV_FINDINFO;

typedef struct tagLVHITTESTINFO {
  POINT pt;
  UINT flags;
  int iItem;
  int iSubItem;
} LVHITTESTINFO, *LPLVHITTESTINFO, LV_HITTESTINFO;

typedef struct tagNMLISTVIEW {
  NMHDR hdr;
  int iItem;
  int iSubItem;
  UINT uNewState;
  UINT uOldState;
  UINT uChanged;
  POINT ptAction;
  LPARAM lParam;
} NMLISTVIEW, *LPNMLISTVIEW, NM_LISTVIEW;

typedef struct tagNMITEMACTIVATE {
  NMHDR hdr;
  int iItem;
  int iSubItem;
  UINT uNewState;
  UINT uOldState;
  UINT uChanged;
  POINT ptAction;
  LPARAM lParam;
  UINT uKeyFlags;
} NMITEMACTIVATE, *LPNMITEMACTIVATE;

typedef struct tagLVKEYDOWN {
  NMHDR hdr;
  WORD wVKey;
  UINT flags;
} NMLVKEYDOWN, *LPNMLVKEYDOWN, LV_KEYDOWN;

typedef struct tagLVDISPINFO {
  NMHDR hdr;
  LVITEMA item;
} NMLVDISPINFOA, *LPNMLVDISPINFOA, NMLVDISPINFO, LV_DISPINFO;

typedef int(CALLBACK* PFNLVCOMPARE)(LPARAM, LPARAM, LPARAM);

// The usual helper calls, as functions so a statement may drop the result.
inline int ListView_GetItemCount(HWND hwnd) { return (int)SendMessage(hwnd, LVM_GETITEMCOUNT, 0, 0); }
inline int ListView_InsertItem(HWND hwnd, const LVITEM* pitem) {
  return (int)SendMessage(hwnd, LVM_INSERTITEM, 0, (LPARAM)pitem);
}
inline BOOL ListView_DeleteItem(HWND hwnd, int i) { return (BOOL)SendMessage(hwnd, LVM_DELETEITEM, (WPARAM)i, 0); }
inline BOOL ListView_DeleteAllItems(HWND hwnd) { return (BOOL)SendMessage(hwnd, LVM_DELETEALLITEMS, 0, 0); }
inline BOOL ListView_GetItem(HWND hwnd, LVITEM* pitem) {
  return (BOOL)SendMessage(hwnd, LVM_GETITEM, 0, (LPARAM)pitem);
}
inline BOOL ListView_SetItem(HWND hwnd, const LVITEM* pitem) {
  return (BOOL)SendMessage(hwnd, LVM_SETITEM, 0, (LPARAM)pitem);
}
inline int ListView_GetNextItem(HWND hwnd, int i, UINT flags) {
  return (int)SendMessage(hwnd, LVM_GETNEXTITEM, (WPARAM)i, MAKELPARAM(flags, 0));
}
inline int ListView_InsertColumn(HWND hwnd, int iCol, const LVCOLUMN* pcol) {
  return (int)SendMessage(hwnd, LVM_INSERTCOLUMN, (WPARAM)iCol, (LPARAM)pcol);
}
inline int ListView_GetColumnWidth(HWND hwnd, int iCol) {
  return (int)SendMessage(hwnd, LVM_GETCOLUMNWIDTH, (WPARAM)iCol, 0);
}
inline BOOL ListView_SetColumnWidth(HWND hwnd, int iCol, int cx) {
  return (BOOL)SendMessage(hwnd, LVM_SETCOLUMNWIDTH, (WPARAM)iCol, MAKELPARAM(cx, 0));
}
inline HWND ListView_GetHeader(HWND hwnd) { return (HWND)SendMessage(hwnd, LVM_GETHEADER, 0, 0); }
inline BOOL ListView_EnsureVisible(HWND hwnd, int i, BOOL fPartialOK) {
  return (BOOL)SendMessage(hwnd, LVM_ENSUREVISIBLE, (WPARAM)i, MAKELPARAM(fPartialOK, 0));
}
inline int ListView_GetTopIndex(HWND hwnd) { return (int)SendMessage(hwnd, LVM_GETTOPINDEX, 0, 0); }
inline int ListView_GetCountPerPage(HWND hwnd) { return (int)SendMessage(hwnd, LVM_GETCOUNTPERPAGE, 0, 0); }
inline BOOL ListView_SortItems(HWND hwnd, PFNLVCOMPARE pfnCompare, LPARAM lPrm) {
  return (BOOL)SendMessage(hwnd, LVM_SORTITEMS, (WPARAM)lPrm, (LPARAM)pfnCompare);
}
inline DWORD ListView_SetExtendedListViewStyle(HWND hwnd, DWORD dw) {
  return (DWORD)SendMessage(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, (LPARAM)dw);
}
inline DWORD ListView_GetExtendedListViewStyle(HWND hwnd) {
  return (DWORD)SendMessage(hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
}
inline HIMAGELIST ListView_SetImageList(HWND hwnd, HIMAGELIST himl, int iImageList) {
  return (HIMAGELIST)SendMessage(hwnd, LVM_SETIMAGELIST, (WPARAM)iImageList, (LPARAM)himl);
}
inline HIMAGELIST ListView_GetImageList(HWND hwnd, int iImageList) {
  return (HIMAGELIST)SendMessage(hwnd, LVM_GETIMAGELIST, (WPARAM)iImageList, 0);
}
inline BOOL ListView_GetItemRect(HWND hwnd, int i, RECT* prc, int code) {
  if (prc) prc->left = code;
  return (BOOL)SendMessage(hwnd, LVM_GETITEMRECT, (WPARAM)i, (LPARAM)prc);
}
inline int ListView_HitTest(HWND hwnd, LVHITTESTINFO* pinfo) {
  return (int)SendMessage(hwnd, LVM_HITTEST, 0, (LPARAM)pinfo);
}
inline int ListView_SubItemHitTest(HWND hwnd, LVHITTESTINFO* pinfo) {
  return (int)SendMessage(hwnd, LVM_SUBITEMHITTEST, 0, (LPARAM)pinfo);
}
inline BOOL ListView_SetItemState(HWND hwnd, int i, UINT data, UINT mask) {
  LVITEM item{};
  item.stateMask = mask;
  item.state = data;
  return (BOOL)SendMessage(hwnd, LVM_SETITEMSTATE, (WPARAM)i, (LPARAM)&item);
}
inline UINT ListView_GetItemState(HWND hwnd, int i, UINT mask) {
  return (UINT)SendMessage(hwnd, LVM_GETITEMSTATE, (WPARAM)i, (LPARAM)mask);
}
inline BOOL ListView_SetItemText(HWND hwnd, int i, int iSubItem, LPSTR pszText) {
  LVITEM item{};
  item.iSubItem = iSubItem;
  item.pszText = pszText;
  return (BOOL)SendMessage(hwnd, LVM_SETITEMTEXT, (WPARAM)i, (LPARAM)&item);
}
inline int ListView_GetItemText(HWND hwnd, int i, int iSubItem, LPSTR pszText, int cchTextMax) {
  LVITEM item{};
  item.iSubItem = iSubItem;
  item.cchTextMax = cchTextMax;
  item.pszText = pszText;
  return (int)SendMessage(hwnd, LVM_GETITEMTEXT, (WPARAM)i, (LPARAM)&item);
}
inline HWND ListView_EditLabel(HWND hwnd, int i) { return (HWND)SendMessage(hwnd, LVM_EDITLABEL, (WPARAM)i, 0); }
inline HWND ListView_GetEditControl(HWND hwnd) { return (HWND)SendMessage(hwnd, LVM_GETEDITCONTROL, 0, 0); }
inline UINT ListView_GetSelectedCount(HWND hwnd) { return (UINT)SendMessage(hwnd, LVM_GETSELECTEDCOUNT, 0, 0); }
