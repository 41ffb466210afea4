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

// The helpers as functions, so that a call whose answer is not used compiles
// without a warning.
inline HWND Animate_Create(HWND parent, int id, DWORD style, HINSTANCE instance) {
  return CreateWindowEx(0, ANIMATE_CLASS, nullptr, style, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}
inline BOOL Animate_OpenEx(HWND hwnd, HINSTANCE instance, LPCSTR name) {
  return static_cast<BOOL>(
      SendMessage(hwnd, ACM_OPEN, reinterpret_cast<WPARAM>(instance), reinterpret_cast<LPARAM>(name)));
}
inline BOOL Animate_Open(HWND hwnd, LPCSTR name) { return Animate_OpenEx(hwnd, nullptr, name); }
inline BOOL Animate_Play(HWND hwnd, int from, int to, int repeat) {
  return static_cast<BOOL>(SendMessage(hwnd, ACM_PLAY, static_cast<WPARAM>(repeat), MAKELPARAM(from, to)));
}
inline BOOL Animate_Stop(HWND hwnd) { return static_cast<BOOL>(SendMessage(hwnd, ACM_STOP, 0, 0)); }
inline BOOL Animate_IsPlaying(HWND hwnd) { return static_cast<BOOL>(SendMessage(hwnd, ACM_ISPLAYING, 0, 0)); }
inline BOOL Animate_Close(HWND hwnd) { return Animate_Open(hwnd, nullptr); }
inline BOOL Animate_Seek(HWND hwnd, int frame) { return Animate_Play(hwnd, frame, frame, 1); }
