// The "SysTreeView32" window procedure: TVM_* messages, focus, fonts,
// scrolling and registration.
#include <algorithm>

#include "controls/treeview.h"

namespace win32::controls {
namespace {

constexpr char kTreeViewClassName[] = WC_TREEVIEW;
constexpr int kMinIndent = 5;
constexpr int kWheelLines = 3;

TreeItem* ItemOf(const TreeViewState& state, LPARAM lParam) {
  return FindItem(state, reinterpret_cast<HTREEITEM>(lParam));
}

LRESULT OnCreate(HWND hwnd, TreeViewState& state, const CREATESTRUCT& cs) {
  state.notify = cs.hwndParent;
  Measure(hwnd, state);
  UpdateScrollBars(hwnd, state);
  return 0;
}

void OnSetFont(HWND hwnd, TreeViewState& state, WPARAM font, LPARAM redraw) {
  state.font = reinterpret_cast<HFONT>(font);
  ForgetLabelWidths(state);
  Measure(hwnd, state);
  UpdateScrollBars(hwnd, state);
  if (LOWORD(redraw)) Redraw(hwnd);
}

void OnFocus(HWND hwnd, TreeViewState& state, bool focused) {
  state.focused = focused;
  RedrawItem(hwnd, state, state.caret);
  NMHDR header{};
  SendNotify(hwnd, state, header, focused ? NM_SETFOCUS : NM_KILLFOCUS);
}

LRESULT OnExpand(HWND hwnd, TreeViewState& state, UINT code, LPARAM lParam) {
  TreeItem* item = ItemOf(state, lParam);
  return item && Expand(hwnd, state, *item, code, false) ? TRUE : FALSE;
}

LRESULT OnGetItemRect(HWND hwnd, TreeViewState& state, bool textOnly, LPARAM lParam) {
  auto* rc = reinterpret_cast<RECT*>(lParam);
  if (!rc) return FALSE;
  HTREEITEM handle = *reinterpret_cast<HTREEITEM*>(rc);
  return ItemRect(hwnd, state, FindItem(state, handle), textOnly, *rc) ? TRUE : FALSE;
}

LRESULT OnHitTest(HWND hwnd, TreeViewState& state, LPARAM lParam) {
  auto* info = reinterpret_cast<TVHITTESTINFO*>(lParam);
  if (!info) return 0;
  TreeItem* item = HitTest(hwnd, state, info->pt, info->flags);
  info->hItem = item ? item->handle : nullptr;
  return reinterpret_cast<LRESULT>(info->hItem);
}

LRESULT OnSetIndent(HWND hwnd, TreeViewState& state, WPARAM indent) {
  state.indent = std::max(static_cast<int>(indent), kMinIndent);
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
  return TRUE;
}

LRESULT OnSetImageList(HWND hwnd, TreeViewState& state, WPARAM kind, LPARAM list) {
  HANDLE& slot = kind == TVSIL_STATE ? state.stateImages : state.normalImages;
  if (kind != TVSIL_STATE && kind != TVSIL_NORMAL) return 0;
  HANDLE old = slot;
  slot = reinterpret_cast<HANDLE>(list);
  // The images set the row height and the label's place.
  Measure(hwnd, state);
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
  return reinterpret_cast<LRESULT>(old);
}

LRESULT OnSetItemHeight(HWND hwnd, TreeViewState& state, WPARAM height) {
  int old = RowHeight(hwnd, state);
  int requested = static_cast<int>(static_cast<short>(LOWORD(height)));
  state.customHeight = requested > 0;
  if (state.customHeight) {
    state.itemHeight = requested;
    if (!(StyleOf(hwnd) & TVS_NONEVENHEIGHT)) state.itemHeight -= state.itemHeight % 2;
    state.itemHeight = std::max(state.itemHeight, 1);
  } else {
    Measure(hwnd, state);
  }
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
  return old;
}

LRESULT SetColor(HWND hwnd, COLORREF& slot, LPARAM color) {
  COLORREF old = slot;
  slot = static_cast<COLORREF>(color);
  Redraw(hwnd);
  return static_cast<LRESULT>(static_cast<LONG>(old));
}

LRESULT OnGetItemState(const TreeViewState& state, WPARAM handle, LPARAM mask) {
  TreeItem* item = FindItem(state, reinterpret_cast<HTREEITEM>(handle));
  return item ? static_cast<LRESULT>(item->state & static_cast<UINT>(mask)) : 0;
}

LRESULT OnEnsureVisible(HWND hwnd, TreeViewState& state, LPARAM lParam) {
  TreeItem* item = ItemOf(state, lParam);
  if (!item) return FALSE;
  HTREEITEM handle = item->handle;
  ExpandAncestors(hwnd, state, *item);
  if (!(item = FindItem(state, handle))) return FALSE;
  EnsureVisible(hwnd, state, *item);
  return TRUE;
}

// Item and relation messages.
LRESULT HandleItemMessage(HWND hwnd, TreeViewState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case TVM_INSERTITEM:
      return reinterpret_cast<LRESULT>(InsertItem(hwnd, state, reinterpret_cast<const TVINSERTSTRUCT*>(lParam)));
    case TVM_DELETEITEM:
      return DeleteItem(hwnd, state, reinterpret_cast<HTREEITEM>(lParam)) ? TRUE : FALSE;
    case TVM_GETITEM:
      return GetItem(hwnd, state, reinterpret_cast<TVITEM*>(lParam)) ? TRUE : FALSE;
    case TVM_SETITEM:
      return SetItem(hwnd, state, reinterpret_cast<const TVITEM*>(lParam)) ? TRUE : FALSE;
    case TVM_GETITEMSTATE:
      return OnGetItemState(state, wParam, lParam);
    case TVM_GETNEXTITEM:
      return reinterpret_cast<LRESULT>(
          GetNextItem(hwnd, state, static_cast<UINT>(wParam), reinterpret_cast<HTREEITEM>(lParam)));
    case TVM_SELECTITEM:
      return SelectMessage(hwnd, state, static_cast<UINT>(wParam), reinterpret_cast<HTREEITEM>(lParam)) ? TRUE : FALSE;
    case TVM_EXPAND:
      return OnExpand(hwnd, state, static_cast<UINT>(wParam), lParam);
    case TVM_GETCOUNT:
      return static_cast<LRESULT>(state.items.size());
    case TVM_SORTCHILDREN:
      return SortChildren(hwnd, state, reinterpret_cast<HTREEITEM>(lParam), wParam != 0) ? TRUE : FALSE;
    case TVM_SORTCHILDRENCB:
      return SortChildrenCB(hwnd, state, reinterpret_cast<const TVSORTCB*>(lParam), wParam != 0) ? TRUE : FALSE;
    case TVM_EDITLABEL:
      return reinterpret_cast<LRESULT>(BeginEdit(hwnd, state, ItemOf(state, lParam)));
    case TVM_GETEDITCONTROL:
      return reinterpret_cast<LRESULT>(state.edit);
    case TVM_ENDEDITLABELNOW:
      return EndEdit(hwnd, state, wParam != 0) ? TRUE : FALSE;
    case TVM_GETISEARCHSTRING:
      return 0;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

// Geometry and appearance messages.
LRESULT HandleViewMessage(HWND hwnd, TreeViewState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case TVM_GETITEMRECT:
      return OnGetItemRect(hwnd, state, wParam != 0, lParam);
    case TVM_GETVISIBLECOUNT:
      return RowsPerPage(hwnd, state);
    case TVM_HITTEST:
      return OnHitTest(hwnd, state, lParam);
    case TVM_ENSUREVISIBLE:
      return OnEnsureVisible(hwnd, state, lParam);
    case TVM_GETINDENT:
      return state.indent;
    case TVM_SETINDENT:
      return OnSetIndent(hwnd, state, wParam);
    case TVM_GETIMAGELIST:
      return reinterpret_cast<LRESULT>(wParam == TVSIL_STATE    ? state.stateImages
                                       : wParam == TVSIL_NORMAL ? state.normalImages
                                                                : nullptr);
    case TVM_SETIMAGELIST:
      return OnSetImageList(hwnd, state, wParam, lParam);
    case TVM_GETITEMHEIGHT:
      return RowHeight(hwnd, state);
    case TVM_SETITEMHEIGHT:
      return OnSetItemHeight(hwnd, state, wParam);
    case TVM_SETBKCOLOR:
      return SetColor(hwnd, state.bkColor, lParam);
    case TVM_GETBKCOLOR:
      return static_cast<LRESULT>(static_cast<LONG>(state.bkColor));
    case TVM_SETTEXTCOLOR:
      return SetColor(hwnd, state.textColor, lParam);
    case TVM_GETTEXTCOLOR:
      return static_cast<LRESULT>(static_cast<LONG>(state.textColor));
    case TVM_SETLINECOLOR:
      return SetColor(hwnd, state.lineColor, lParam);
    case TVM_GETLINECOLOR:
      return static_cast<LRESULT>(static_cast<LONG>(state.lineColor));
    default:
      return HandleItemMessage(hwnd, state, msg, wParam, lParam);
  }
}

void OnWheel(HWND hwnd, TreeViewState& state, WPARAM wParam) {
  int notches = static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA;
  SetTop(hwnd, state, state.top - notches * kWheelLines);
}

LRESULT HandleWindowMessage(HWND hwnd, TreeViewState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      return OnCreate(hwnd, state, *reinterpret_cast<const CREATESTRUCT*>(lParam));
    case WM_DESTROY:
      EndEdit(hwnd, state, true);
      DeleteItem(hwnd, state, TVI_ROOT);
      return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(hwnd, wParam);
      PaintTreeView(hwnd, state, paint.dc());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      UpdateScrollBars(hwnd, state);
      Redraw(hwnd);
      return 0;
    case WM_SETFONT:
      OnSetFont(hwnd, state, wParam, lParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state.font);
    case WM_SETFOCUS:
      OnFocus(hwnd, state, true);
      return 0;
    case WM_KILLFOCUS:
      OnFocus(hwnd, state, false);
      return 0;
    case WM_ENABLE:
      Redraw(hwnd);
      return 0;
    case WM_STYLECHANGED:
      // Lines, buttons and check boxes change the layout.
      ForgetLabelWidths(state);
      MarkShapeChanged(hwnd, state);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (lParam == 0) OnScroll(hwnd, state, msg, wParam);
      return 0;
    case WM_MOUSEWHEEL:
      OnWheel(hwnd, state, wParam);
      return 0;
    default:
      return HandleTreeInput(hwnd, state, msg, wParam, lParam);
  }
}

LRESULT HandleTreeView(HWND hwnd, TreeViewState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg >= TV_FIRST && msg < TV_FIRST + 0x100) return HandleViewMessage(hwnd, state, msg, wParam, lParam);
  return HandleWindowMessage(hwnd, state, msg, wParam, lParam);
}

using TreeViewClass = ControlClass<TreeViewState, HandleTreeView>;

const SystemClassRegistration<InitControlClass<TreeViewClass, kTreeViewClassName>> kTreeViewRegistration;

}  // namespace
}  // namespace win32::controls
