// The "SysTreeView32" class: items, geometry, selection and expansion,
// input, label editing and painting, one file each.
#pragma once

#include <memory>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "controls/controls_common.h"
#include "win32/commctrl.h"

namespace win32::controls {

struct TreeItem {
  HTREEITEM handle = nullptr;
  TreeItem* parent = nullptr;       // null for a top-level item
  std::vector<TreeItem*> children;  // owned by TreeViewState::items
  std::string text;
  bool textCallback = false;  // LPSTR_TEXTCALLBACK: the parent supplies the text
  int image = 0;
  int selectedImage = 0;
  int childrenFlag = 0;      // cChildren as given: 0, 1 or I_CHILDRENCALLBACK
  bool childrenSet = false;  // TVIF_CHILDREN was given; else the real children count
  UINT state = 0;
  LPARAM param = 0;
  bool deleting = false;  // its TVN_DELETEITEM is on the way
  int labelWidth = -1;    // measured label width; -1 until measured
};

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

struct TreeViewState {
  std::unordered_map<HTREEITEM, std::unique_ptr<TreeItem>> items;
  std::vector<TreeItem*> roots;
  ULONG_PTR lastHandle = 0;
  HWND notify = nullptr;  // the creation parent
  TreeItem* caret = nullptr;
  TreeItem* dropHilite = nullptr;
  // Expanded items in display order, rebuilt when the shape changes.
  std::vector<TreeItem*> visible;
  bool visibleDirty = true;
  // The number of visible rows and the widest of them, kept through
  // inserts (so a fill stays linear whatever is expanded) and counted
  // again after other changes, or when what the widths depend on changed.
  struct Extent {
    int rows = 0;
    int width = 0;
    DWORD style = 0;
    HANDLE normalImages = nullptr;
    HANDLE stateImages = nullptr;
    int indent = 0;
  } extent;
  bool extentDirty = true;
  int top = 0;      // index in `visible` of the first row shown
  int xOffset = 0;  // pixels scrolled to the left
  int indent = 19;
  int itemHeight = 0;  // 0: from the font
  bool customHeight = false;
  HFONT font = nullptr;
  HANDLE normalImages = nullptr;
  HANDLE stateImages = nullptr;
  COLORREF bkColor = CLR_INVALID;
  COLORREF textColor = CLR_INVALID;
  COLORREF lineColor = CLR_INVALID;
  bool focused = false;
  bool updatingBars = false;
  // Mouse: the item a left press landed on and what was under it.
  bool leftDown = false;
  bool rightDown = false;
  TreeItem* pressed = nullptr;
  UINT pressedFlags = 0;
  POINT pressPoint{};
  bool pressedWasSelected = false;
  HTREEITEM editPending = nullptr;  // a second click on the selection edits it after a pause
  bool skipChar = false;            // TVN_KEYDOWN kept the key from the type-ahead
  // Type-ahead.
  std::string search;
  DWORD searchTime = 0;
  // Label editing.
  HWND edit = nullptr;
  TreeItem* editItem = nullptr;
  WNDPROC editProc = nullptr;
  bool endingEdit = false;
};

constexpr UINT_PTR kTreeEditTimer = 1;

// ---- Items (treeview_items.cpp) -----------------------------------------
TreeItem* FindItem(const TreeViewState& state, HTREEITEM handle);
HTREEITEM InsertItem(HWND hwnd, TreeViewState& state, const TVINSERTSTRUCT* insert);
// TVI_ROOT (or null) deletes every item.
bool DeleteItem(HWND hwnd, TreeViewState& state, HTREEITEM handle);
void DeleteChildren(HWND hwnd, TreeViewState& state, TreeItem& item);
bool GetItem(HWND hwnd, TreeViewState& state, TVITEM* out);
bool SetItem(HWND hwnd, TreeViewState& state, const TVITEM* in);
const std::vector<TreeItem*>& Siblings(const TreeViewState& state, const TreeItem& item);
TreeItem* NextSibling(const TreeViewState& state, const TreeItem& item);
TreeItem* PrevSibling(const TreeViewState& state, const TreeItem& item);
// The displayed text, asking the parent for callback texts.
std::string ItemText(HWND hwnd, const TreeViewState& state, const TreeItem& item);
// Whether the item shows an expand button (children or cChildren).
bool HasButton(HWND hwnd, const TreeViewState& state, const TreeItem& item);
bool SortChildren(HWND hwnd, TreeViewState& state, HTREEITEM parent, bool recurse);
bool SortChildrenCB(HWND hwnd, TreeViewState& state, const TVSORTCB* sort, bool recurse);
int Depth(const TreeItem& item);
void MarkShapeChanged(HWND hwnd, TreeViewState& state);

// ---- Notifications, selection and expansion (treeview_select.cpp) --------
LRESULT SendNotify(HWND hwnd, const TreeViewState& state, NMHDR& header, UINT code);
// Answers a NMTREEVIEW item describing `item` (empty for null).
TVITEM DescribeItem(const TreeItem* item);
bool SelectItem(HWND hwnd, TreeViewState& state, TreeItem* item, UINT action);
// `byUser` actions always notify; a TVM_EXPAND notifies until the item has
// been expanded once.
bool Expand(HWND hwnd, TreeViewState& state, TreeItem& item, UINT code, bool byUser);
void ExpandAll(HWND hwnd, TreeViewState& state, TreeItem& item);
void ExpandAncestors(HWND hwnd, TreeViewState& state, const TreeItem& item);
HTREEITEM GetNextItem(HWND hwnd, TreeViewState& state, UINT relation, HTREEITEM from);
bool SelectMessage(HWND hwnd, TreeViewState& state, UINT relation, HTREEITEM handle);

// ---- Geometry and scrolling (treeview_layout.cpp) -------------------------
const std::vector<TreeItem*>& Visible(TreeViewState& state);
// Whether every ancestor of the item is expanded.
bool IsShown(const TreeItem& item);
// Keeps the extent after an insert, or a change of one item's label.
void NoteInserted(HWND hwnd, TreeViewState& state, TreeItem& item);
void NoteRelabelled(HWND hwnd, TreeViewState& state, TreeItem& item, int oldWidth);
// The width of the item's row (indent, images, label).
int RowWidth(HWND hwnd, TreeViewState& state, TreeItem& item);
int VisibleIndex(TreeViewState& state, const TreeItem* item);
int RowHeight(HWND hwnd, TreeViewState& state);
int RowsPerPage(HWND hwnd, TreeViewState& state);
// The indent level of the item's own column: depth, plus one with root lines.
int Level(HWND hwnd, const TreeItem& item);
struct RowLayout {
  RECT row;     // the whole line
  RECT button;  // the item's column of the indent (its button sits here)
  RECT check;   // the state image (TVS_CHECKBOXES or a state list), empty otherwise
  RECT image;   // the normal image when there is a normal list, else empty
  RECT label;   // the text with its margins
};
RowLayout LayoutRow(HWND hwnd, TreeViewState& state, int visibleIndex);
bool ItemRect(HWND hwnd, TreeViewState& state, TreeItem* item, bool textOnly, RECT& out);
TreeItem* HitTest(HWND hwnd, TreeViewState& state, POINT pt, UINT& flags);
void SetTop(HWND hwnd, TreeViewState& state, int top);
void EnsureVisible(HWND hwnd, TreeViewState& state, TreeItem& item);
void UpdateScrollBars(HWND hwnd, TreeViewState& state);
void OnScroll(HWND hwnd, TreeViewState& state, UINT msg, WPARAM wParam);
void Measure(HWND hwnd, TreeViewState& state);
// Forgets the measured label widths (after a font change).
void ForgetLabelWidths(TreeViewState& state);
// The bold form of the control's font for TVIS_BOLD items, made for one
// use: the state keeps no GDI object that could outlive the window system.
OwnedFont MakeBoldFont(const TreeViewState& state);
void RedrawItem(HWND hwnd, TreeViewState& state, TreeItem* item);

// ---- Keyboard and mouse (treeview_input.cpp) ------------------------------
LRESULT HandleTreeInput(HWND hwnd, TreeViewState& state, UINT msg, WPARAM wParam, LPARAM lParam);
void ToggleCheck(HWND hwnd, TreeViewState& state, TreeItem& item);

// ---- Label editing (treeview_edit.cpp) ------------------------------------
HWND BeginEdit(HWND hwnd, TreeViewState& state, TreeItem* item);
// Ends editing; `cancel` throws the text away. Answers whether an edit ended.
bool EndEdit(HWND hwnd, TreeViewState& state, bool cancel);

// ---- Painting (treeview_paint.cpp) ----------------------------------------
void PaintTreeView(HWND hwnd, TreeViewState& state, HDC dc);

}  // namespace win32::controls
