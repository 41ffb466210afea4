// The multiple-document interface: the "MDICLIENT" window class, its
// messages' structures and the default procedures of frames and children.
#pragma once

#include "win32/wintypes.h"
#include "win32/winuser.h"

// lpCreateParams of the MDI client window.
typedef struct tagCLIENTCREATESTRUCT {
  HANDLE hWindowMenu;
  UINT idFirstChild;
} CLIENTCREATESTRUCT, *LPCLIENTCREATESTRUCT;

// WM_MDICREATE.
typedef struct tagMDICREATESTRUCTA {
  LPCSTR szClass;
  LPCSTR szTitle;
  HANDLE hOwner;
  int x;
  int y;
  int cx;
  int cy;
  DWORD style;
  LPARAM lParam;
} MDICREATESTRUCT, MDICREATESTRUCTA, *LPMDICREATESTRUCT;

#define MDIS_ALLCHILDSTYLES 0x0001

// WM_MDITILE and WM_MDICASCADE.
#define MDITILE_VERTICAL 0x0000
#define MDITILE_HORIZONTAL 0x0001
#define MDITILE_SKIPDISABLED 0x0002
#define MDITILE_ZORDER 0x0004

LRESULT WINAPI DefFrameProc(HWND hWnd, HWND hWndMDIClient, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT WINAPI DefMDIChildProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
BOOL WINAPI TranslateMDISysAccel(HWND hWndClient, LPMSG lpMsg);
HWND WINAPI CreateMDIWindow(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y, int nWidth,
                            int nHeight, HWND hWndParent, HINSTANCE hInstance, LPARAM lParam);
#define DefFrameProcA DefFrameProc
#define DefMDIChildProcA DefMDIChildProc
#define CreateMDIWindowA CreateMDIWindow
