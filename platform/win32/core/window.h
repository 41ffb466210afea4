// Helpers shared by the window-manager files: tree and geometry look-ups,
// the frame metrics, painting and activation hooks between them.
#pragma once

#include <optional>
#include <vector>

#include "core/state.h"

namespace win32::core {

// Tree (locked).
std::vector<HWND>& SiblingsLocked(const Window& w);
void UnlinkLocked(const Window& w);
void LinkLocked(const Window& w, HWND insertAfter);
bool IsDescendantLocked(HWND ancestor, HWND hwnd);
HWND TopLevelOfLocked(HWND hwnd);
bool IsReallyVisibleLocked(HWND hwnd);
bool IsOwnThread(const Window& w);
std::vector<HWND> DescendantsLocked(HWND hwnd);  // depth first, parents first

// Geometry (locked): screen position of a window's top-left corner and of
// its client area's.
POINT WindowOriginLocked(const Window& w);
POINT ClientOriginLocked(const Window& w);
// Where the window's top-left corner is in its top-level's surface.
POINT SurfaceOffsetLocked(const Window& w);

// The frame's thickness on each side for a style (caption and menu
// included), the classic metrics.
RECT FrameInsets(DWORD style, DWORD exStyle, bool menu);

// Hooks (misc.cpp): calls the thread's hooks of a type; answers the first
// hook's answer, 0 without hooks.
LRESULT CallHooks(int type, int code, WPARAM wParam, LPARAM lParam);

// Painting (paint.cpp).
void InvalidateLocked(Window& w, const RECT* clientRect, bool erase, bool frame, std::optional<bool> children);
// The visible children under `clientRect` of `w`, with their whole subtrees,
// are to be painted again (what `w` paints there covers them).
void InvalidateChildrenUnderLocked(Window& w, const RECT& clientRect);
void ValidateLocked(Window& w, const RECT* clientRect);
bool NeedsPaintLocked(const Window& w);
void EnsureSurfaceLocked(Window& w);

// Activation and focus (focus.cpp).
void ActivateOtherWindow(HWND leaving);
void ActivateWindow(HWND hwnd, int how);

// Timers and the queue (queue.cpp, timers.cpp).
void ForgetWindowLocked(HWND hwnd);
// Hands the posted messages ForgetWindowLocked discarded to the
// dropped-message hooks; called without the lock.
void ReportDroppedMessages();
// Destroys every window of the calling thread, as Win32 does when it ends.
void DestroyThreadWindows();
void RemoveWindowTimersLocked(HWND hwnd);

}  // namespace win32::core
