// Acting: keys and mouse through the window system's input injection, the
// same path a person's input takes, then pumping until idle.
#include <gtest/gtest.h>

#include <commctrl.h>
#include <windows.h>

#include "robot.h"
#include "window_system_queries.h"

namespace halvane::test {
namespace {

constexpr int kDragSteps = 4;
// Past this many messages in one pump something posts itself forever.
constexpr int kPumpLimit = 100000;

POINT CentreOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

POINT ToScreen(Window window, POINT client) {
  ClientToScreen(window.hwnd(), &client);
  return client;
}

POINT ClientCentre(Window window) {
  POINT centre = CentreOf(window.rect());
  ScreenToClient(window.hwnd(), &centre);
  return centre;
}

// The root of a message's window when it is a dialog: its keys go through
// IsDialogMessage as an application's loop would send them.
HWND DialogRootOf(HWND hwnd) {
  const HWND root = hwnd != nullptr ? GetAncestor(hwnd, GA_ROOT) : nullptr;
  return root != nullptr && Window(root).className() == "#32770" ? root : nullptr;
}

// A property sheet (known by its tab control) has keys of its own; what it
// leaves (or a dialog that only looks like one) gets the dialog keys.
bool IsDialogKey(HWND dialog, MSG& msg) {
  if (Window(dialog).child(ID_PSTABCONTROL).className() == WC_TABCONTROL && PropSheet_IsDialogMessage(dialog, &msg))
    return true;
  return IsDialogMessage(dialog, &msg) != FALSE;
}

bool ActionTarget(Window window, const char* action) {
  if (window.exists()) return true;
  ADD_FAILURE() << "Robot: " << action << " on a window that does not exist";
  return false;
}

// A left press on a caption or a sizing border.
bool StartsSizeMoveLoop(POINT screen) {
  HWND hwnd = WindowFromPoint(screen);
  if (hwnd == nullptr) return false;
  const LRESULT hit = SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
  return hit == HTCAPTION || (hit >= HTSIZEFIRST && hit <= HTSIZELAST);
}

}  // namespace

void Robot::pumpUntilIdle() {
  // A running menu loop reads the queue itself; the input waits for it.
  if (pumpsForMenu()) return;
  MSG msg{};
  for (int count = 0; PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE); ++count) {
    if (count == kPumpLimit) {
      ADD_FAILURE() << "Robot: the queue never became idle (last message " << msg.message << ")";
      return;
    }
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    const HWND dialog = DialogRootOf(msg.hwnd);
    // As the modal loop does: the message filter first, then the dialog keys.
    if (dialog != nullptr && (CallMsgFilter(&msg, MSGF_DIALOGBOX) || IsDialogKey(dialog, msg))) continue;
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
}

void Robot::advance(DWORD ms) {
  internal::AdvanceClockThroughTimers(ms, [this] { pumpUntilIdle(); });
}

void Robot::press(UINT vk) {
  internal::InjectKey(vk, true);
  pumpUntilIdle();
}

void Robot::release(UINT vk) {
  internal::InjectKey(vk, false);
  pumpUntilIdle();
}

void Robot::key(UINT vk) {
  press(vk);
  release(vk);
}

void Robot::keys(std::initializer_list<UINT> chord) {
  for (UINT vk : chord) press(vk);
  for (auto it = std::rbegin(chord); it != std::rend(chord); ++it) release(*it);
}

void Robot::type(const std::string& text) {
  for (char c : text) {
    internal::InjectCharacter(c);
    pumpUntilIdle();
  }
}

void Robot::moveTo(POINT screen) {
  cursor_ = screen;
  internal::InjectMouseMove(screen);
  pumpUntilIdle();
}

void Robot::button(bool right, bool down) {
  internal::InjectMouseButton(right, down, cursor_);
  // The move or size loop such a press starts reads the release itself.
  if (down && !right && StartsSizeMoveLoop(cursor_)) return;
  pumpUntilIdle();
}

void Robot::clickScreen(POINT screen, int clicks, bool right) {
  moveTo(screen);
  for (int i = 0; i < clicks; ++i) {
    button(right, true);
    button(right, false);
  }
}

void Robot::mouseButton(Window window, POINT point, int clicks, bool right) {
  if (ActionTarget(window, "click")) clickScreen(ToScreen(window, point), clicks, right);
}

void Robot::click(Window window) { click(window, ClientCentre(window)); }
void Robot::click(Window window, POINT point) { mouseButton(window, point, 1, false); }
void Robot::doubleClick(Window window) { doubleClick(window, ClientCentre(window)); }
void Robot::doubleClick(Window window, POINT point) { mouseButton(window, point, 2, false); }
void Robot::rightClick(Window window) { rightClick(window, ClientCentre(window)); }
void Robot::rightClick(Window window, POINT point) { mouseButton(window, point, 1, true); }

void Robot::drag(Window window, POINT from, POINT to) {
  if (!ActionTarget(window, "drag")) return;
  moveTo(ToScreen(window, from));
  // The whole gesture is queued before the pump: a press on a caption or a
  // border runs a move or size loop that reads the rest itself.
  internal::InjectMouseButton(false, true, cursor_);
  for (int step = 1; step <= kDragSteps; ++step) {
    const POINT at{from.x + (to.x - from.x) * step / kDragSteps, from.y + (to.y - from.y) * step / kDragSteps};
    cursor_ = ToScreen(window, at);
    internal::InjectMouseMove(cursor_);
  }
  button(false, false);
}

}  // namespace halvane::test
