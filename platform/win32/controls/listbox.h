// The "ListBox" class and the combo box's list ("ComboLBox").
#pragma once

#include <string>
#include <vector>

#include "controls/chunked_list.h"
#include "controls/controls_common.h"

namespace win32::controls {

struct ListItem {
  std::string text;
  ULONG_PTR data = 0;
  bool selected = false;  // multiple-selection list boxes only
  int height = 0;         // LBS_OWNERDRAWVARIABLE only
};

struct ListBoxState {
  ChunkedList<ListItem> items;
  size_t reserved = 0;    // LB_INITSTORAGE: the items asked room for
  HWND notify = nullptr;  // the creation parent: parent, owner or combo box
  bool comboList = false;
  bool hasVScroll = false;  // created with WS_VSCROLL
  bool hasHScroll = false;  // created with WS_HSCROLL
  int top = 0;
  int cur = -1;     // the selection of a single-selection list box
  int caret = -1;   // the focus item
  int anchor = -1;  // where an extended selection starts
  int itemHeight = 0;
  int horizontalExtent = 0;
  int horizontalPos = 0;
  std::vector<int> tabStops;  // pixels, LBS_USETABSTOPS
  HFONT font = nullptr;
  bool focused = false;
  bool mouseDown = false;
  bool comboTracking = false;
  bool comboButtonDown = false;
};

// ---- The list box (listbox.cpp) -------------------------------------------
DWORD ListStyle(HWND hwnd);
bool IsMultiple(HWND hwnd);  // LBS_MULTIPLESEL or LBS_EXTENDEDSEL
bool IsOwnerDraw(HWND hwnd);
bool HasStrings(HWND hwnd);  // not owner-drawn, or LBS_HASSTRINGS
void NotifyOwner(HWND hwnd, const ListBoxState& state, UINT code);

// ---- Items and selection (listbox_items.cpp) ------------------------------
LRESULT AddItem(HWND hwnd, ListBoxState& state, LPARAM value);
LRESULT InsertItem(HWND hwnd, ListBoxState& state, int index, LPARAM value);
LRESULT DeleteItem(HWND hwnd, ListBoxState& state, int index);
void ResetContent(HWND hwnd, ListBoxState& state);
// WM_DELETEITEM for every item, last first, as when the list goes away.
void SendDeleteAll(HWND hwnd, const ListBoxState& state);
LRESULT FindItem(HWND hwnd, const ListBoxState& state, int start, LPARAM value, bool exact);
LRESULT GetItemText(HWND hwnd, const ListBoxState& state, int index, LPARAM buffer);
LRESULT GetItemTextLength(HWND hwnd, const ListBoxState& state, int index);
bool IsSelected(HWND hwnd, const ListBoxState& state, int index);
// Single selection: selects `index` (-1 for none). Multiple: sets one item.
void SelectOnly(HWND hwnd, ListBoxState& state, int index);
void SetItemSelected(ListBoxState& state, int index, bool selected);
void SelectRange(ListBoxState& state, int first, int last, bool selected);
int SelectedCount(const ListBoxState& state);
bool Valid(const ListBoxState& state, int index);

// ---- Geometry and scrolling (listbox_layout.cpp) --------------------------
int ItemHeightAt(const ListBoxState& state, int index);
int ItemsPerPage(HWND hwnd, const ListBoxState& state);
int MaxTop(HWND hwnd, const ListBoxState& state);
RECT ItemRect(HWND hwnd, const ListBoxState& state, int index);
// The item under a client point and whether the point is outside the items.
int ItemFromPoint(HWND hwnd, const ListBoxState& state, POINT pt, bool& outside);
void SetTop(HWND hwnd, ListBoxState& state, int top);
void EnsureVisible(HWND hwnd, ListBoxState& state, int index);
void UpdateScrollBars(HWND hwnd, ListBoxState& state);
void OnScroll(HWND hwnd, ListBoxState& state, UINT msg, WPARAM wParam);
void MeasureDefaultHeight(HWND hwnd, ListBoxState& state);
void MeasureItem(HWND hwnd, ListBoxState& state, int index);
void FitIntegralHeight(HWND hwnd, const ListBoxState& state);

// ---- Input (listbox_input.cpp) --------------------------------------------
LRESULT HandleListInput(HWND hwnd, ListBoxState& state, UINT msg, WPARAM wParam, LPARAM lParam);

// ---- Painting (listbox_paint.cpp) -----------------------------------------
void PaintListBox(HWND hwnd, const ListBoxState& state, HDC dc);

}  // namespace win32::controls
