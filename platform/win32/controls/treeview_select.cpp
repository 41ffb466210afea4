// Tree-view notifications, selection, expansion and item relations.
#include "controls/treeview.h"

namespace win32::controls {
namespace {

bool IsVisibleItem(const TreeItem& item) {
  for (const TreeItem* p = item.parent; p; p = p->parent) {
    if (!(p->state & TVIS_EXPANDED)) return false;
  }
  return true;
}

HTREEITEM HandleOf(const TreeItem* item) { return item ? item->handle : nullptr; }

// Moves the caret out of a branch that collapses: to the collapsed item.
void KeepCaretShown(HWND hwnd, TreeViewState& state, TreeItem& collapsed) {
  for (const TreeItem* p = state.caret ? state.caret->parent : nullptr; p; p = p->parent) {
    if (p == &collapsed) {
      SelectItem(hwnd, state, &collapsed, TVC_UNKNOWN);
      return;
    }
  }
}

// TVN_ITEMEXPANDING (true when the parent refused) or TVN_ITEMEXPANDED.
bool NotifyExpand(HWND hwnd, TreeViewState& state, TreeItem& item, UINT code, UINT action) {
  NMTREEVIEW nm{};
  nm.action = action;
  nm.itemNew = DescribeItem(&item);
  return SendNotify(hwnd, state, nm.hdr, code) != 0;
}

bool Collapse(HWND hwnd, TreeViewState& state, TreeItem& item, bool notify, bool reset) {
  HTREEITEM handle = item.handle;
  bool expanded = (item.state & TVIS_EXPANDED) != 0;
  if (expanded && notify && NotifyExpand(hwnd, state, item, TVN_ITEMEXPANDING, TVE_COLLAPSE)) return false;
  TreeItem* live = FindItem(state, handle);
  if (!live) return false;
  live->state &= ~static_cast<UINT>(TVIS_EXPANDED);
  KeepCaretShown(hwnd, state, *live);
  if (reset && (live = FindItem(state, handle))) {
    live->state &= ~static_cast<UINT>(TVIS_EXPANDEDONCE);
    DeleteChildren(hwnd, state, *live);
  }
  MarkShapeChanged(hwnd, state);
  if (expanded && notify && (live = FindItem(state, handle)))
    NotifyExpand(hwnd, state, *live, TVN_ITEMEXPANDED, TVE_COLLAPSE);
  return true;
}

bool ExpandOpen(HWND hwnd, TreeViewState& state, TreeItem& item, bool notify) {
  if (item.state & TVIS_EXPANDED) return true;
  if (!HasButton(hwnd, state, item)) return false;
  HTREEITEM handle = item.handle;
  if (notify && NotifyExpand(hwnd, state, item, TVN_ITEMEXPANDING, TVE_EXPAND)) return false;
  TreeItem* live = FindItem(state, handle);
  if (!live) return false;
  live->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
  MarkShapeChanged(hwnd, state);
  if (notify && (live = FindItem(state, handle))) NotifyExpand(hwnd, state, *live, TVN_ITEMEXPANDED, TVE_EXPAND);
  return true;
}

TreeItem* FromVisible(TreeViewState& state, const TreeItem* item, int delta) {
  if (!item || !IsVisibleItem(*item)) return nullptr;
  const std::vector<TreeItem*>& visible = Visible(state);
  int index = VisibleIndex(state, item) + delta;
  return index >= 0 && index < static_cast<int>(visible.size()) ? visible[static_cast<size_t>(index)] : nullptr;
}

}  // namespace

LRESULT SendNotify(HWND hwnd, const TreeViewState& state, NMHDR& header, UINT code) {
  header.hwndFrom = hwnd;
  header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
  header.code = code;
  if (!state.notify || !IsWindow(state.notify)) return 0;
  return SendMessage(state.notify, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

TVITEM DescribeItem(const TreeItem* item) {
  TVITEM out{};
  if (!item) return out;
  out.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_TEXT;
  out.hItem = item->handle;
  out.state = item->state;
  out.stateMask = 0xFFFF;
  out.lParam = item->param;
  out.iImage = item->image;
  out.iSelectedImage = item->selectedImage;
  // Valid for the duration of the notification only, as in Win32.
  out.pszText = item->textCallback ? LPSTR_TEXTCALLBACK : const_cast<LPSTR>(item->text.c_str());
  return out;
}

bool SelectItem(HWND hwnd, TreeViewState& state, TreeItem* item, UINT action) {
  if (item == state.caret) return true;
  HTREEITEM oldHandle = HandleOf(state.caret);
  HTREEITEM newHandle = HandleOf(item);
  NMTREEVIEW nm{};
  nm.action = action;
  nm.itemOld = DescribeItem(state.caret);
  nm.itemNew = DescribeItem(item);
  if (SendNotify(hwnd, state, nm.hdr, TVN_SELCHANGING)) return false;
  // The parent may have deleted either item meanwhile.
  TreeItem* old = FindItem(state, oldHandle);
  item = FindItem(state, newHandle);
  if (newHandle && !item) return false;
  if (state.edit) EndEdit(hwnd, state, false);
  if (old) old->state &= ~static_cast<UINT>(TVIS_SELECTED);
  state.caret = item;
  RedrawItem(hwnd, state, old);
  if (item) {
    item->state |= TVIS_SELECTED;
    ExpandAncestors(hwnd, state, *item);
    if ((item = FindItem(state, newHandle))) {
      EnsureVisible(hwnd, state, *item);
      RedrawItem(hwnd, state, item);
    }
  }
  NMTREEVIEW done{};
  done.action = action;
  done.itemOld = DescribeItem(FindItem(state, oldHandle));
  done.itemOld.hItem = oldHandle;
  done.itemNew = DescribeItem(FindItem(state, newHandle));
  SendNotify(hwnd, state, done.hdr, TVN_SELCHANGED);
  return true;
}

bool Expand(HWND hwnd, TreeViewState& state, TreeItem& item, UINT code, bool byUser) {
  bool notify = byUser || !(item.state & TVIS_EXPANDEDONCE);
  switch (code & TVE_ACTIONMASK) {
    case TVE_EXPAND:
      return ExpandOpen(hwnd, state, item, notify);
    case TVE_COLLAPSE:
      return Collapse(hwnd, state, item, notify, (code & TVE_COLLAPSERESET) != 0);
    case TVE_TOGGLE:
      if (item.state & TVIS_EXPANDED) return Collapse(hwnd, state, item, notify, false);
      return ExpandOpen(hwnd, state, item, notify);
    default:
      return false;
  }
}

void ExpandAll(HWND hwnd, TreeViewState& state, TreeItem& item) {
  HTREEITEM handle = item.handle;
  ExpandOpen(hwnd, state, item, true);
  TreeItem* live = FindItem(state, handle);
  if (!live) return;
  std::vector<HTREEITEM> children;
  for (TreeItem* child : live->children) children.push_back(child->handle);
  for (HTREEITEM child : children) {
    if (TreeItem* c = FindItem(state, child)) ExpandAll(hwnd, state, *c);
  }
}

void ExpandAncestors(HWND hwnd, TreeViewState& state, const TreeItem& item) {
  std::vector<HTREEITEM> chain;
  for (const TreeItem* p = item.parent; p; p = p->parent) chain.push_back(p->handle);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    if (TreeItem* p = FindItem(state, *it); p && !(p->state & TVIS_EXPANDED))
      Expand(hwnd, state, *p, TVE_EXPAND, false);
  }
}

HTREEITEM GetNextItem(HWND hwnd, TreeViewState& state, UINT relation, HTREEITEM from) {
  const std::vector<TreeItem*>& visible = Visible(state);
  switch (relation) {
    case TVGN_ROOT:
      return state.roots.empty() ? nullptr : state.roots.front()->handle;
    case TVGN_CARET:
      return HandleOf(state.caret);
    case TVGN_DROPHILITE:
      return HandleOf(state.dropHilite);
    case TVGN_FIRSTVISIBLE:
      return state.top < static_cast<int>(visible.size()) ? visible[static_cast<size_t>(state.top)]->handle : nullptr;
    case TVGN_LASTVISIBLE:
      return visible.empty() ? nullptr : visible.back()->handle;
    case TVGN_CHILD:
      if (!from || from == TVI_ROOT) return GetNextItem(hwnd, state, TVGN_ROOT, nullptr);
      break;
    default:
      break;
  }
  const TreeItem* item = FindItem(state, from);
  if (!item) return nullptr;
  switch (relation) {
    case TVGN_NEXT:
      return HandleOf(NextSibling(state, *item));
    case TVGN_PREVIOUS:
      return HandleOf(PrevSibling(state, *item));
    case TVGN_PARENT:
      return HandleOf(item->parent);
    case TVGN_CHILD:
      return item->children.empty() ? nullptr : item->children.front()->handle;
    case TVGN_NEXTVISIBLE:
      return HandleOf(FromVisible(state, item, 1));
    case TVGN_PREVIOUSVISIBLE:
      return HandleOf(FromVisible(state, item, -1));
    default:
      return nullptr;
  }
}

bool SelectMessage(HWND hwnd, TreeViewState& state, UINT relation, HTREEITEM handle) {
  TreeItem* item = FindItem(state, handle);
  if (handle && !item) return false;
  switch (relation & ~static_cast<UINT>(TVSI_NOSINGLEEXPAND)) {
    case TVGN_CARET:
      return SelectItem(hwnd, state, item, TVC_UNKNOWN);
    case TVGN_DROPHILITE:
      if (state.dropHilite) state.dropHilite->state &= ~static_cast<UINT>(TVIS_DROPHILITED);
      RedrawItem(hwnd, state, state.dropHilite);
      state.dropHilite = item;
      if (item) item->state |= TVIS_DROPHILITED;
      RedrawItem(hwnd, state, item);
      return true;
    case TVGN_FIRSTVISIBLE:
      if (!item) return false;
      ExpandAncestors(hwnd, state, *item);
      if (!(item = FindItem(state, handle))) return false;
      SetTop(hwnd, state, VisibleIndex(state, item));
      return true;
    default:
      return false;
  }
}

}  // namespace win32::controls
