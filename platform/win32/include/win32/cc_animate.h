// The animation control: plays the frames of a silent AVI clip from a
// resource or a file.
#pragma once

#include "win32/cc_common.h"

#define ANIMATE_CLASSA "SysAnimate32"
#define ANIMATE_CLASS ANIMATE_CLASSA

#define ACS_CENTER 0x0001
#define ACS_TRANSPARENT 0x0002
#define ACS_AUTOPLAY 0x0004
#define ACS_TIMER 0x0008

#define ACM_OPENA (WM_USER + 100)
#define ACM_OPEN ACM_OPENA
#define ACM_PLAY (WM_USER + 101)
#define ACM_STOP (WM_USER + 102)
#define ACM_ISPLAYING (WM_USER + 104)

#define ACN_START 1
#define ACN_STOP 2

#define Animate_Create(hwndP, id, dwStyle, hInstance)                                                         \
  CreateWindow(ANIMATE_CLASS, NULL, dwStyle, 0, 0, 0, 0, hwndP, (HMENU)(INT_PTR)(id), hInstance, NULL)
#define Animate_Open(hwnd, szName) (BOOL) SendMessage(hwnd, ACM_OPEN, 0, (LPARAM)(LPSTR)(szName))
#define Animate_OpenEx(hwnd, hInst, szName) \
  (BOOL) SendMessage(hwnd, ACM_OPEN, (WPARAM)(hInst), (LPARAM)(LPSTR)(szName))
#define Animate_Play(hwnd, from, to, rep) \
  (BOOL) SendMessage(hwnd, ACM_PLAY, (WPARAM)(rep), (LPARAM)MAKELONG(from, to))
#define Animate_Stop(hwnd) (BOOL) SendMessage(hwnd, ACM_STOP, 0, 0)
#define Animate_IsPlaying(hwnd) (BOOL) SendMessage(hwnd, ACM_ISPLAYING, 0, 0)
#define Animate_Close(hwnd) Animate_Open(hwnd, NULL)
#define Animate_Seek(hwnd, frame) Animate_Play(hwnd, frame, frame, 1)
