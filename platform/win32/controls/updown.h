// The "msctls_updown32" class: its state and the operations its message
// handling and its input handling share.
#pragma once

#include <vector>

#include "controls/bars_common.h"

namespace win32::controls {

enum class UpDownArrow { None, Up, Down };

struct UpDownState {
  int low = 100;  // an up-down starts with the inverted classic range
  int high = 0;
  int pos = 0;
  int base = 10;
  HWND buddy = nullptr;
  WNDPROC buddyProc = nullptr;  // the buddy's procedure before our subclass
  std::vector<UDACCEL> accels{{0, 1}, {2, 5}, {5, 20}};
  UpDownArrow pressed = UpDownArrow::None;  // the arrow held with the mouse
  bool overPressed = false;                 // the mouse is still over it
  DWORD pressStart = 0;                     // when it was pressed (for acceleration)
};

// Steps the position by `steps` increments toward the maximum (negative:
// toward the minimum): asks the parent with UDN_DELTAPOS first, clamps or
// wraps, updates the buddy and reports the new position with WM_VSCROLL or
// WM_HSCROLL. Answers false when the parent vetoed the step.
bool StepUpDown(HWND hwnd, UpDownState& s, int increment);

// The increment of an arrow held for `heldMs` milliseconds.
int AccelIncrement(const UpDownState& s, DWORD heldMs);

// The rectangles of the two arrows in client coordinates.
RECT ArrowRect(HWND hwnd, UpDownArrow arrow);

// Handles the mouse, keyboard, timer and paint messages; answers false for
// the messages it leaves to the caller.
bool HandleUpDownInput(HWND hwnd, UpDownState& s, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Subclass procedure of a buddy with UDS_ARROWKEYS: Up and Down step the
// up-down control.
LRESULT CALLBACK UpDownBuddyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The up-down state of a window of the class, or null.
std::shared_ptr<UpDownState> FindUpDownState(HWND hwnd);

}  // namespace win32::controls
