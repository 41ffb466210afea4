// The "msctls_statusbar32" class: its parts and the layout its messages and
// its painting share.
#pragma once

#include <string>
#include <vector>

#include "controls/bars_common.h"

namespace win32::controls {

struct StatusPart {
  std::string text;
  UINT type = 0;         // SBT_* drawing type
  LPARAM data = 0;       // the value an SBT_OWNERDRAW part carries
  HICON icon = nullptr;  // SB_SETICON's, the caller's to destroy
};

struct StatusBarState {
  std::vector<int> edges{-1};  // right edges; -1 reaches the right side
  std::vector<StatusPart> parts{1};
  StatusPart simple;  // the text of simple mode
  bool simpleMode = false;
  int minHeight = 0;
  HFONT font = nullptr;
  bool aligning = false;  // inside our own move, so WM_SIZE does not recurse
};

// Borders: none left and right, two pixels above and below, two between
// parts (what SB_GETBORDERS answers).
constexpr int kStatusBorderX = 0;
constexpr int kStatusBorderY = 2;
constexpr int kStatusSpacing = 2;

// The bar's height for its font and minimum height.
int StatusBarHeight(HWND hwnd, const StatusBarState& s);

// The rectangle of part `index` (SB_SIMPLEID in simple mode) in client
// coordinates; false for a part that does not exist.
bool StatusPartRect(HWND hwnd, const StatusBarState& s, int index, RECT& rc);

// The size grip's rectangle, or an empty one when the bar shows none.
RECT StatusGripRect(HWND hwnd);

void PaintStatusBar(HWND hwnd, const StatusBarState& s, HDC dc);

}  // namespace win32::controls
