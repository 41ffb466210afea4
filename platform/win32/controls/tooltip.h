// The "tooltips_class32" class: its tools and the operations its message
// handling and its showing logic share.
#pragma once

#include <string>
#include <vector>

#include "controls/bars_common.h"

namespace win32::controls {

struct Tool {
  UINT flags = 0;
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  RECT rect{};
  HINSTANCE hinst = nullptr;
  std::string text;
  UINT textId = 0;        // a string resource of `hinst` instead of `text`
  bool callback = false;  // the text comes from TTN_GETDISPINFO
  LPARAM lParam = 0;
};

struct TooltipState {
  std::vector<Tool> tools;
  bool active = true;
  int current = -1;  // the tool under the mouse
  bool shown = false;
  bool suppressed = false;  // clicked: no tip until the mouse moves to another tool
  int initialDelay = -1;    // -1: the default from the double-click time
  int autoPopDelay = -1;
  int reshowDelay = -1;
  int maxWidth = -1;
  HFONT font = nullptr;
};

// The window whose mouse messages a tool watches: the tool window itself
// for TTF_IDISHWND, else the window that holds the tool's rectangle.
HWND ToolWatchedWindow(const Tool& tool);

// The tooltip's reaction to one mouse message of a watched window.
void RelayMouseEvent(HWND tip, TooltipState& s, const MSG& msg);

// Shows the current tool's tip (the initial-delay timer ends here).
void ShowTip(HWND tip, TooltipState& s);

// Hides the tip (with TTN_POP) when it shows.
void HideTip(HWND tip, TooltipState& s);

// The text a tool shows now: its own, its string resource, or what its
// window answers to TTN_GETDISPINFO.
std::string ToolText(HWND tip, Tool& tool, bool ask);

// The delay of a TTDT_* kind in milliseconds.
UINT TipDelay(const TooltipState& s, WPARAM kind);

// Handles timers and painting; answers false for other messages.
bool HandleTooltipWindow(HWND tip, TooltipState& s, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace win32::controls
