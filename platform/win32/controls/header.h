// The header control ("SysHeader32"): its state and the parts that share it.
#pragma once

#include <string>
#include <vector>

#include "controls/controls_common.h"
#include "win32/commctrl.h"

namespace win32::controls {

struct HeaderItem {
  std::string text;
  int width = 0;
  int format = HDF_LEFT | HDF_STRING;
  LPARAM lParam = 0;
  int image = 0;
};

struct HeaderState {
  std::vector<HeaderItem> items;
  HWND notify = nullptr;  // the creation parent
  HFONT font = nullptr;
  HIMAGELIST images = nullptr;
  int pressed = -1;  // the item held down with HDS_BUTTONS
  bool pressedInside = false;
  int tracking = -1;  // the item whose divider is being dragged
  int trackStartX = 0;
  int trackStartWidth = 0;
  int trackWidth = 0;
};

// ---- Items (header.cpp) ---------------------------------------------------
bool ValidHeaderItem(const HeaderState& state, int index);
RECT HeaderItemRect(HWND hwnd, const HeaderState& state, int index);
// Sends an HDN_* notification about `index` to the parent and answers its
// result; `item` describes the change (null for none).
LRESULT NotifyHeader(HWND hwnd, const HeaderState& state, UINT code, int index, HDITEM* item, int button = 0);
// Sets the width of an item with HDN_ITEMCHANGING / HDN_ITEMCHANGED;
// answers false when the parent refused.
bool ChangeHeaderWidth(HWND hwnd, HeaderState& state, int index, int width);

// ---- Mouse (header_input.cpp) ---------------------------------------------
// The divider at a client x (the right edge of an item), or -1.
int HeaderDividerAt(HWND hwnd, const HeaderState& state, int x);
LRESULT HandleHeaderInput(HWND hwnd, HeaderState& state, UINT msg, WPARAM wParam, LPARAM lParam);

// ---- Painting (header_paint.cpp) ------------------------------------------
int HeaderHeight(HWND hwnd, const HeaderState& state);
void PaintHeader(HWND hwnd, const HeaderState& state, HDC dc);

}  // namespace win32::controls
