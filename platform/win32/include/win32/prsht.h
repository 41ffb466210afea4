// Property sheets: pages from dialog templates over a tab control, or a
// wizard of pages with Back, Next and Finish. The sheet is a dialog; its
// pages are child dialogs told of every step through WM_NOTIFY (PSN_*).
#pragma once

#include "win32/cc_common.h"
#include "win32/dialogs.h"
#include "win32/winuser.h"

struct _PSP;
typedef struct _PSP* HPROPSHEETPAGE;

struct _PROPSHEETPAGEA;
typedef UINT(CALLBACK* LPFNPSPCALLBACKA)(HWND hwnd, UINT uMsg, struct _PROPSHEETPAGEA* ppsp);
#define LPFNPSPCALLBACK LPFNPSPCALLBACKA

#define PSP_DEFAULT 0x00000000
#define PSP_DLGINDIRECT 0x00000001
#define PSP_USEHICON 0x00000002
#define PSP_USEICONID 0x00000004
#define PSP_USETITLE 0x00000008
#define PSP_RTLREADING 0x00000010
#define PSP_HASHELP 0x00000020
#define PSP_USEREFPARENT 0x00000040
#define PSP_USECALLBACK 0x00000080
#define PSP_PREMATURE 0x00000400
#define PSP_HIDEHEADER 0x00000800
#define PSP_USEHEADERTITLE 0x00001000
#define PSP_USEHEADERSUBTITLE 0x00002000

#define PSPCB_ADDREF 0
#define PSPCB_RELEASE 1
#define PSPCB_CREATE 2

typedef struct _PROPSHEETPAGEA {
  DWORD dwSize;
  DWORD dwFlags;
  HINSTANCE hInstance;
  union {
    LPCSTR pszTemplate;
    LPCDLGTEMPLATE pResource;
  };
  union {
    HICON hIcon;
    LPCSTR pszIcon;
  };
  LPCSTR pszTitle;
  DLGPROC pfnDlgProc;
  LPARAM lParam;
  LPFNPSPCALLBACKA pfnCallback;
  UINT* pcRefParent;
  LPCSTR pszHeaderTitle;
  LPCSTR pszHeaderSubTitle;
} PROPSHEETPAGEA, *LPPROPSHEETPAGEA, PROPSHEETPAGE, *LPPROPSHEETPAGE;
typedef const PROPSHEETPAGEA *LPCPROPSHEETPAGEA, *LPCPROPSHEETPAGE;

typedef int(CALLBACK* PFNPROPSHEETCALLBACK)(HWND hwnd, UINT uMsg, LPARAM lParam);

#define PSH_DEFAULT 0x00000000
#define PSH_PROPTITLE 0x00000001
#define PSH_USEHICON 0x00000002
#define PSH_USEICONID 0x00000004
#define PSH_PROPSHEETPAGE 0x00000008
#define PSH_WIZARDHASFINISH 0x00000010
#define PSH_WIZARD 0x00000020
#define PSH_USEPSTARTPAGE 0x00000040
#define PSH_NOAPPLYNOW 0x00000080
#define PSH_USECALLBACK 0x00000100
#define PSH_HASHELP 0x00000200
#define PSH_MODELESS 0x00000400
#define PSH_RTLREADING 0x00000800
#define PSH_WIZARDCONTEXTHELP 0x00001000
#define PSH_WIZARD97 0x01000000
#define PSH_WATERMARK 0x00008000
#define PSH_USEHBMWATERMARK 0x00010000
#define PSH_USEHPLWATERMARK 0x00020000
#define PSH_STRETCHWATERMARK 0x00040000
#define PSH_HEADER 0x00080000
#define PSH_USEHBMHEADER 0x00100000
#define PSH_USEPAGELANG 0x00200000
#define PSH_WIZARD_LITE 0x00400000
#define PSH_NOCONTEXTHELP 0x02000000

// The sheet's callback: before the sheet exists (lParam is its template,
// which the callback may change) and after its WM_INITDIALOG.
#define PSCB_INITIALIZED 1
#define PSCB_PRECREATE 2

typedef struct _PROPSHEETHEADERA {
  DWORD dwSize;
  DWORD dwFlags;
  HWND hwndParent;
  HINSTANCE hInstance;
  union {
    HICON hIcon;
    LPCSTR pszIcon;
  };
  LPCSTR pszCaption;
  UINT nPages;
  union {
    UINT nStartPage;
    LPCSTR pStartPage;
  };
  union {
    LPCPROPSHEETPAGEA ppsp;
    HPROPSHEETPAGE* phpage;
  };
  PFNPROPSHEETCALLBACK pfnCallback;
  union {
    HBITMAP hbmWatermark;
    LPCSTR pszbmWatermark;
  };
  HPALETTE hplWatermark;
  union {
    HBITMAP hbmHeader;
    LPCSTR pszbmHeader;
  };
} PROPSHEETHEADERA, *LPPROPSHEETHEADERA, PROPSHEETHEADER, *LPPROPSHEETHEADER;
typedef const PROPSHEETHEADERA *LPCPROPSHEETHEADERA, *LPCPROPSHEETHEADER;

HPROPSHEETPAGE WINAPI CreatePropertySheetPage(LPCPROPSHEETPAGE lppsp);
BOOL WINAPI DestroyPropertySheetPage(HPROPSHEETPAGE hPage);
// Modal: 1 when closed with OK or Finish, 0 when cancelled, -1 on failure.
// Modeless (PSH_MODELESS): the sheet's window, or NULL.
INT_PTR WINAPI PropertySheet(LPCPROPSHEETHEADER lppsph);
#define CreatePropertySheetPageA CreatePropertySheetPage
#define PropertySheetA PropertySheet

// Notifications to the pages; PSHNOTIFY::lParam is TRUE for PSN_APPLY
// from OK and for PSN_RESET from the close box.
#define PSN_FIRST (0U - 200U)
#define PSN_LAST (0U - 299U)
#define PSN_SETACTIVE (PSN_FIRST - 0)
#define PSN_KILLACTIVE (PSN_FIRST - 1)
#define PSN_APPLY (PSN_FIRST - 2)
#define PSN_RESET (PSN_FIRST - 3)
#define PSN_HELP (PSN_FIRST - 5)
#define PSN_WIZBACK (PSN_FIRST - 6)
#define PSN_WIZNEXT (PSN_FIRST - 7)
#define PSN_WIZFINISH (PSN_FIRST - 8)
#define PSN_QUERYCANCEL (PSN_FIRST - 9)
#define PSN_GETOBJECT (PSN_FIRST - 10)
#define PSN_TRANSLATEACCELERATOR (PSN_FIRST - 12)
#define PSN_QUERYINITIALFOCUS (PSN_FIRST - 13)

#define PSNRET_NOERROR 0
#define PSNRET_INVALID 1
#define PSNRET_INVALID_NOCHANGEPAGE 2
#define PSNRET_MESSAGEHANDLED 3

typedef struct _PSHNOTIFY {
  NMHDR hdr;
  LPARAM lParam;
} PSHNOTIFY, *LPPSHNOTIFY;

// Messages to the sheet.
#define PSM_SETCURSEL (WM_USER + 101)
#define PSM_REMOVEPAGE (WM_USER + 102)
#define PSM_ADDPAGE (WM_USER + 103)
#define PSM_CHANGED (WM_USER + 104)
#define PSM_RESTARTWINDOWS (WM_USER + 105)
#define PSM_REBOOTSYSTEM (WM_USER + 106)
#define PSM_CANCELTOCLOSE (WM_USER + 107)
#define PSM_QUERYSIBLINGS (WM_USER + 108)
#define PSM_UNCHANGED (WM_USER + 109)
#define PSM_APPLY (WM_USER + 110)
#define PSM_SETTITLEA (WM_USER + 111)
#define PSM_SETTITLE PSM_SETTITLEA
#define PSM_SETWIZBUTTONS (WM_USER + 112)
#define PSM_PRESSBUTTON (WM_USER + 113)
#define PSM_SETCURSELID (WM_USER + 114)
#define PSM_SETFINISHTEXTA (WM_USER + 115)
#define PSM_SETFINISHTEXT PSM_SETFINISHTEXTA
#define PSM_GETTABCONTROL (WM_USER + 116)
#define PSM_ISDIALOGMESSAGE (WM_USER + 117)
#define PSM_GETCURRENTPAGEHWND (WM_USER + 118)
#define PSM_INSERTPAGE (WM_USER + 119)
#define PSM_HWNDTOINDEX (WM_USER + 129)
#define PSM_INDEXTOHWND (WM_USER + 130)
#define PSM_PAGETOINDEX (WM_USER + 131)
#define PSM_INDEXTOPAGE (WM_USER + 132)
#define PSM_IDTOINDEX (WM_USER + 133)
#define PSM_INDEXTOID (WM_USER + 134)
#define PSM_GETRESULT (WM_USER + 135)

#define PSWIZB_BACK 0x00000001
#define PSWIZB_NEXT 0x00000002
#define PSWIZB_FINISH 0x00000004
#define PSWIZB_DISABLEDFINISH 0x00000008

#define PSBTN_BACK 0
#define PSBTN_NEXT 1
#define PSBTN_FINISH 2
#define PSBTN_OK 3
#define PSBTN_APPLYNOW 4
#define PSBTN_CANCEL 5
#define PSBTN_HELP 6
#define PSBTN_MAX 6

#define ID_PSRESTARTWINDOWS 0x2
#define ID_PSREBOOTSYSTEM (ID_PSRESTARTWINDOWS | 0x1)

// Ids of the sheet's own controls.
#define ID_PSTABCONTROL 0x3020
#define ID_APPLY_NOW 0x3021
#define ID_PSBACK 0x3023
#define ID_PSNEXT 0x3024
#define ID_PSFINISH 0x3025
#define ID_PSETCHED 0x3026

// Message wrappers. Functions, so that a call whose answer is not used
// compiles cleanly.
inline BOOL PropSheet_SetCurSel(HWND hDlg, HPROPSHEETPAGE hpage, int index) {
  return (BOOL)SendMessage(hDlg, PSM_SETCURSEL, (WPARAM)index, (LPARAM)hpage);
}
inline BOOL PropSheet_SetCurSelByID(HWND hDlg, int id) { return (BOOL)SendMessage(hDlg, PSM_SETCURSELID, 0, id); }
inline void PropSheet_RemovePage(HWND hDlg, int index, HPROPSHEETPAGE hpage) {
  SendMessage(hDlg, PSM_REMOVEPAGE, (WPARAM)index, (LPARAM)hpage);
}
inline BOOL PropSheet_AddPage(HWND hDlg, HPROPSHEETPAGE hpage) {
  return (BOOL)SendMessage(hDlg, PSM_ADDPAGE, 0, (LPARAM)hpage);
}
inline BOOL PropSheet_Changed(HWND hDlg, HWND hwnd) { return (BOOL)SendMessage(hDlg, PSM_CHANGED, (WPARAM)hwnd, 0); }
inline void PropSheet_UnChanged(HWND hDlg, HWND hwnd) { SendMessage(hDlg, PSM_UNCHANGED, (WPARAM)hwnd, 0); }
inline void PropSheet_CancelToClose(HWND hDlg) { PostMessage(hDlg, PSM_CANCELTOCLOSE, 0, 0); }
inline int PropSheet_QuerySiblings(HWND hDlg, WPARAM wParam, LPARAM lParam) {
  return (int)SendMessage(hDlg, PSM_QUERYSIBLINGS, wParam, lParam);
}
inline BOOL PropSheet_Apply(HWND hDlg) { return (BOOL)SendMessage(hDlg, PSM_APPLY, 0, 0); }
inline void PropSheet_SetTitle(HWND hDlg, DWORD wStyle, LPCSTR lpszText) {
  SendMessage(hDlg, PSM_SETTITLE, (WPARAM)wStyle, (LPARAM)lpszText);
}
inline void PropSheet_SetWizButtons(HWND hDlg, DWORD dwFlags) {
  PostMessage(hDlg, PSM_SETWIZBUTTONS, 0, (LPARAM)dwFlags);
}
inline void PropSheet_PressButton(HWND hDlg, int iButton) { PostMessage(hDlg, PSM_PRESSBUTTON, (WPARAM)iButton, 0); }
inline void PropSheet_SetFinishText(HWND hDlg, LPCSTR lpszText) {
  SendMessage(hDlg, PSM_SETFINISHTEXT, 0, (LPARAM)lpszText);
}
inline HWND PropSheet_GetTabControl(HWND hDlg) { return (HWND)SendMessage(hDlg, PSM_GETTABCONTROL, 0, 0); }
inline BOOL PropSheet_IsDialogMessage(HWND hDlg, LPMSG pMsg) {
  return (BOOL)SendMessage(hDlg, PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
}
inline HWND PropSheet_GetCurrentPageHwnd(HWND hDlg) { return (HWND)SendMessage(hDlg, PSM_GETCURRENTPAGEHWND, 0, 0); }
inline HPROPSHEETPAGE PropSheet_IndexToPage(HWND hDlg, int i) {
  return (HPROPSHEETPAGE)SendMessage(hDlg, PSM_INDEXTOPAGE, (WPARAM)i, 0);
}
inline int PropSheet_PageToIndex(HWND hDlg, HPROPSHEETPAGE hpage) {
  return (int)SendMessage(hDlg, PSM_PAGETOINDEX, 0, (LPARAM)hpage);
}
inline HWND PropSheet_IndexToHwnd(HWND hDlg, int i) { return (HWND)SendMessage(hDlg, PSM_INDEXTOHWND, (WPARAM)i, 0); }
inline int PropSheet_HwndToIndex(HWND hDlg, HWND hwnd) {
  return (int)SendMessage(hDlg, PSM_HWNDTOINDEX, (WPARAM)hwnd, 0);
}
