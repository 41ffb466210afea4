// The list view control ("SysListView32"): its state and the parts that
// share it. Every view lays its items out as report rows; only the report
// view shows the header.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "controls/controls_common.h"
#include "win32/commctrl.h"

namespace win32::controls {

struct ListViewItem {
  std::vector<std::string> texts;   // by subitem
  std::vector<bool> callbackTexts;  // subitems whose text the parent supplies
  int image = 0;
  LPARAM lParam = 0;
  UINT state = 0;
  int indent = 0;
};

struct ListViewColumn {
  int format = LVCFMT_LEFT;
  int subItem = 0;
  int image = 0;
};

struct ListViewState {
  std::vector<ListViewItem> items;
  std::vector<ListViewColumn> columns;  // parallel to the header's items
  HWND notify = nullptr;                // the creation parent
  HWND header = nullptr;
  HFONT font = nullptr;
  std::array<HIMAGELIST, 3> images{};  // LVSIL_NORMAL, LVSIL_SMALL, LVSIL_STATE
  DWORD exStyle = 0;
  COLORREF background = 0;
  COLORREF text = 0;
  COLORREF textBackground = CLR_DEFAULT;
  UINT callbackMask = 0;
  int top = 0;      // first visible row
  int scrollX = 0;  // pixels scrolled to the right
  int rowHeight = 1;
  int mark = -1;  // where a Shift range starts
  bool focused = false;
  bool updatingBars = false;
  // Mouse tracking of the left button.
  bool tracking = false;
  int pressedItem = -1;
  int pressedSubItem = -1;
  POINT pressPoint{};
  bool selectOnRelease = false;  // a click on a selected item of several
  bool editOnRelease = false;    // a click on the label of the focused item
  // The label editor (LVS_EDITLABELS).
  HWND editor = nullptr;
  int editItem = -1;
};

// ---- Dispatch and notifications (listview.cpp) ---------------------------
DWORD ViewType(HWND hwnd);
bool IsSingleSelect(HWND hwnd);
bool IsOwnerDrawReport(HWND hwnd);
LRESULT SendNotify(const ListViewState& state, NMHDR& header);
// NMHDR-only notifications (NM_SETFOCUS, NM_RETURN...).
LRESULT NotifySimple(HWND hwnd, const ListViewState& state, UINT code);
// NMLISTVIEW notifications about one item (-1 for none).
LRESULT NotifyItem(HWND hwnd, const ListViewState& state, UINT code, int item, int subItem = 0, UINT newState = 0,
                   UINT oldState = 0, UINT changed = 0, POINT point = {});
// NMITEMACTIVATE notifications (NM_CLICK, NM_DBLCLK, NM_RCLICK).
LRESULT NotifyActivate(HWND hwnd, const ListViewState& state, UINT code, int item, int subItem, POINT point);

// ---- Items and selection (listview_items.cpp) ----------------------------
int ItemCount(const ListViewState& state);
bool ValidItem(const ListViewState& state, int index);
// The text of a cell, asking the parent for callback texts.
std::string CellText(HWND hwnd, const ListViewState& state, int index, int subItem);
// The image of an item, asking the parent for I_IMAGECALLBACK.
int ItemImage(HWND hwnd, const ListViewState& state, int index);
int FocusedItem(const ListViewState& state);
int SelectedCount(const ListViewState& state);
// Changes the bits of `mask` with LVN_ITEMCHANGING / LVN_ITEMCHANGED; moves
// the focus and (single selection) the selection off other items first.
// Answers false when the parent refused.
bool ChangeItemState(HWND hwnd, ListViewState& state, int index, UINT newState, UINT mask);
// Selects and focuses `index` alone (-1: clears the selection only).
void SelectOnly(HWND hwnd, ListViewState& state, int index);
// Selects the items between the mark and `index` alone and focuses `index`.
void SelectRange(HWND hwnd, ListViewState& state, int index);
void SelectAll(HWND hwnd, ListViewState& state, bool select);
void DeleteAll(HWND hwnd, ListViewState& state);
LRESULT HandleItemMessage(HWND hwnd, ListViewState& state, UINT msg, WPARAM wParam, LPARAM lParam);

// ---- Columns (listview_columns.cpp) --------------------------------------
int ColumnCount(const ListViewState& state);
int ColumnWidth(const ListViewState& state, int column);
int TotalWidth(const ListViewState& state);
// Answers true and sets `result` for the column messages.
bool HandleColumnMessage(HWND hwnd, ListViewState& state, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
// Forwards the header's notification to the parent and follows its changes.
LRESULT OnHeaderNotify(HWND hwnd, ListViewState& state, NMHDR& nm);

// ---- Geometry and scrolling (listview_layout.cpp) ------------------------
int HeaderHeight(HWND hwnd, const ListViewState& state);
void MeasureRows(HWND hwnd, ListViewState& state);
void LayoutHeader(HWND hwnd, ListViewState& state);
int CountPerPage(HWND hwnd, const ListViewState& state);
// LVIR_BOUNDS / LVIR_ICON / LVIR_LABEL / LVIR_SELECTBOUNDS of an item.
RECT ItemRect(HWND hwnd, const ListViewState& state, int index, int code);
RECT SubItemRect(HWND hwnd, const ListViewState& state, int index, int column);
// The row's highlight: the whole row with LVS_EX_FULLROWSELECT, else the label.
RECT HighlightRect(HWND hwnd, const ListViewState& state, int index);
int HitTest(HWND hwnd, const ListViewState& state, LVHITTESTINFO& info, bool subItems);
void SetTop(HWND hwnd, ListViewState& state, int top);
void SetScrollX(HWND hwnd, ListViewState& state, int x);
bool EnsureVisible(HWND hwnd, ListViewState& state, int index);
void UpdateScrollBars(HWND hwnd, ListViewState& state);
void OnScroll(HWND hwnd, ListViewState& state, UINT msg, WPARAM wParam);
LRESULT ScrollBy(HWND hwnd, ListViewState& state, int dx, int dy);
LRESULT OnMouseWheel(HWND hwnd, ListViewState& state, WPARAM wParam);
void RedrawItems(HWND hwnd, const ListViewState& state, int first, int last);
// Refreshes scroll bars, the header and the whole picture.
void Relayout(HWND hwnd, ListViewState& state);

// ---- Input (listview_input.cpp) ------------------------------------------
LRESULT HandleListViewInput(HWND hwnd, ListViewState& state, UINT msg, WPARAM wParam, LPARAM lParam);

// ---- Label editing (listview_edit.cpp) -----------------------------------
// Opens the editor on an item's label after LVN_BEGINLABELEDIT; null when
// the parent refused or the item does not exist.
HWND BeginLabelEdit(HWND hwnd, ListViewState& state, int index);
// Closes the editor: LVN_ENDLABELEDIT with the new text (commit) or none.
void EndLabelEdit(HWND hwnd, ListViewState& state, bool commit);
// A click on the focused item's label edits it when no double click follows.
void ScheduleLabelEdit(HWND hwnd);
bool HandleLabelEditMessage(HWND hwnd, ListViewState& state, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

// ---- Painting (listview_paint.cpp) ---------------------------------------
int LabelTextWidth(HWND hwnd, const ListViewState& state, const std::string& text);
void PaintListView(HWND hwnd, const ListViewState& state, HDC dc);

}  // namespace win32::controls
