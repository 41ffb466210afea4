// Tree-view items: insertion, deletion, attributes, siblings and sorting.
#include <algorithm>
#include <cstring>
#include <functional>

#include "controls/treeview.h"

namespace win32::controls {
namespace {

constexpr size_t kDispInfoText = 260;

std::vector<TreeItem*>& ChildList(TreeViewState& state, TreeItem* parent) {
  return parent ? parent->children : state.roots;
}

// The parent an insertion names: null for the top level, else a live item.
bool ResolveParent(const TreeViewState& state, HTREEITEM handle, TreeItem*& parent) {
  parent = nullptr;
  if (!handle || handle == TVI_ROOT) return true;
  parent = FindItem(state, handle);
  return parent && !parent->deleting;
}

void ApplyText(TreeItem& item, LPCSTR text) {
  item.textCallback = text == LPSTR_TEXTCALLBACK;
  item.text = (!text || item.textCallback) ? std::string() : std::string(text);
}

// Copies the fields `in.mask` names into the item.
void ApplyFields(TreeItem& item, const TVITEM& in) {
  if (in.mask & (TVIF_TEXT | TVIF_STATE)) item.labelWidth = -1;
  if (in.mask & TVIF_TEXT) ApplyText(item, in.pszText);
  if (in.mask & TVIF_IMAGE) item.image = in.iImage;
  if (in.mask & TVIF_SELECTEDIMAGE) item.selectedImage = in.iSelectedImage;
  if (in.mask & TVIF_PARAM) item.param = in.lParam;
  if (in.mask & TVIF_CHILDREN) {
    item.childrenFlag = in.cChildren;
    item.childrenSet = true;
  }
  if (in.mask & TVIF_STATE) {
    // The selection belongs to the control, not to the caller.
    UINT mask = in.stateMask & ~static_cast<UINT>(TVIS_SELECTED);
    item.state = (item.state & ~mask) | (in.state & mask);
  }
}

size_t InsertPosition(HWND hwnd, const TreeViewState& state, const std::vector<TreeItem*>& list, HTREEITEM after,
                      const TreeItem& item) {
  if (after == TVI_FIRST) return 0;
  if (after == TVI_LAST || !after) return list.size();
  if (after == TVI_SORT) {
    const std::string text = ItemText(hwnd, state, item);
    auto pos = std::find_if(list.begin(), list.end(), [&](const TreeItem* other) {
      return CompareNoCase(text, ItemText(hwnd, state, *other)) < 0;
    });
    return static_cast<size_t>(pos - list.begin());
  }
  auto pos = std::find_if(list.begin(), list.end(), [&](const TreeItem* other) { return other->handle == after; });
  // An unknown sibling puts the item last, as Win32 does.
  return pos == list.end() ? list.size() : static_cast<size_t>(pos - list.begin()) + 1;
}

void CollectPostOrder(TreeItem& item, std::vector<HTREEITEM>& out) {
  for (TreeItem* child : item.children) CollectPostOrder(*child, out);
  out.push_back(item.handle);
}

void MarkDeleting(TreeItem& item) {
  item.deleting = true;
  for (TreeItem* child : item.children) MarkDeleting(*child);
}

bool IsWithin(const TreeItem* item, const TreeItem& ancestor) {
  for (; item; item = item->parent) {
    if (item == &ancestor) return true;
  }
  return false;
}

// The item that takes the selection when `gone` goes: its next sibling,
// else its previous one, else its parent.
TreeItem* Successor(const TreeViewState& state, const TreeItem& gone) {
  if (TreeItem* next = NextSibling(state, gone)) return next;
  if (TreeItem* prev = PrevSibling(state, gone)) return prev;
  return gone.parent;
}

void Unlink(TreeViewState& state, TreeItem& item) {
  std::vector<TreeItem*>& list = ChildList(state, item.parent);
  list.erase(std::remove(list.begin(), list.end(), &item), list.end());
  if (state.caret == &item) state.caret = nullptr;
  if (state.dropHilite == &item) state.dropHilite = nullptr;
  if (state.pressed == &item) state.pressed = nullptr;
  if (state.editItem == &item) state.editItem = nullptr;
}

void NotifyDeleted(HWND hwnd, TreeViewState& state, TreeItem& item) {
  NMTREEVIEW nm{};
  nm.itemOld.mask = TVIF_HANDLE | TVIF_PARAM;
  nm.itemOld.hItem = item.handle;
  nm.itemOld.lParam = item.param;
  SendNotify(hwnd, state, nm.hdr, TVN_DELETEITEM);
}

// Deletes the subtree under and including `root`, children first, each
// with its TVN_DELETEITEM; items are looked up again after every
// notification, since the parent may do anything meanwhile.
void DeleteSubtree(HWND hwnd, TreeViewState& state, TreeItem& root) {
  std::vector<HTREEITEM> order;
  CollectPostOrder(root, order);
  MarkDeleting(root);
  for (HTREEITEM handle : order) {
    if (TreeItem* item = FindItem(state, handle)) NotifyDeleted(hwnd, state, *item);
    TreeItem* item = FindItem(state, handle);
    if (!item) continue;
    for (TreeItem* child : item->children) child->parent = nullptr;
    item->children.clear();
    Unlink(state, *item);
    state.items.erase(handle);
  }
}

void DeleteAll(HWND hwnd, TreeViewState& state) {
  if (state.edit) EndEdit(hwnd, state, true);
  state.caret = nullptr;
  std::vector<HTREEITEM> roots;
  for (TreeItem* root : state.roots) roots.push_back(root->handle);
  for (HTREEITEM handle : roots) {
    TreeItem* root = FindItem(state, handle);
    if (root && !root->deleting) DeleteSubtree(hwnd, state, *root);
  }
  state.top = 0;
  state.xOffset = 0;
  MarkShapeChanged(hwnd, state);
}

// Asks the parent for the callback fields `mask` names.
NMTVDISPINFO AskDispInfo(HWND hwnd, const TreeViewState& state, const TreeItem& item, UINT mask, char* buffer,
                         size_t size) {
  NMTVDISPINFO info{};
  info.item.mask = mask;
  info.item.hItem = item.handle;
  info.item.state = item.state;
  info.item.lParam = item.param;
  info.item.pszText = buffer;
  info.item.cchTextMax = static_cast<int>(size);
  info.item.iImage = item.image;
  info.item.iSelectedImage = item.selectedImage;
  info.item.cChildren = item.childrenFlag;
  if (buffer && size) buffer[0] = '\0';
  SendNotify(hwnd, state, info.hdr, TVN_GETDISPINFO);
  return info;
}

void CopyText(const std::string& text, TVITEM& out) {
  if (!out.pszText || out.pszText == LPSTR_TEXTCALLBACK || out.cchTextMax <= 0) return;
  size_t n = std::min(text.size(), static_cast<size_t>(out.cchTextMax) - 1);
  std::memcpy(out.pszText, text.data(), n);
  out.pszText[n] = '\0';
}

// The callback fields of `item` among those `mask` asks for.
UINT CallbackFields(const TreeItem& item, UINT mask) {
  UINT fields = 0;
  if ((mask & TVIF_TEXT) && item.textCallback) fields |= TVIF_TEXT;
  if ((mask & TVIF_IMAGE) && item.image == I_IMAGECALLBACK) fields |= TVIF_IMAGE;
  if ((mask & TVIF_SELECTEDIMAGE) && item.selectedImage == I_IMAGECALLBACK) fields |= TVIF_SELECTEDIMAGE;
  if ((mask & TVIF_CHILDREN) && item.childrenSet && item.childrenFlag == I_CHILDRENCALLBACK) fields |= TVIF_CHILDREN;
  return fields;
}

using ItemLess = std::function<bool(const TreeItem*, const TreeItem*)>;

void SortList(std::vector<TreeItem*>& list, bool recurse, const ItemLess& less) {
  std::stable_sort(list.begin(), list.end(), less);
  if (!recurse) return;
  for (TreeItem* child : list) SortList(child->children, true, less);
}

bool SortUnder(HWND hwnd, TreeViewState& state, HTREEITEM parent, bool recurse, const ItemLess& less) {
  TreeItem* item = nullptr;
  if (!ResolveParent(state, parent, item)) return false;
  SortList(ChildList(state, item), recurse, less);
  MarkShapeChanged(hwnd, state);
  return true;
}

}  // namespace

TreeItem* FindItem(const TreeViewState& state, HTREEITEM handle) {
  auto it = state.items.find(handle);
  return it == state.items.end() ? nullptr : it->second.get();
}

int Depth(const TreeItem& item) {
  int depth = 0;
  for (const TreeItem* p = item.parent; p; p = p->parent) ++depth;
  return depth;
}

void MarkShapeChanged(HWND hwnd, TreeViewState& state) {
  state.visibleDirty = true;
  state.extentDirty = true;
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
}

HTREEITEM InsertItem(HWND hwnd, TreeViewState& state, const TVINSERTSTRUCT* insert) {
  if (!insert) return nullptr;
  TreeItem* parent = nullptr;
  if (!ResolveParent(state, insert->hParent, parent)) return nullptr;
  auto item = std::make_unique<TreeItem>();
  item->handle = reinterpret_cast<HTREEITEM>(++state.lastHandle);
  item->parent = parent;
  TVITEM fields = insert->item;
  fields.mask &= ~static_cast<UINT>(TVIF_HANDLE);
  ApplyFields(*item, fields);
  // Check boxes start unchecked (state image 1).
  if ((StyleOf(hwnd) & TVS_CHECKBOXES) && !(item->state & TVIS_STATEIMAGEMASK)) {
    item->state |= INDEXTOSTATEIMAGEMASK(1);
  }
  std::vector<TreeItem*>& list = ChildList(state, parent);
  size_t pos = InsertPosition(hwnd, state, list, insert->hInsertAfter, *item);
  HTREEITEM handle = item->handle;
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(pos), item.get());
  TreeItem& added = *item;
  state.items.emplace(handle, std::move(item));
  NoteInserted(hwnd, state, added);
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
  return handle;
}

bool DeleteItem(HWND hwnd, TreeViewState& state, HTREEITEM handle) {
  if (!handle || handle == TVI_ROOT) {
    DeleteAll(hwnd, state);
    return true;
  }
  TreeItem* item = FindItem(state, handle);
  if (!item || item->deleting) return false;
  if (state.edit && state.editItem && IsWithin(state.editItem, *item)) EndEdit(hwnd, state, true);
  if (state.caret && IsWithin(state.caret, *item)) {
    TreeItem* next = Successor(state, *item);
    SelectItem(hwnd, state, next, TVC_UNKNOWN);
    // A refused change still may not leave the selection on a dead item.
    if (state.caret && IsWithin(state.caret, *item)) state.caret = nullptr;
  }
  if (!(item = FindItem(state, handle))) return true;
  DeleteSubtree(hwnd, state, *item);
  int last = std::max(0, static_cast<int>(Visible(state).size()) - 1);
  state.top = std::min(state.top, last);
  MarkShapeChanged(hwnd, state);
  return true;
}

void DeleteChildren(HWND hwnd, TreeViewState& state, TreeItem& item) {
  std::vector<HTREEITEM> children;
  for (TreeItem* child : item.children) children.push_back(child->handle);
  for (HTREEITEM handle : children) DeleteItem(hwnd, state, handle);
}

bool GetItem(HWND hwnd, TreeViewState& state, TVITEM* out) {
  if (!out) return false;
  TreeItem* item = FindItem(state, out->hItem);
  if (!item) return false;
  // The text is asked for on its own, so that TVIF_DI_SETITEM can keep it.
  UINT callbacks = CallbackFields(*item, out->mask) & ~static_cast<UINT>(TVIF_TEXT);
  char buffer[kDispInfoText];
  NMTVDISPINFO info{};
  if (callbacks) info = AskDispInfo(hwnd, state, *item, callbacks, buffer, sizeof(buffer));
  if (out->mask & TVIF_TEXT) CopyText(ItemText(hwnd, state, *item), *out);
  if (out->mask & TVIF_IMAGE) out->iImage = (callbacks & TVIF_IMAGE) ? info.item.iImage : item->image;
  if (out->mask & TVIF_SELECTEDIMAGE) {
    out->iSelectedImage = (callbacks & TVIF_SELECTEDIMAGE) ? info.item.iSelectedImage : item->selectedImage;
  }
  if (out->mask & TVIF_CHILDREN) {
    if (callbacks & TVIF_CHILDREN) {
      out->cChildren = info.item.cChildren;
    } else {
      out->cChildren = item->childrenSet ? item->childrenFlag : (item->children.empty() ? 0 : 1);
    }
  }
  if (out->mask & TVIF_PARAM) out->lParam = item->param;
  if (out->mask & TVIF_STATE) out->state = item->state & out->stateMask;
  return true;
}

bool SetItem(HWND hwnd, TreeViewState& state, const TVITEM* in) {
  if (!in) return false;
  TreeItem* item = FindItem(state, in->hItem);
  if (!item) return false;
  UINT wasExpanded = item->state & TVIS_EXPANDED;
  const int oldWidth = RowWidth(hwnd, state, *item);
  ApplyFields(*item, *in);
  if ((item->state & TVIS_EXPANDED) != wasExpanded) {
    MarkShapeChanged(hwnd, state);
  } else {
    NoteRelabelled(hwnd, state, *item, oldWidth);
    UpdateScrollBars(hwnd, state);
    RedrawItem(hwnd, state, item);
  }
  return true;
}

const std::vector<TreeItem*>& Siblings(const TreeViewState& state, const TreeItem& item) {
  return item.parent ? item.parent->children : state.roots;
}

TreeItem* NextSibling(const TreeViewState& state, const TreeItem& item) {
  const std::vector<TreeItem*>& list = Siblings(state, item);
  auto it = std::find(list.begin(), list.end(), &item);
  return (it == list.end() || it + 1 == list.end()) ? nullptr : *(it + 1);
}

TreeItem* PrevSibling(const TreeViewState& state, const TreeItem& item) {
  const std::vector<TreeItem*>& list = Siblings(state, item);
  auto it = std::find(list.begin(), list.end(), &item);
  return (it == list.end() || it == list.begin()) ? nullptr : *(it - 1);
}

std::string ItemText(HWND hwnd, const TreeViewState& state, const TreeItem& item) {
  if (!item.textCallback) return item.text;
  char buffer[kDispInfoText];
  NMTVDISPINFO info = AskDispInfo(hwnd, state, item, TVIF_TEXT, buffer, sizeof(buffer));
  const char* text = info.item.pszText;
  if (!text || text == LPSTR_TEXTCALLBACK) return {};
  std::string result(text, strnlen(text, kDispInfoText));
  // TVIF_DI_SETITEM asks the control to keep the answer from now on.
  if (info.item.mask & TVIF_DI_SETITEM) {
    if (TreeItem* live = FindItem(state, item.handle)) {
      live->text = result;
      live->textCallback = false;
      live->labelWidth = -1;
    }
  }
  return result;
}

bool HasButton(HWND hwnd, const TreeViewState& state, const TreeItem& item) {
  if (!item.childrenSet) return !item.children.empty();
  if (item.childrenFlag != I_CHILDRENCALLBACK) return item.childrenFlag != 0 || !item.children.empty();
  char unused[1];
  return AskDispInfo(hwnd, state, item, TVIF_CHILDREN, unused, 0).item.cChildren != 0;
}

bool SortChildren(HWND hwnd, TreeViewState& state, HTREEITEM parent, bool recurse) {
  return SortUnder(hwnd, state, parent, recurse, [&](const TreeItem* a, const TreeItem* b) {
    return CompareNoCase(ItemText(hwnd, state, *a), ItemText(hwnd, state, *b)) < 0;
  });
}

bool SortChildrenCB(HWND hwnd, TreeViewState& state, const TVSORTCB* sort, bool recurse) {
  if (!sort || !sort->lpfnCompare) return false;
  PFNTVCOMPARE compare = sort->lpfnCompare;
  LPARAM data = sort->lParam;
  return SortUnder(hwnd, state, sort->hParent, recurse, [compare, data](const TreeItem* a, const TreeItem* b) {
    return compare(a->param, b->param, data) < 0;
  });
}

}  // namespace win32::controls
