// The "SysTabControl32" class: items and messages (tab.cpp), the strip's
// layout (tab_layout.cpp) and classic painting (tab_paint.cpp).
#pragma once

#include <string>
#include <vector>

#include "controls/controls_common.h"
#include "win32/commctrl.h"

namespace win32::controls {

struct TabItem {
  std::string text;
  int image = -1;
  LPARAM param = 0;
  DWORD state = 0;
  RECT rect{};  // in the strip, unselected position
};

struct TabState {
  std::vector<TabItem> items;
  HWND notify = nullptr;
  int cur = -1;
  int focus = -1;
  HFONT font = nullptr;
  HANDLE images = nullptr;
  SIZE padding{6, 3};
  SIZE itemSize{0, 0};  // TCM_SETITEMSIZE: fixed width and height when non-zero
  int minWidth = -1;    // TCM_SETMINTABWIDTH; -1 is the default
  int rows = 1;
  bool focused = false;
  // A single line too long for the control scrolls behind two arrows.
  bool scrolling = false;
  int firstTab = 0;
  int stripRight = 0;  // tabs show left of this
};

// ---- Layout (tab_layout.cpp) ------------------------------------------------
constexpr int kTabImageGap = 3;  // between a tab's image and its text
// The width an item's image takes before its text (0 without one).
int ImageRoom(const TabState& state, const TabItem& item);
void LayoutTabs(HWND hwnd, TabState& state);
int TabHeight(HWND hwnd, const TabState& state);
// The bottom of the strip: where the display area's border starts.
int StripBottom(HWND hwnd, const TabState& state);
// TCM_ADJUSTRECT: display area from window rectangle, or back when `larger`.
void AdjustRect(HWND hwnd, const TabState& state, bool larger, RECT& rc);
// The item under a client point, or -1.
int TabFromPoint(const TabState& state, POINT pt);
// The scroll arrows of a strip that does not fit (left or right one).
RECT ArrowRect(HWND hwnd, const TabState& state, bool right);
// Scrolls the strip so that the tab `first` is the first one shown.
void ScrollTabsTo(HWND hwnd, TabState& state, int first);
// Scrolls the strip so that the selected tab shows.
void ShowSelectedTab(HWND hwnd, TabState& state);
// The rectangle an item is painted in: raised and wider when selected.
RECT PaintedRect(HWND hwnd, const TabState& state, int index);

// ---- Painting (tab_paint.cpp) -----------------------------------------------
void PaintTabs(HWND hwnd, TabState& state, HDC dc);

}  // namespace win32::controls
