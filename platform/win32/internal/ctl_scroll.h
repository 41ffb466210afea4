// The standard scroll bars of windows with WS_HSCROLL / WS_VSCROLL, for the
// window manager's non-client handling. The bars' state (range, page,
// position, enabled arrows) lives with the scroll-bar engine; visibility is
// the window's WS_HSCROLL / WS_VSCROLL style, as ShowScrollBar sets it.
#pragma once

#include "win32/wintypes.h"

namespace win32::internal {

// WM_NCCALCSIZE: takes the room of the visible bars from the right (vertical
// bar) and the bottom (horizontal bar) of `client`, in any coordinates.
void ScrollBarNcCalcSize(HWND hwnd, RECT& client);

// WM_NCPAINT: paints the visible bars (and the size box where both meet) on
// a DC whose origin is the window's top-left corner.
void PaintScrollBars(HWND hwnd, HDC windowDC);

// WM_NCHITTEST: HTVSCROLL / HTHSCROLL when the screen point is on a bar,
// else HTNOWHERE (the window manager goes on with its own tests).
LRESULT ScrollBarNcHitTest(HWND hwnd, POINT screenPt);

// WM_NCLBUTTONDOWN with HTVSCROLL / HTHSCROLL (DefWindowProc): starts
// tracking the press (arrows, page areas, thumb) with the mouse captured;
// sends WM_VSCROLL / WM_HSCROLL to the window.
void ScrollBarNcLButtonDown(HWND hwnd, WPARAM hitTest, POINT screenPt);

// While a window's bar is tracking, DefWindowProc passes it WM_MOUSEMOVE,
// WM_LBUTTONUP, WM_TIMER and WM_CAPTURECHANGED first: answers true when the
// tracker used the message.
bool ScrollBarTrackMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// WM_NCDESTROY: forgets the window's bars.
void ScrollBarWindowDestroyed(HWND hwnd);

}  // namespace win32::internal
