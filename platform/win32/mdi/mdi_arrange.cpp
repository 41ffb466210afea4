// Tiling, cascading and the icons of minimised children.
#include <algorithm>
#include <cmath>

#include "mdi/mdi_client.h"
#include "mdi/mdi_state.h"

namespace win32::mdi {
namespace {

// The windows an arrangement moves: visible, not minimised (and enabled
// with MDITILE_SKIPDISABLED), bottom of the z-order first so that the
// active child ends on top.
std::vector<HWND> Arranged(HWND client, UINT how) {
  std::vector<HWND> windows;
  for (HWND h : ZOrder(client)) {
    if (IsIconic(h) || ((how & MDITILE_SKIPDISABLED) && !IsWindowEnabled(h))) continue;
    windows.insert(windows.begin(), h);
  }
  return windows;
}

// Arrangements restore a maximised child first.
void RestoreMaximized(HWND client) {
  const auto info = InfoOf(client);
  if (info && info->maximized != nullptr) ShowWindow(info->maximized, SW_RESTORE);
}

// The client area above the row of icons.
RECT ArrangeArea(HWND client) {
  RECT area{};
  GetClientRect(client, &area);
  for (HWND h : ZOrder(client)) {
    if (IsIconic(h)) {
      area.bottom = std::max<LONG>(area.top, area.bottom - GetSystemMetrics(SM_CYMINIMIZED));
      break;
    }
  }
  return area;
}

void Place(HWND hwnd, int x, int y, int cx, int cy) {
  SetWindowPos(hwnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void Tile(HWND client, UINT how) {
  RestoreMaximized(client);
  auto windows = Arranged(client, how);
  if (windows.empty()) return;
  // Top of the z-order first: the active child takes the first cell.
  std::reverse(windows.begin(), windows.end());
  const RECT area = ArrangeArea(client);
  const int n = int(windows.size());
  const int across = std::max(1, int(std::sqrt(double(n))));
  const int lines = (n + across - 1) / across;
  // Vertical tiling puts the windows side by side (columns), horizontal
  // tiling one above the other (rows).
  const bool vertical = !(how & MDITILE_HORIZONTAL);
  const int columns = vertical ? lines : across, rows = vertical ? across : lines;
  const int width = (area.right - area.left) / columns, height = (area.bottom - area.top) / rows;
  for (int i = 0; i < n; ++i) {
    const int column = vertical ? i / rows : i % columns;
    const int row = vertical ? i % rows : i / columns;
    // The last column (or row) spans what the windows in it leave free.
    const int inLast = n - (vertical ? column * rows : row * columns);
    if (vertical && column == columns - 1 && inLast < rows) {
      const int h = (area.bottom - area.top) / inLast;
      Place(windows[size_t(i)], area.left + column * width, area.top + (i - column * rows) * h, width, h);
    } else if (!vertical && row == rows - 1 && inLast < columns) {
      const int w = (area.right - area.left) / inLast;
      Place(windows[size_t(i)], area.left + (i - row * columns) * w, area.top + row * height, w, height);
    } else {
      Place(windows[size_t(i)], area.left + column * width, area.top + row * height, width, height);
    }
  }
}

void Cascade(HWND client, UINT how) {
  RestoreMaximized(client);
  const auto windows = Arranged(client, how);
  if (windows.empty()) return;
  const RECT area = ArrangeArea(client);
  const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  const int cx = area.right - area.left, cy = area.bottom - area.top;
  const int n = int(windows.size());
  // Each window reaches the area's bottom-right corner at its place, but
  // keeps at least half the area; past that the cascade starts again.
  const int width = std::max(cx - step * (n - 1), cx / 2), height = std::max(cy - step * (n - 1), cy / 2);
  const int perRun = std::max(1, std::min((cx - width) / step, (cy - height) / step) + 1);
  for (int i = 0; i < n; ++i) {
    const int k = i % perRun;
    Place(windows[size_t(i)], area.left + k * step, area.top + k * step, width, height);
  }
}

void ArrangeIcons(HWND client) {
  RECT area{};
  GetClientRect(client, &area);
  const int cx = GetSystemMetrics(SM_CXMINIMIZED), cy = GetSystemMetrics(SM_CYMINIMIZED);
  const int perRow = std::max(1, int(area.right - area.left) / cx);
  const auto info = InfoOf(client);
  if (!info) return;
  int index = 0;
  for (HWND h : info->children) {
    if (!IsIconic(h)) continue;
    const int row = index / perRow, column = index % perRow;
    Place(h, area.left + column * cx, area.bottom - (row + 1) * cy, cx, cy);
    ++index;
  }
}

}  // namespace win32::mdi
