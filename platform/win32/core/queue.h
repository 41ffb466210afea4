// Message retrieval shared by GetMessage, PeekMessage and the waits.
#pragma once

#include <optional>

#include "core/state.h"

namespace win32::core {

// Turns a raw input event into the message it makes (hit testing,
// activation and WM_SETCURSOR on the way); nothing when it was eaten.
// Called without the lock (input.cpp).
std::optional<MSG> CookInputEvent(const InputEvent& ev);

// Serves the messages other threads sent to this thread (lock held on
// entry and exit; released around each call).
void ServeSentMessagesLocked(Lock& lk, ThreadQueue& q);

// The WM_CHAR a key makes with the current keyboard state (0: none).
int CharFromKey(UINT vk);

// Calls a window's procedure on this thread, as the message in hand.
LRESULT CallWindowDirect(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Due timers (timers.cpp), locked.
bool TimerDueLocked(const ThreadQueue& q, HWND filter, ULONGLONG now, Timer* out);
void RestartTimerLocked(HWND hwnd, UINT_PTR id, ULONGLONG now);
std::optional<ULONGLONG> NextTimerLocked(DWORD thread);

// Whether a message's window passes a GetMessage window filter (locked).
bool WindowMatchesLocked(HWND filter, HWND hwnd);

}  // namespace win32::core
