// Where to click in a tree list: its rows, the plus/minus box and text of a
// row's item, and the middle of a cell; and its in-place editor.
#pragma once

#include <commctrl.h>

#include "TreeList.h"
#include "robot.h"

namespace tree_list_test {

using halvane::test::Window;

constexpr int kEditorId = 1850;

inline RECT RowRect(Window list, int row) {
  RECT rect{};
  rect.left = LVIR_BOUNDS;
  ::SendMessage(list.hwnd(), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
  return rect;
}

inline int Middle(const RECT& rect) { return (rect.top + rect.bottom) / 2; }

// The middle of the box of the row's item at `depth`.
inline POINT BoxPoint(Window list, int row, int depth) {
  const RECT rect = RowRect(list, row);
  return POINT{rect.left + CTreeList::kIndent * depth - CTreeList::kButtonOffset + CTreeList::kButtonSize / 2,
               Middle(rect)};
}

// A point on the text of the row's item at `depth`.
inline POINT TextPoint(Window list, int row, int depth) {
  const RECT rect = RowRect(list, row);
  return POINT{rect.left + CTreeList::kIndent * depth + 8, Middle(rect)};
}

inline int ColumnWidth(Window list, int column) {
  return static_cast<int>(::SendMessage(list.hwnd(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

// The middle of a cell.
inline POINT CellPoint(Window list, int row, int column) {
  const RECT rect = RowRect(list, row);
  int left = rect.left;
  for (int i = 0; i < column; ++i) left += ColumnWidth(list, i);
  return POINT{left + ColumnWidth(list, column) / 2, Middle(rect)};
}

inline Window Editor(Window list) { return list.child(kEditorId); }

}  // namespace tree_list_test
