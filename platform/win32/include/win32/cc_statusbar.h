// The status bar: a row of text parts along the bottom of a window.
#pragma once

#include "win32/cc_common.h"

#define STATUSCLASSNAMEA "msctls_statusbar32"
#define STATUSCLASSNAME STATUSCLASSNAMEA

#define SBARS_SIZEGRIP 0x0100
#define SBARS_TOOLTIPS 0x0800
#define SBT_TOOLTIPS 0x0800

#define SB_SETTEXTA (WM_USER + 1)
#define SB_SETTEXT SB_SETTEXTA
#define SB_GETTEXTA (WM_USER + 2)
#define SB_GETTEXT SB_GETTEXTA
#define SB_GETTEXTLENGTHA (WM_USER + 3)
#define SB_GETTEXTLENGTH SB_GETTEXTLENGTHA
#define SB_SETPARTS (WM_USER + 4)
#define SB_GETPARTS (WM_USER + 6)
#define SB_GETBORDERS (WM_USER + 7)
#define SB_SETMINHEIGHT (WM_USER + 8)
#define SB_SIMPLE (WM_USER + 9)
#define SB_GETRECT (WM_USER + 10)
#define SB_ISSIMPLE (WM_USER + 14)
// The icon shown at the left of a part (-1: the simple-mode part); the bar
// does not own it.
#define SB_SETICON (WM_USER + 15)
#define SB_GETICON (WM_USER + 20)

// Drawing types of a part's text (high byte of SB_SETTEXT's wParam).
#define SBT_OWNERDRAW 0x1000
#define SBT_NOBORDERS 0x0100
#define SBT_POPOUT 0x0200
#define SBT_RTLREADING 0x0400
#define SBT_NOTABPARSING 0x0800

// The part index that addresses the simple-mode text.
#define SB_SIMPLEID 0x00ff

#define SBN_SIMPLEMODECHANGE (SBN_FIRST - 0)

HWND WINAPI CreateStatusWindow(LONG style, LPCSTR lpszText, HWND hwndParent, UINT wID);
void WINAPI DrawStatusText(HDC hDC, LPCRECT lprc, LPCSTR pszText, UINT uFlags);
#define CreateStatusWindowA CreateStatusWindow
#define DrawStatusTextA DrawStatusText
