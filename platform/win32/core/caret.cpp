// The caret: one per process, owned by a window that draws it itself. While
// it is shown a timer of the owner flips the blink phase every blink time
// and invalidates the caret's rectangle, so the owner paints it on and off.
#include "core/state.h"
#include "core/window.h"
#include "internal/core_input.h"

using namespace win32::core;

namespace {

// An id the controls' own timers never use.
constexpr UINT_PTR kBlinkTimer = 0xCA7E;

RECT CaretRectLocked(const Caret& c) { return RECT{c.pos.x, c.pos.y, c.pos.x + c.size.cx, c.pos.y + c.size.cy}; }

void Repaint(HWND owner, const RECT& rc) {
  if (owner) InvalidateRect(owner, &rc, FALSE);
}

void CALLBACK Blink(HWND hwnd, UINT, UINT_PTR, DWORD) {
  RECT rc;
  {
    State& st = S();
    Lock lk(st);
    Caret& c = st.caret;
    if (c.owner != hwnd) return;
    c.blinkOn = !c.blinkOn;
    rc = CaretRectLocked(c);
  }
  Repaint(hwnd, rc);
}

// Starts the blink over in its on phase (after a move or a show), or stops
// it while the caret is hidden or gone.
void RestartBlink(HWND owner) {
  UINT period = 0;
  bool shown = false;
  {
    State& st = S();
    Lock lk(st);
    Caret& c = st.caret;
    c.blinkOn = true;
    shown = c.owner == owner && c.hideCount <= 0;
    period = c.blinkTime;
  }
  if (!owner || !IsWindow(owner)) return;
  if (shown && period > 0)
    SetTimer(owner, kBlinkTimer, period, Blink);
  else
    KillTimer(owner, kBlinkTimer);
}

BOOL ChangeCaretVisibility(HWND hwnd, int delta) {
  HWND owner;
  RECT rc;
  {
    State& st = S();
    Lock lk(st);
    Caret& c = st.caret;
    if (!c.owner || (hwnd && hwnd != c.owner)) return FALSE;
    if (delta < 0 || c.hideCount > 0) c.hideCount -= delta;
    owner = c.owner;
    rc = CaretRectLocked(c);
  }
  RestartBlink(owner);
  Repaint(owner, rc);
  return TRUE;
}

}  // namespace

namespace win32::internal {

bool CaretVisible(HWND hwnd) {
  State& st = S();
  Lock lk(st);
  const Caret& c = st.caret;
  return hwnd && c.owner == hwnd && c.hideCount <= 0 && c.blinkOn && st.focus == hwnd;
}

}  // namespace win32::internal

BOOL WINAPI CreateCaret(HWND hWnd, HBITMAP, int nWidth, int nHeight) {
  HWND previous;
  {
    State& st = S();
    Lock lk(st);
    if (!FindWindowLocked(hWnd)) return FALSE;
    Caret& c = st.caret;
    previous = c.owner;
    c.owner = hWnd;
    c.size = SIZE{nWidth ? nWidth : 1, nHeight};
    c.pos = POINT{};
    c.hideCount = 1;
  }
  if (previous && previous != hWnd) KillTimer(previous, kBlinkTimer);
  RestartBlink(hWnd);
  return TRUE;
}

BOOL WINAPI DestroyCaret(void) {
  HWND owner;
  {
    State& st = S();
    Lock lk(st);
    Caret& c = st.caret;
    if (!c.owner) return FALSE;
    owner = c.owner;
    c.owner = nullptr;
    c.hideCount = 1;
  }
  RestartBlink(owner);
  return TRUE;
}

BOOL WINAPI HideCaret(HWND hWnd) { return ChangeCaretVisibility(hWnd, -1); }
BOOL WINAPI ShowCaret(HWND hWnd) { return ChangeCaretVisibility(hWnd, 1); }

BOOL WINAPI SetCaretPos(int X, int Y) {
  HWND owner;
  {
    State& st = S();
    Lock lk(st);
    Caret& c = st.caret;
    if (!c.owner) return FALSE;
    if (c.pos.x == X && c.pos.y == Y) return TRUE;
    c.pos = POINT{X, Y};
    owner = c.owner;
  }
  // A moved caret shows at once.
  RestartBlink(owner);
  return TRUE;
}

BOOL WINAPI GetCaretPos(LPPOINT lpPoint) {
  if (!lpPoint) return FALSE;
  State& st = S();
  Lock lk(st);
  *lpPoint = st.caret.pos;
  return TRUE;
}

UINT WINAPI GetCaretBlinkTime(void) {
  State& st = S();
  Lock lk(st);
  return st.caret.blinkTime;
}

BOOL WINAPI SetCaretBlinkTime(UINT uMSeconds) {
  HWND owner;
  {
    State& st = S();
    Lock lk(st);
    st.caret.blinkTime = uMSeconds;
    owner = st.caret.owner;
  }
  RestartBlink(owner);
  return TRUE;
}
