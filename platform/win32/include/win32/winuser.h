// The window manager's API: window classes, windows, messages and the
// queue, focus, activation, capture, painting, timers, keyboard and mouse
// state, system metrics. ANSI only; the A-suffixed names are aliases.
#pragma once

#include "win32/wintypes.h"
#include "win32/wingdi.h"

#include "win32/winuser_messages.h"
#include "win32/winuser_styles.h"
#include "win32/winuser_keys.h"
#include "win32/winuser_metrics.h"
#include "win32/winuser_structs.h"
#include "win32/winuser_api.h"

// ---------------------------------------------------------------------------
// This window system's own services (tests, display backends, the class
// library).
#ifdef __cplusplus
#include <functional>
#include <vector>

namespace win32 {

// Tears down every window, class, queue, timer and kernel object and
// starts clean (tests call it in SetUp). Handles from before become stale.
void ResetWindowSystem();

// Selects the virtual clock (tests) or the real one (programs). The
// virtual clock moves only through Sleep, AdvanceClock, or when every
// thread known to the window system waits with a time-out.
void UseVirtualClock(bool useVirtual);
bool IsVirtualClock();
void AdvanceClock(DWORD milliseconds);

// The message being dispatched (or sent) on this thread, or null.
const MSG* GetCurrentMessage();

// Posted messages discarded unread because their window was destroyed go
// to these hooks (on the destroying thread, once the window is gone, no
// lock held), so that a poster whose message carries an allocation for the
// receiver to free can free it itself. Add answers an id for Remove (0 for
// an empty hook).
using DroppedMessageHook = std::function<void(const MSG& msg)>;
int AddDroppedMessageHook(DroppedMessageHook hook);
void RemoveDroppedMessageHook(int id);

// Paints every pending update of a top-level window, frame included, and
// writes its surface as a PNG file.
bool RenderWindowToPng(HWND topLevel, const char* path);
// The same with the visible windows it owns that are above it (open menus,
// drop-down lists), composed as the screen shows them.
bool RenderWindowWithPopupsToPng(HWND topLevel, const char* path);

// What MessageBeep and Beep recorded since the last reset.
struct RecordedBeep {
  bool messageBeep;  // MessageBeep (type) or Beep (frequency, duration)
  UINT type;
  DWORD frequency;
  DWORD duration;
};
std::vector<RecordedBeep> GetRecordedBeeps();

}  // namespace win32
#endif
