// The header control ("SysHeader32"): a row of column captions whose
// dividers the user drags; the list view keeps one as its child.
#pragma once

#include "win32/cc_common.h"
#include "win32/cc_imagelist.h"

#define WC_HEADER "SysHeader32"
#define WC_HEADERA WC_HEADER

#define ODT_HEADER 100

#define HDS_HORZ 0x0000
#define HDS_BUTTONS 0x0002
#define HDS_HOTTRACK 0x0004
#define HDS_HIDDEN 0x0008
#define HDS_DRAGDROP 0x0040
#define HDS_FULLDRAG 0x0080

#define HDI_WIDTH 0x0001
#define HDI_HEIGHT HDI_WIDTH
#define HDI_TEXT 0x0002
#define HDI_FORMAT 0x0004
#define HDI_LPARAM 0x0008
#define HDI_BITMAP 0x0010
#define HDI_IMAGE 0x0020
#define HDI_DI_SETITEM 0x0040
#define HDI_ORDER 0x0080

#define HDF_LEFT 0x0000
#define HDF_RIGHT 0x0001
#define HDF_CENTER 0x0002
#define HDF_JUSTIFYMASK 0x0003
#define HDF_RTLREADING 0x0004
#define HDF_SORTDOWN 0x0200
#define HDF_SORTUP 0x0400
#define HDF_IMAGE 0x0800
#define HDF_BITMAP_ON_RIGHT 0x1000
#define HDF_BITMAP 0x2000
#define HDF_STRING 0x4000
#define HDF_OWNERDRAW 0x8000

#define HHT_NOWHERE 0x0001
#define HHT_ONHEADER 0x0002
#define HHT_ONDIVIDER 0x0004
#define HHT_ONDIVOPEN 0x0008
#define HHT_ABOVE 0x0100
#define HHT_BELOW 0x0200
#define HHT_TORIGHT 0x0400
#define HHT_TOLEFT 0x0800

#define HDM_FIRST 0x1200
#define HDM_GETITEMCOUNT (HDM_FIRST + 0)
#define HDM_INSERTITEM (HDM_FIRST + 1)
#define HDM_DELETEITEM (HDM_FIRST + 2)
#define HDM_GETITEM (HDM_FIRST + 3)
#define HDM_SETITEM (HDM_FIRST + 4)
#define HDM_LAYOUT (HDM_FIRST + 5)
#define HDM_HITTEST (HDM_FIRST + 6)
#define HDM_GETITEMRECT (HDM_FIRST + 7)
#define HDM_SETIMAGELIST (HDM_FIRST + 8)
#define HDM_GETIMAGELIST (HDM_FIRST + 9)
#define HDM_ORDERTOINDEX (HDM_FIRST + 15)
#define HDM_INSERTITEMA HDM_INSERTITEM
#define HDM_GETITEMA HDM_GETITEM
#define HDM_SETITEMA HDM_SETITEM

#define HDN_ITEMCHANGING (HDN_FIRST - 0)
#define HDN_ITEMCHANGED (HDN_FIRST - 1)
#define HDN_ITEMCLICK (HDN_FIRST - 2)
#define HDN_ITEMDBLCLICK (HDN_FIRST - 3)
#define HDN_DIVIDERDBLCLICK (HDN_FIRST - 5)
#define HDN_BEGINTRACK (HDN_FIRST - 6)
#define HDN_ENDTRACK (HDN_FIRST - 7)
#define HDN_TRACK (HDN_FIRST - 8)
#define HDN_ITEMCHANGINGA HDN_ITEMCHANGING
#define HDN_ITEMCHANGEDA HDN_ITEMCHANGED
#define HDN_ITEMCLICKA HDN_ITEMCLICK
#define HDN_ITEMDBLCLICKA HDN_ITEMDBLCLICK
#define HDN_DIVIDERDBLCLICKA HDN_DIVIDERDBLCLICK
#define HDN_BEGINTRACKA HDN_BEGINTRACK
#define HDN_ENDTRACKA HDN_ENDTRACK
#define HDN_TRACKA HDN_TRACK

typedef struct _HD_ITEMA {
  UINT mask;
  int cxy;
  LPSTR pszText;
  HBITMAP hbm;
  int cchTextMax;
  int fmt;
  LPARAM lParam;
  int iImage;
  int iOrder;
} HDITEMA, *LPHDITEMA, HDITEM, *LPHDITEM, HD_ITEM;

typedef struct _HD_LAYOUT {
  RECT* prc;
  WINDOWPOS* pwpos;
} HDLAYOUT, *LPHDLAYOUT, HD_LAYOUT;

typedef struct _HD_HITTESTINFO {
  POINT pt;
  UINT flags;
  int iItem;
} HDHITTESTINFO, *LPHDHITTESTINFO, HD_HITTESTINFO;

typedef struct tagNMHEADERA {
  NMHDR hdr;
  int iItem;
  int iButton;
  HDITEMA* pitem;
} NMHEADERA, *LPNMHEADERA, NMHEADER, *LPNMHEADER, HD_NOTIFY;

// The usual helper calls, as functions so a statement may drop the result.
inline int Header_GetItemCount(HWND hwnd) { return (int)SendMessage(hwnd, HDM_GETITEMCOUNT, 0, 0); }
inline int Header_InsertItem(HWND hwnd, int i, const HDITEM* phdi) {
  return (int)SendMessage(hwnd, HDM_INSERTITEM, (WPARAM)i, (LPARAM)phdi);
}
inline BOOL Header_DeleteItem(HWND hwnd, int i) { return (BOOL)SendMessage(hwnd, HDM_DELETEITEM, (WPARAM)i, 0); }
inline BOOL Header_GetItem(HWND hwnd, int i, HDITEM* phdi) {
  return (BOOL)SendMessage(hwnd, HDM_GETITEM, (WPARAM)i, (LPARAM)phdi);
}
inline BOOL Header_SetItem(HWND hwnd, int i, const HDITEM* phdi) {
  return (BOOL)SendMessage(hwnd, HDM_SETITEM, (WPARAM)i, (LPARAM)phdi);
}
inline BOOL Header_Layout(HWND hwnd, HDLAYOUT* playout) {
  return (BOOL)SendMessage(hwnd, HDM_LAYOUT, 0, (LPARAM)playout);
}
inline BOOL Header_GetItemRect(HWND hwnd, int i, RECT* prc) {
  return (BOOL)SendMessage(hwnd, HDM_GETITEMRECT, (WPARAM)i, (LPARAM)prc);
}
