// The tab control ("SysTabControl32"): a strip of tabs (or buttons) above a
// display area, one of them selected. Text is 8-bit, so the W forms of the
// messages are not answered.
#pragma once

#include "win32/cc_common.h"

#define WC_TABCONTROLA "SysTabControl32"
#define WC_TABCONTROL WC_TABCONTROLA

#define TCS_SCROLLOPPOSITE 0x0001
#define TCS_BOTTOM 0x0002
#define TCS_RIGHT 0x0002
#define TCS_MULTISELECT 0x0004
#define TCS_FLATBUTTONS 0x0008
#define TCS_FORCEICONLEFT 0x0010
#define TCS_FORCELABELLEFT 0x0020
#define TCS_HOTTRACK 0x0040
#define TCS_VERTICAL 0x0080
#define TCS_TABS 0x0000
#define TCS_BUTTONS 0x0100
#define TCS_SINGLELINE 0x0000
#define TCS_MULTILINE 0x0200
#define TCS_RIGHTJUSTIFY 0x0000
#define TCS_FIXEDWIDTH 0x0400
#define TCS_RAGGEDRIGHT 0x0800
#define TCS_FOCUSONBUTTONDOWN 0x1000
#define TCS_OWNERDRAWFIXED 0x2000
#define TCS_TOOLTIPS 0x4000
#define TCS_FOCUSNEVER 0x8000

#define TCIF_TEXT 0x0001
#define TCIF_IMAGE 0x0002
#define TCIF_RTLREADING 0x0004
#define TCIF_PARAM 0x0008
#define TCIF_STATE 0x0010

#define TCIS_BUTTONPRESSED 0x0001
#define TCIS_HIGHLIGHTED 0x0002

typedef struct tagTCITEMHEADERA {
  UINT mask;
  UINT lpReserved1;
  UINT lpReserved2;
  LPSTR pszText;
  int cchTextMax;
  int iImage;
} TCITEMHEADERA, *LPTCITEMHEADERA, TCITEMHEADER, *LPTCITEMHEADER, TC_ITEMHEADER;

typedef struct tagTCITEMA {
  UINT mask;
  DWORD dwState;
  DWORD dwStateMask;
  LPSTR pszText;
  int cchTextMax;
  int iImage;
  LPARAM lParam;
} TCITEMA, *LPTCITEMA, TCITEM, *LPTCITEM, TC_ITEMA, TC_ITEM;

typedef struct tagTCHITTESTINFO {
  POINT pt;
  UINT flags;
} TCHITTESTINFO, *LPTCHITTESTINFO, TC_HITTESTINFO, *LPTC_HITTESTINFO;

#define TCHT_NOWHERE 0x0001
#define TCHT_ONITEMICON 0x0002
#define TCHT_ONITEMLABEL 0x0004
#define TCHT_ONITEM (TCHT_ONITEMICON | TCHT_ONITEMLABEL)

#define TCM_FIRST 0x1300
#define TCM_GETIMAGELIST (TCM_FIRST + 2)
#define TCM_SETIMAGELIST (TCM_FIRST + 3)
#define TCM_GETITEMCOUNT (TCM_FIRST + 4)
#define TCM_GETITEMA (TCM_FIRST + 5)
#define TCM_GETITEM TCM_GETITEMA
#define TCM_SETITEMA (TCM_FIRST + 6)
#define TCM_SETITEM TCM_SETITEMA
#define TCM_INSERTITEMA (TCM_FIRST + 7)
#define TCM_INSERTITEM TCM_INSERTITEMA
#define TCM_DELETEITEM (TCM_FIRST + 8)
#define TCM_DELETEALLITEMS (TCM_FIRST + 9)
#define TCM_GETITEMRECT (TCM_FIRST + 10)
#define TCM_GETCURSEL (TCM_FIRST + 11)
#define TCM_SETCURSEL (TCM_FIRST + 12)
#define TCM_HITTEST (TCM_FIRST + 13)
#define TCM_SETITEMEXTRA (TCM_FIRST + 14)
#define TCM_ADJUSTRECT (TCM_FIRST + 40)
#define TCM_SETITEMSIZE (TCM_FIRST + 41)
#define TCM_REMOVEIMAGE (TCM_FIRST + 42)
#define TCM_SETPADDING (TCM_FIRST + 43)
#define TCM_GETROWCOUNT (TCM_FIRST + 44)
#define TCM_GETTOOLTIPS (TCM_FIRST + 45)
#define TCM_SETTOOLTIPS (TCM_FIRST + 46)
#define TCM_GETCURFOCUS (TCM_FIRST + 47)
#define TCM_SETCURFOCUS (TCM_FIRST + 48)
#define TCM_SETMINTABWIDTH (TCM_FIRST + 49)
#define TCM_DESELECTALL (TCM_FIRST + 50)
#define TCM_HIGHLIGHTITEM (TCM_FIRST + 51)
#define TCM_SETEXTENDEDSTYLE (TCM_FIRST + 52)
#define TCM_GETEXTENDEDSTYLE (TCM_FIRST + 53)

#define TCN_KEYDOWN (TCN_FIRST - 0)
#define TCN_SELCHANGE (TCN_FIRST - 1)
#define TCN_SELCHANGING (TCN_FIRST - 2)
#define TCN_FOCUSCHANGE (TCN_FIRST - 4)

typedef struct tagNMTCKEYDOWN {
  NMHDR hdr;
  WORD wVKey;
  UINT flags;
} NMTCKEYDOWN, TC_KEYDOWN;

// Message wrappers. Functions, so that a call whose answer is not used
// compiles cleanly.
#define TabCtrl_GetImageList(hwnd) ((HIMAGELIST)SendMessage((hwnd), TCM_GETIMAGELIST, 0, 0))
#define TabCtrl_SetImageList(hwnd, himl) ((HIMAGELIST)SendMessage((hwnd), TCM_SETIMAGELIST, 0, (LPARAM)(himl)))
inline int TabCtrl_GetItemCount(HWND hwnd) { return (int)SendMessage(hwnd, TCM_GETITEMCOUNT, 0, 0); }
inline BOOL TabCtrl_GetItem(HWND hwnd, int iItem, TCITEM* pitem) {
  return (BOOL)SendMessage(hwnd, TCM_GETITEM, (WPARAM)iItem, (LPARAM)pitem);
}
inline BOOL TabCtrl_SetItem(HWND hwnd, int iItem, const TCITEM* pitem) {
  return (BOOL)SendMessage(hwnd, TCM_SETITEM, (WPARAM)iItem, (LPARAM)pitem);
}
inline int TabCtrl_InsertItem(HWND hwnd, int iItem, const TCITEM* pitem) {
  return (int)SendMessage(hwnd, TCM_INSERTITEM, (WPARAM)iItem, (LPARAM)pitem);
}
inline BOOL TabCtrl_DeleteItem(HWND hwnd, int i) { return (BOOL)SendMessage(hwnd, TCM_DELETEITEM, (WPARAM)i, 0); }
inline BOOL TabCtrl_DeleteAllItems(HWND hwnd) { return (BOOL)SendMessage(hwnd, TCM_DELETEALLITEMS, 0, 0); }
inline BOOL TabCtrl_GetItemRect(HWND hwnd, int i, RECT* prc) {
  return (BOOL)SendMessage(hwnd, TCM_GETITEMRECT, (WPARAM)i, (LPARAM)prc);
}
inline int TabCtrl_GetCurSel(HWND hwnd) { return (int)SendMessage(hwnd, TCM_GETCURSEL, 0, 0); }
inline int TabCtrl_SetCurSel(HWND hwnd, int i) { return (int)SendMessage(hwnd, TCM_SETCURSEL, (WPARAM)i, 0); }
inline int TabCtrl_HitTest(HWND hwnd, TCHITTESTINFO* pinfo) {
  return (int)SendMessage(hwnd, TCM_HITTEST, 0, (LPARAM)pinfo);
}
inline BOOL TabCtrl_SetItemExtra(HWND hwnd, int cb) { return (BOOL)SendMessage(hwnd, TCM_SETITEMEXTRA, (WPARAM)cb, 0); }
inline void TabCtrl_AdjustRect(HWND hwnd, BOOL bLarger, RECT* prc) {
  SendMessage(hwnd, TCM_ADJUSTRECT, (WPARAM)bLarger, (LPARAM)prc);
}
inline DWORD TabCtrl_SetItemSize(HWND hwnd, int x, int y) {
  return (DWORD)SendMessage(hwnd, TCM_SETITEMSIZE, 0, MAKELPARAM(x, y));
}
inline void TabCtrl_SetPadding(HWND hwnd, int cx, int cy) { SendMessage(hwnd, TCM_SETPADDING, 0, MAKELPARAM(cx, cy)); }
inline int TabCtrl_GetRowCount(HWND hwnd) { return (int)SendMessage(hwnd, TCM_GETROWCOUNT, 0, 0); }
inline int TabCtrl_GetCurFocus(HWND hwnd) { return (int)SendMessage(hwnd, TCM_GETCURFOCUS, 0, 0); }
inline void TabCtrl_SetCurFocus(HWND hwnd, int i) { SendMessage(hwnd, TCM_SETCURFOCUS, (WPARAM)i, 0); }
inline int TabCtrl_SetMinTabWidth(HWND hwnd, int x) { return (int)SendMessage(hwnd, TCM_SETMINTABWIDTH, 0, (LPARAM)x); }
