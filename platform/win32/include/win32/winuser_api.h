// The window manager's functions and their ANSI names.
// Part of winuser.h, which includes it with its other parts.
#pragma once

#include "win32/winuser_structs.h"

// ---------------------------------------------------------------------------
// Window classes.
ATOM WINAPI RegisterClass(const WNDCLASS* lpWndClass);
ATOM WINAPI RegisterClassEx(const WNDCLASSEX* lpwcx);
BOOL WINAPI UnregisterClass(LPCSTR lpClassName, HINSTANCE hInstance);
BOOL WINAPI GetClassInfo(HINSTANCE hInstance, LPCSTR lpClassName, LPWNDCLASS lpWndClass);
BOOL WINAPI GetClassInfoEx(HINSTANCE hInstance, LPCSTR lpszClass, LPWNDCLASSEX lpwcx);
int WINAPI GetClassName(HWND hWnd, LPSTR lpClassName, int nMaxCount);
DWORD WINAPI GetClassLong(HWND hWnd, int nIndex);
DWORD WINAPI SetClassLong(HWND hWnd, int nIndex, LONG dwNewLong);
ULONG_PTR WINAPI GetClassLongPtr(HWND hWnd, int nIndex);
ULONG_PTR WINAPI SetClassLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong);

// Windows.
HWND WINAPI CreateWindowEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y,
                           int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam);
#define CreateWindow(lpClassName, lpWindowName, dwStyle, x, y, nWidth, nHeight, hWndParent, hMenu, hInstance, lpParam) \
  CreateWindowEx(0L, lpClassName, lpWindowName, dwStyle, x, y, nWidth, nHeight, hWndParent, hMenu, hInstance, lpParam)
BOOL WINAPI DestroyWindow(HWND hWnd);
BOOL WINAPI IsWindow(HWND hWnd);
BOOL WINAPI IsWindowUnicode(HWND hWnd);
BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd);
HWND WINAPI GetParent(HWND hWnd);
HWND WINAPI SetParent(HWND hWndChild, HWND hWndNewParent);
HWND WINAPI GetAncestor(HWND hwnd, UINT gaFlags);
HWND WINAPI GetWindow(HWND hWnd, UINT uCmd);
// A function rather than the usual macro, so that class members may share the name.
inline HWND GetNextWindow(HWND hWnd, UINT wCmd) { return GetWindow(hWnd, wCmd); }
HWND WINAPI GetTopWindow(HWND hWnd);
HWND WINAPI GetDesktopWindow(void);
HWND WINAPI GetLastActivePopup(HWND hWnd);
BOOL WINAPI EnumChildWindows(HWND hWndParent, WNDENUMPROC lpEnumFunc, LPARAM lParam);
BOOL WINAPI EnumWindows(WNDENUMPROC lpEnumFunc, LPARAM lParam);
BOOL WINAPI EnumThreadWindows(DWORD dwThreadId, WNDENUMPROC lpfn, LPARAM lParam);
HWND WINAPI FindWindow(LPCSTR lpClassName, LPCSTR lpWindowName);
HWND WINAPI FindWindowEx(HWND hWndParent, HWND hWndChildAfter, LPCSTR lpszClass, LPCSTR lpszWindow);
DWORD WINAPI GetWindowThreadProcessId(HWND hWnd, LPDWORD lpdwProcessId);

LONG WINAPI GetWindowLong(HWND hWnd, int nIndex);
LONG WINAPI SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong);
LONG_PTR WINAPI GetWindowLongPtr(HWND hWnd, int nIndex);
LONG_PTR WINAPI SetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
WORD WINAPI GetWindowWord(HWND hWnd, int nIndex);
WORD WINAPI SetWindowWord(HWND hWnd, int nIndex, WORD wNewWord);
LRESULT WINAPI CallWindowProc(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT WINAPI DefWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

int WINAPI GetWindowText(HWND hWnd, LPSTR lpString, int nMaxCount);
BOOL WINAPI SetWindowText(HWND hWnd, LPCSTR lpString);
int WINAPI GetWindowTextLength(HWND hWnd);
int WINAPI GetDlgCtrlID(HWND hWnd);
int WINAPI SetDlgCtrlID(HWND hWnd, int nID);
HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem);
HMENU WINAPI GetMenu(HWND hWnd);
BOOL WINAPI SetMenu(HWND hWnd, HMENU hMenu);

BOOL WINAPI SetProp(HWND hWnd, LPCSTR lpString, HANDLE hData);
HANDLE WINAPI GetProp(HWND hWnd, LPCSTR lpString);
HANDLE WINAPI RemoveProp(HWND hWnd, LPCSTR lpString);
int WINAPI EnumProps(HWND hWnd, PROPENUMPROC lpEnumFunc);

// Showing, state, placement.
BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow);
BOOL WINAPI ShowOwnedPopups(HWND hWnd, BOOL fShow);
BOOL WINAPI IsWindowVisible(HWND hWnd);
BOOL WINAPI IsIconic(HWND hWnd);
BOOL WINAPI IsZoomed(HWND hWnd);
BOOL WINAPI OpenIcon(HWND hWnd);
BOOL WINAPI CloseWindow(HWND hWnd);
BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable);
BOOL WINAPI IsWindowEnabled(HWND hWnd);
BOOL WINAPI FlashWindow(HWND hWnd, BOOL bInvert);
BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint);
BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);
BOOL WINAPI BringWindowToTop(HWND hWnd);
BOOL WINAPI GetWindowPlacement(HWND hWnd, WINDOWPLACEMENT* lpwndpl);
BOOL WINAPI SetWindowPlacement(HWND hWnd, const WINDOWPLACEMENT* lpwndpl);

// Geometry.
BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect);
BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect);
BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint);
BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint);
int WINAPI MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints);
BOOL WINAPI AdjustWindowRect(LPRECT lpRect, DWORD dwStyle, BOOL bMenu);
BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle);
HWND WINAPI WindowFromPoint(POINT Point);
HWND WINAPI ChildWindowFromPoint(HWND hWndParent, POINT Point);
HWND WINAPI ChildWindowFromPointEx(HWND hwnd, POINT pt, UINT flags);
HWND WINAPI RealChildWindowFromPoint(HWND hwndParent, POINT ptParentClientCoords);

// Rectangles.
BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom);
BOOL WINAPI SetRectEmpty(LPRECT lprc);
BOOL WINAPI CopyRect(LPRECT lprcDst, const RECT* lprcSrc);
BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy);
BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy);
BOOL WINAPI IsRectEmpty(const RECT* lprc);
BOOL WINAPI EqualRect(const RECT* lprc1, const RECT* lprc2);
BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);
BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);
BOOL WINAPI SubtractRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);
BOOL WINAPI PtInRect(const RECT* lprc, POINT pt);

// Focus, activation, capture.
HWND WINAPI SetFocus(HWND hWnd);
HWND WINAPI GetFocus(void);
HWND WINAPI SetActiveWindow(HWND hWnd);
HWND WINAPI GetActiveWindow(void);
BOOL WINAPI SetForegroundWindow(HWND hWnd);
HWND WINAPI GetForegroundWindow(void);
HWND WINAPI SetCapture(HWND hWnd);
BOOL WINAPI ReleaseCapture(void);
HWND WINAPI GetCapture(void);

// Messages and the queue.
BOOL WINAPI GetMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
BOOL WINAPI PeekMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg);
BOOL WINAPI PostMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
BOOL WINAPI PostThreadMessage(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT WINAPI SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT WINAPI SendMessageTimeout(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam, UINT fuFlags, UINT uTimeout,
                                  PDWORD_PTR lpdwResult);
BOOL WINAPI SendNotifyMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
void WINAPI PostQuitMessage(int nExitCode);
BOOL WINAPI TranslateMessage(const MSG* lpMsg);
LRESULT WINAPI DispatchMessage(const MSG* lpMsg);
LONG WINAPI GetMessageTime(void);
DWORD WINAPI GetMessagePos(void);
BOOL WINAPI InSendMessage(void);
DWORD WINAPI InSendMessageEx(LPVOID lpReserved);
BOOL WINAPI ReplyMessage(LRESULT lResult);
BOOL WINAPI WaitMessage(void);
DWORD WINAPI GetQueueStatus(UINT flags);
BOOL WINAPI GetInputState(void);
DWORD WINAPI MsgWaitForMultipleObjects(DWORD nCount, const HANDLE* pHandles, BOOL fWaitAll, DWORD dwMilliseconds,
                                       DWORD dwWakeMask);
DWORD WINAPI MsgWaitForMultipleObjectsEx(DWORD nCount, const HANDLE* pHandles, DWORD dwMilliseconds, DWORD dwWakeMask,
                                         DWORD dwFlags);
UINT WINAPI RegisterWindowMessage(LPCSTR lpString);

// Hooks.
HHOOK WINAPI SetWindowsHookEx(int idHook, HOOKPROC lpfn, HINSTANCE hmod, DWORD dwThreadId);
BOOL WINAPI UnhookWindowsHookEx(HHOOK hhk);
LRESULT WINAPI CallNextHookEx(HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam);
BOOL WINAPI CallMsgFilter(LPMSG lpMsg, int nCode);

// Timers.
UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent);

// Painting.
HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint);
BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
HDC WINAPI GetDC(HWND hWnd);
HDC WINAPI GetWindowDC(HWND hWnd);
HDC WINAPI GetDCEx(HWND hWnd, HRGN hrgnClip, DWORD flags);
int WINAPI ReleaseDC(HWND hWnd, HDC hDC);
HWND WINAPI WindowFromDC(HDC hDC);
BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
BOOL WINAPI InvalidateRgn(HWND hWnd, HRGN hRgn, BOOL bErase);
BOOL WINAPI ValidateRect(HWND hWnd, const RECT* lpRect);
BOOL WINAPI ValidateRgn(HWND hWnd, HRGN hRgn);
BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase);
BOOL WINAPI UpdateWindow(HWND hWnd);
BOOL WINAPI RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags);
BOOL WINAPI LockWindowUpdate(HWND hWndLock);
BOOL WINAPI ScrollWindow(HWND hWnd, int XAmount, int YAmount, const RECT* lpRect, const RECT* lpClipRect);
int WINAPI ScrollWindowEx(HWND hWnd, int dx, int dy, const RECT* prcScroll, const RECT* prcClip, HRGN hrgnUpdate,
                          LPRECT prcUpdate, UINT flags);

// Caret (state only: the edit controls draw their own caret).
BOOL WINAPI CreateCaret(HWND hWnd, HBITMAP hBitmap, int nWidth, int nHeight);
BOOL WINAPI DestroyCaret(void);
BOOL WINAPI HideCaret(HWND hWnd);
BOOL WINAPI ShowCaret(HWND hWnd);
BOOL WINAPI SetCaretPos(int X, int Y);
BOOL WINAPI GetCaretPos(LPPOINT lpPoint);
UINT WINAPI GetCaretBlinkTime(void);
BOOL WINAPI SetCaretBlinkTime(UINT uMSeconds);

// Keyboard.
SHORT WINAPI GetKeyState(int nVirtKey);
SHORT WINAPI GetAsyncKeyState(int vKey);
BOOL WINAPI GetKeyboardState(PBYTE lpKeyState);
BOOL WINAPI SetKeyboardState(LPBYTE lpKeyState);
UINT WINAPI MapVirtualKey(UINT uCode, UINT uMapType);
SHORT WINAPI VkKeyScan(CHAR ch);

// Mouse and cursor.
BOOL WINAPI GetCursorPos(LPPOINT lpPoint);
BOOL WINAPI SetCursorPos(int X, int Y);
HCURSOR WINAPI SetCursor(HCURSOR hCursor);
HCURSOR WINAPI GetCursor(void);
int WINAPI ShowCursor(BOOL bShow);
BOOL WINAPI ClipCursor(const RECT* lpRect);
UINT WINAPI GetDoubleClickTime(void);
BOOL WINAPI SetDoubleClickTime(UINT uInterval);
BOOL WINAPI TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack);
BOOL WINAPI SwapMouseButton(BOOL fSwap);

// Sounds (recorded, never played).
BOOL WINAPI MessageBeep(UINT uType);

// System metrics and parameters.
int WINAPI GetSystemMetrics(int nIndex);
BOOL WINAPI SystemParametersInfo(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni);

// The ANSI names.
#define RegisterClassA RegisterClass
#define RegisterClassExA RegisterClassEx
#define UnregisterClassA UnregisterClass
#define GetClassInfoA GetClassInfo
#define GetClassInfoExA GetClassInfoEx
#define GetClassNameA GetClassName
#define GetClassLongA GetClassLong
#define SetClassLongA SetClassLong
#define GetClassLongPtrA GetClassLongPtr
#define SetClassLongPtrA SetClassLongPtr
#define CreateWindowExA CreateWindowEx
#define CreateWindowA CreateWindow
#define GetWindowLongA GetWindowLong
#define SetWindowLongA SetWindowLong
#define GetWindowLongPtrA GetWindowLongPtr
#define SetWindowLongPtrA SetWindowLongPtr
#define CallWindowProcA CallWindowProc
#define DefWindowProcA DefWindowProc
#define GetWindowTextA GetWindowText
#define SetWindowTextA SetWindowText
#define GetWindowTextLengthA GetWindowTextLength
#define FindWindowA FindWindow
#define FindWindowExA FindWindowEx
#define SetPropA SetProp
#define GetPropA GetProp
#define RemovePropA RemoveProp
#define GetMessageA GetMessage
#define PeekMessageA PeekMessage
#define PostMessageA PostMessage
#define PostThreadMessageA PostThreadMessage
#define SendMessageA SendMessage
#define SendMessageTimeoutA SendMessageTimeout
#define SendNotifyMessageA SendNotifyMessage
#define DispatchMessageA DispatchMessage
#define RegisterWindowMessageA RegisterWindowMessage
#define SetWindowsHookExA SetWindowsHookEx
#define CallMsgFilterA CallMsgFilter
#define MapVirtualKeyA MapVirtualKey
#define VkKeyScanA VkKeyScan
#define SystemParametersInfoA SystemParametersInfo
