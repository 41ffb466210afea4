// The dialog manager and the system message box: dialog templates, modal
// and modeless dialogs, keyboard navigation and the dialog helpers.
#pragma once

#include <functional>
#include <vector>

#include "win32/wintypes.h"
#include "win32/winuser.h"
#include "win32/controls.h"

// Dialog template styles.
#ifndef DS_ABSALIGN
#define DS_ABSALIGN 0x01L
#define DS_SYSMODAL 0x02L
#define DS_3DLOOK 0x0004L
#define DS_FIXEDSYS 0x0008L
#define DS_NOFAILCREATE 0x0010L
#define DS_LOCALEDIT 0x20L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_NOIDLEMSG 0x100L
#define DS_SETFOREGROUND 0x200L
#define DS_CONTROL 0x0400L
#define DS_CENTER 0x0800L
#define DS_CENTERMOUSE 0x1000L
#define DS_CONTEXTHELP 0x2000L
#define DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)
#endif

// Dialog manager messages.
#ifndef DM_GETDEFID
#define DM_GETDEFID (0x0400 + 0)
#define DM_SETDEFID (0x0400 + 1)
#define DM_REPOSITION (0x0400 + 2)
#endif
#ifndef DC_HASDEFID
#define DC_HASDEFID 0x534B
#endif

// Answers of WM_GETDLGCODE.

// Dialog window extra bytes.

// Command ids of the standard dialog buttons.
#ifndef IDOK
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7
#endif
#ifndef IDCLOSE
#define IDCLOSE 8
#define IDHELP 9
#endif
#ifndef IDTRYAGAIN
#define IDTRYAGAIN 10
#define IDCONTINUE 11
#endif

// Message box styles.
#ifndef MB_OK
#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_CANCELTRYCONTINUE 0x00000006L
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L
#define MB_USERICON 0x00000080L
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_ICONSTOP MB_ICONHAND
#define MB_DEFBUTTON1 0x00000000L
#define MB_DEFBUTTON2 0x00000100L
#define MB_DEFBUTTON3 0x00000200L
#define MB_DEFBUTTON4 0x00000300L
#define MB_APPLMODAL 0x00000000L
#define MB_SYSTEMMODAL 0x00001000L
#define MB_TASKMODAL 0x00002000L
#define MB_HELP 0x00004000L
#define MB_NOFOCUS 0x00008000L
#define MB_SETFOREGROUND 0x00010000L
#define MB_DEFAULT_DESKTOP_ONLY 0x00020000L
#define MB_TOPMOST 0x00040000L
#define MB_RIGHT 0x00080000L
#define MB_RTLREADING 0x00100000L
#define MB_SERVICE_NOTIFICATION 0x00200000L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONMASK 0x000000F0L
#define MB_DEFMASK 0x00000F00L
#define MB_MODEMASK 0x00003000L
#define MB_MISCMASK 0x0000C000L
#endif

// The fixed parts of the binary dialog templates; variable-length fields
// (menu, class, caption, font, item class and title) follow them.
#pragma pack(push, 2)
typedef struct {
  DWORD style;
  DWORD dwExtendedStyle;
  WORD cdit;
  short x;
  short y;
  short cx;
  short cy;
} DLGTEMPLATE, *LPDLGTEMPLATE;
typedef const DLGTEMPLATE* LPCDLGTEMPLATE;

typedef struct {
  DWORD style;
  DWORD dwExtendedStyle;
  short x;
  short y;
  short cx;
  short cy;
  WORD id;
} DLGITEMTEMPLATE, *LPDLGITEMTEMPLATE;
typedef const DLGITEMTEMPLATE* LPCDLGITEMTEMPLATE;

// The extended template starts with dlgVer 1 and signature 0xFFFF.
typedef struct {
  WORD dlgVer;
  WORD signature;
  DWORD helpID;
  DWORD exStyle;
  DWORD style;
  WORD cDlgItems;
  short x;
  short y;
  short cx;
  short cy;
} DLGTEMPLATEEX, *LPDLGTEMPLATEEX;

typedef struct {
  DWORD helpID;
  DWORD exStyle;
  DWORD style;
  short x;
  short y;
  short cx;
  short cy;
  DWORD id;
} DLGITEMTEMPLATEEX, *LPDLGITEMTEMPLATEEX;
#pragma pack(pop)

struct tagHELPINFO;
typedef void(CALLBACK* MSGBOXCALLBACK)(struct tagHELPINFO* lpHelpInfo);

typedef struct {
  UINT cbSize;
  HWND hwndOwner;
  HINSTANCE hInstance;
  LPCSTR lpszText;
  LPCSTR lpszCaption;
  DWORD dwStyle;
  LPCSTR lpszIcon;
  DWORD_PTR dwContextHelpId;
  MSGBOXCALLBACK lpfnMsgBoxCallback;
  DWORD dwLanguageId;
} MSGBOXPARAMS, *PMSGBOXPARAMS, *LPMSGBOXPARAMS;
typedef const MSGBOXPARAMS* LPCMSGBOXPARAMS;

// Dialog creation.
HWND WINAPI CreateDialogParam(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                              LPARAM dwInitParam);
HWND WINAPI CreateDialogIndirectParam(HINSTANCE hInstance, LPCDLGTEMPLATE lpTemplate, HWND hWndParent,
                                      DLGPROC lpDialogFunc, LPARAM dwInitParam);
INT_PTR WINAPI DialogBoxParam(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                              LPARAM dwInitParam);
INT_PTR WINAPI DialogBoxIndirectParam(HINSTANCE hInstance, LPCDLGTEMPLATE hDialogTemplate, HWND hWndParent,
                                      DLGPROC lpDialogFunc, LPARAM dwInitParam);
#define CreateDialog(hInstance, lpName, hWndParent, lpDialogFunc) \
  CreateDialogParam(hInstance, lpName, hWndParent, lpDialogFunc, 0L)
#define CreateDialogIndirect(hInstance, lpTemplate, hWndParent, lpDialogFunc) \
  CreateDialogIndirectParam(hInstance, lpTemplate, hWndParent, lpDialogFunc, 0L)
#define DialogBox(hInstance, lpTemplate, hWndParent, lpDialogFunc) \
  DialogBoxParam(hInstance, lpTemplate, hWndParent, lpDialogFunc, 0L)
#define DialogBoxIndirect(hInstance, lpTemplate, hWndParent, lpDialogFunc) \
  DialogBoxIndirectParam(hInstance, lpTemplate, hWndParent, lpDialogFunc, 0L)

LRESULT WINAPI DefDlgProc(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam);
BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult);
BOOL WINAPI IsDialogMessage(HWND hDlg, LPMSG lpMsg);
HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious);

// Helpers on the controls of a dialog.
BOOL WINAPI SetDlgItemText(HWND hDlg, int nIDDlgItem, LPCSTR lpString);
UINT WINAPI GetDlgItemText(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax);
BOOL WINAPI SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned);
UINT WINAPI GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned);
BOOL WINAPI CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck);
UINT WINAPI IsDlgButtonChecked(HWND hDlg, int nIDButton);
BOOL WINAPI CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
LRESULT WINAPI SendDlgItemMessage(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam);
BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect);

// The system message box.
int WINAPI MessageBox(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);
int WINAPI MessageBoxEx(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType, WORD wLanguageId);
int WINAPI MessageBoxIndirect(LPCMSGBOXPARAMS lpmbp);

namespace win32 {

// Called by every modal loop each time its queue is empty, before the clock
// may jump. The hook answers true when it acted (injected input, posted
// messages, ended the dialog) and the loop should look at its queue again.
// An empty function removes the hook; a reset of the window system does too.
void SetModalIdleHook(std::function<bool(HWND modalWindow)> hook);

// The windows of the running modal loops of this process, innermost last.
std::vector<HWND> GetModalStack();

// Applies the RT_DLGINIT resource named like the dialog's template (list and
// combo box strings) to the controls of `dlg`. FALSE when data name a
// missing control; TRUE when there is nothing to apply.
BOOL ApplyDialogInit(HWND dlg, HINSTANCE hInst, LPCSTR templateName);

}  // namespace win32
