// List view items: insertion and deletion, texts, states and the selection,
// searching and sorting.
#include <algorithm>
#include <cstring>

#include "controls/listview.h"

namespace win32::controls {

int ItemCount(const ListViewState& state) { return static_cast<int>(state.items.size()); }

bool ValidItem(const ListViewState& state, int index) { return index >= 0 && index < ItemCount(state); }

namespace {

constexpr UINT kSelectionBits = LVIS_SELECTED | LVIS_FOCUSED;
constexpr int kDispInfoChars = 260;

ListViewItem& ItemAt(ListViewState& state, int index) { return state.items[static_cast<size_t>(index)]; }
const ListViewItem& ItemAt(const ListViewState& state, int index) { return state.items[static_cast<size_t>(index)]; }

bool IsCallbackText(const ListViewItem& item, int subItem) {
  return subItem >= 0 && static_cast<size_t>(subItem) < item.callbackTexts.size() &&
         item.callbackTexts[static_cast<size_t>(subItem)];
}

// Stores a text (or the callback marker) for a subitem.
void StoreText(ListViewItem& item, int subItem, LPCSTR text) {
  size_t slot = static_cast<size_t>(subItem);
  if (item.texts.size() <= slot) {
    item.texts.resize(slot + 1);
    item.callbackTexts.resize(slot + 1, false);
  }
  bool callback = text == LPSTR_TEXTCALLBACK;
  item.callbackTexts[slot] = callback;
  item.texts[slot] = callback || !text ? std::string() : std::string(text);
}

void CopyOut(const std::string& text, LPSTR buffer, int size) {
  if (!buffer || size <= 0) return;
  size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

// Asks the parent for the parts of an item named by `mask` (LVN_GETDISPINFO).
NMLVDISPINFO AskDispInfo(HWND hwnd, const ListViewState& state, int index, int subItem, UINT mask, char* buffer) {
  NMLVDISPINFO info{};
  info.hdr = NMHDR{hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), LVN_GETDISPINFO};
  info.item.mask = mask;
  info.item.iItem = index;
  info.item.iSubItem = subItem;
  info.item.pszText = buffer;
  info.item.cchTextMax = kDispInfoChars;
  info.item.lParam = ItemAt(state, index).lParam;
  info.item.iImage = ItemAt(state, index).image;
  buffer[0] = '\0';
  SendNotify(state, info.hdr);
  return info;
}

void AfterCountChange(HWND hwnd, ListViewState& state) {
  state.top = std::clamp(state.top, 0, std::max(0, ItemCount(state) - 1));
  Relayout(hwnd, state);
}

}  // namespace

int ItemImage(HWND hwnd, const ListViewState& state, int index) {
  if (!ValidItem(state, index)) return I_IMAGENONE;
  const ListViewItem& item = ItemAt(state, index);
  if (item.image != I_IMAGECALLBACK) return item.image;
  char buffer[kDispInfoChars];
  return AskDispInfo(hwnd, state, index, 0, LVIF_IMAGE, buffer).item.iImage;
}

std::string CellText(HWND hwnd, const ListViewState& state, int index, int subItem) {
  if (!ValidItem(state, index) || subItem < 0) return {};
  const ListViewItem& item = ItemAt(state, index);
  if (!IsCallbackText(item, subItem)) {
    return static_cast<size_t>(subItem) < item.texts.size() ? item.texts[static_cast<size_t>(subItem)] : std::string();
  }
  char buffer[kDispInfoChars];
  NMLVDISPINFO info = AskDispInfo(hwnd, state, index, subItem, LVIF_TEXT, buffer);
  if (!info.item.pszText || info.item.pszText == LPSTR_TEXTCALLBACK) return {};
  return std::string(info.item.pszText);
}

int SelectedCount(const ListViewState& state) {
  return static_cast<int>(std::count_if(state.items.begin(), state.items.end(),
                                        [](const ListViewItem& item) { return (item.state & LVIS_SELECTED) != 0; }));
}

int FocusedItem(const ListViewState& state) {
  for (int i = 0; i < ItemCount(state); ++i) {
    if (ItemAt(state, i).state & LVIS_FOCUSED) return i;
  }
  return -1;
}

namespace {

// One item's state change with its two notifications, nothing else.
bool ChangeOne(HWND hwnd, ListViewState& state, int index, UINT newState, UINT mask) {
  UINT old = ItemAt(state, index).state;
  UINT wanted = (old & ~mask) | (newState & mask);
  if (wanted == old) return true;
  if (NotifyItem(hwnd, state, LVN_ITEMCHANGING, index, 0, wanted, old, LVIF_STATE)) return false;
  if (!ValidItem(state, index)) return false;
  ItemAt(state, index).state = wanted;
  RedrawItems(hwnd, state, index, index);
  NotifyItem(hwnd, state, LVN_ITEMCHANGED, index, 0, wanted, old, LVIF_STATE);
  return true;
}

void ClearOthers(HWND hwnd, ListViewState& state, int keep, UINT bits) {
  for (int i = 0; i < ItemCount(state); ++i) {
    if (i != keep && (ItemAt(state, i).state & bits)) ChangeOne(hwnd, state, i, 0, bits);
  }
}

}  // namespace

bool ChangeItemState(HWND hwnd, ListViewState& state, int index, UINT newState, UINT mask) {
  if (!ValidItem(state, index)) return false;
  UINT gaining = newState & mask & ~ItemAt(state, index).state;
  if (gaining & LVIS_FOCUSED) ClearOthers(hwnd, state, index, LVIS_FOCUSED);
  if ((gaining & LVIS_SELECTED) && IsSingleSelect(hwnd)) ClearOthers(hwnd, state, index, LVIS_SELECTED);
  return ValidItem(state, index) && ChangeOne(hwnd, state, index, newState, mask);
}

void SelectOnly(HWND hwnd, ListViewState& state, int index) {
  for (int i = 0; i < ItemCount(state); ++i) {
    if (i == index) continue;
    UINT bits = ValidItem(state, index) ? kSelectionBits : LVIS_SELECTED;
    if (ItemAt(state, i).state & bits) ChangeOne(hwnd, state, i, 0, bits);
  }
  if (!ValidItem(state, index)) return;
  ChangeOne(hwnd, state, index, kSelectionBits, kSelectionBits);
  state.mark = index;
}

void SelectRange(HWND hwnd, ListViewState& state, int index) {
  if (!ValidItem(state, state.mark)) state.mark = std::max(0, FocusedItem(state));
  int first = std::min(state.mark, index), last = std::max(state.mark, index);
  for (int i = 0; i < ItemCount(state); ++i) {
    if (i < first || i > last) ChangeOne(hwnd, state, i, 0, LVIS_SELECTED);
  }
  for (int i = first; i <= last && i < ItemCount(state); ++i) ChangeOne(hwnd, state, i, LVIS_SELECTED, LVIS_SELECTED);
  ChangeItemState(hwnd, state, index, LVIS_FOCUSED, LVIS_FOCUSED);
}

void SelectAll(HWND hwnd, ListViewState& state, bool select) {
  for (int i = 0; i < ItemCount(state); ++i) ChangeOne(hwnd, state, i, select ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

// LVN_DELETEALLITEMS first; a parent answering TRUE wants no LVN_DELETEITEM
// for each item.
void DeleteAll(HWND hwnd, ListViewState& state) {
  EndLabelEdit(hwnd, state, false);
  if (state.items.empty()) return;
  bool quiet = NotifyItem(hwnd, state, LVN_DELETEALLITEMS, -1) != 0;
  while (!state.items.empty()) {
    int last = ItemCount(state) - 1;
    if (!quiet) NotifyItem(hwnd, state, LVN_DELETEITEM, last);
    if (!state.items.empty()) state.items.pop_back();
  }
  state.mark = -1;
  state.top = 0;
}

namespace {

// Where a new item goes in a sorted list: after the items that sort before
// or equal to it, by case-insensitive text.
int SortedPosition(HWND hwnd, const ListViewState& state, const std::string& text) {
  bool descending = (StyleOf(hwnd) & LVS_SORTDESCENDING) != 0;
  int position = 0;
  for (; position < ItemCount(state); ++position) {
    int order = CompareNoCase(CellText(hwnd, state, position, 0), text);
    if (descending ? order < 0 : order > 0) break;
  }
  return position;
}

void ApplyFields(ListViewItem& item, const LVITEM& source) {
  if (source.mask & LVIF_IMAGE) item.image = source.iImage;
  if (source.mask & LVIF_PARAM) item.lParam = source.lParam;
  if (source.mask & LVIF_INDENT) item.indent = std::max(source.iIndent, 0);
}

LRESULT InsertItem(HWND hwnd, ListViewState& state, const LVITEM* source) {
  if (!source || source->iItem < 0 || source->iSubItem != 0) return -1;
  ListViewItem item;
  StoreText(item, 0, (source->mask & LVIF_TEXT) ? source->pszText : nullptr);
  ApplyFields(item, *source);
  if (source->mask & LVIF_STATE) item.state = source->state & source->stateMask & ~LVIS_FOCUSED;
  int index = std::min(source->iItem, ItemCount(state));
  if (StyleOf(hwnd) & (LVS_SORTASCENDING | LVS_SORTDESCENDING)) {
    index = SortedPosition(hwnd, state, item.callbackTexts[0] ? std::string() : item.texts[0]);
  }
  state.items.insert(state.items.begin() + index, std::move(item));
  if (state.mark >= index) ++state.mark;
  bool focus = (source->mask & LVIF_STATE) && (source->state & source->stateMask & LVIS_FOCUSED);
  if (focus) ChangeItemState(hwnd, state, index, LVIS_FOCUSED, LVIS_FOCUSED);
  NotifyItem(hwnd, state, LVN_INSERTITEM, index);
  AfterCountChange(hwnd, state);
  return index;
}

LRESULT DeleteItem(HWND hwnd, ListViewState& state, int index) {
  if (!ValidItem(state, index)) return FALSE;
  if (index == state.editItem) EndLabelEdit(hwnd, state, false);
  NotifyItem(hwnd, state, LVN_DELETEITEM, index);
  if (!ValidItem(state, index)) return FALSE;
  state.items.erase(state.items.begin() + index);
  if (state.mark == index) state.mark = -1;
  if (state.mark > index) --state.mark;
  AfterCountChange(hwnd, state);
  return TRUE;
}

// Text, image, parameter and indent changes of an item with their own
// LVN_ITEMCHANGING / LVN_ITEMCHANGED; subitems change silently.
bool ChangeFields(HWND hwnd, ListViewState& state, int index, const LVITEM& source) {
  UINT changed = source.mask & (LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_INDENT);
  if (source.iSubItem != 0) changed &= LVIF_TEXT;
  if (!changed) return true;
  if (source.iSubItem == 0 && NotifyItem(hwnd, state, LVN_ITEMCHANGING, index, 0, 0, 0, changed)) return false;
  if (!ValidItem(state, index)) return false;
  ListViewItem& item = ItemAt(state, index);
  if (changed & LVIF_TEXT) StoreText(item, source.iSubItem, source.pszText);
  if (source.iSubItem == 0) ApplyFields(item, source);
  RedrawItems(hwnd, state, index, index);
  if (source.iSubItem == 0) NotifyItem(hwnd, state, LVN_ITEMCHANGED, index, 0, 0, 0, changed);
  return true;
}

LRESULT SetItem(HWND hwnd, ListViewState& state, const LVITEM* source) {
  if (!source || !ValidItem(state, source->iItem) || source->iSubItem < 0) return FALSE;
  if (!ChangeFields(hwnd, state, source->iItem, *source)) return FALSE;
  if ((source->mask & LVIF_STATE) && source->iSubItem == 0)
    return ChangeItemState(hwnd, state, source->iItem, source->state, source->stateMask) ? TRUE : FALSE;
  return TRUE;
}

LRESULT GetItem(HWND hwnd, const ListViewState& state, LVITEM* out) {
  if (!out || !ValidItem(state, out->iItem) || out->iSubItem < 0) return FALSE;
  const ListViewItem& item = ItemAt(state, out->iItem);
  if (out->mask & LVIF_TEXT) CopyOut(CellText(hwnd, state, out->iItem, out->iSubItem), out->pszText, out->cchTextMax);
  if (out->mask & LVIF_IMAGE) out->iImage = ItemImage(hwnd, state, out->iItem);
  if (out->mask & LVIF_PARAM) out->lParam = item.lParam;
  if (out->mask & LVIF_STATE) out->state = item.state & out->stateMask;
  if (out->mask & LVIF_INDENT) out->iIndent = item.indent;
  return TRUE;
}

LRESULT GetItemText(HWND hwnd, const ListViewState& state, int index, LVITEM* out) {
  if (!out || !ValidItem(state, index) || !out->pszText || out->cchTextMax <= 0) return 0;
  std::string text = CellText(hwnd, state, index, out->iSubItem);
  CopyOut(text, out->pszText, out->cchTextMax);
  return static_cast<LRESULT>(std::strlen(out->pszText));
}

LRESULT SetItemText(HWND hwnd, ListViewState& state, int index, const LVITEM* source) {
  if (!source || !ValidItem(state, index) || source->iSubItem < 0) return FALSE;
  LVITEM change = *source;
  change.mask = LVIF_TEXT;
  change.iItem = index;
  return ChangeFields(hwnd, state, index, change) ? TRUE : FALSE;
}

// wParam -1 changes every item.
LRESULT SetItemState(HWND hwnd, ListViewState& state, int index, const LVITEM* source) {
  if (!source) return FALSE;
  if (index == -1) {
    for (int i = 0; i < ItemCount(state); ++i) ChangeItemState(hwnd, state, i, source->state, source->stateMask);
    return TRUE;
  }
  return ChangeItemState(hwnd, state, index, source->state, source->stateMask) ? TRUE : FALSE;
}

bool MatchesState(const ListViewItem& item, UINT flags) {
  UINT wanted = flags & (LVNI_FOCUSED | LVNI_SELECTED | LVNI_CUT | LVNI_DROPHILITED);
  return (item.state & wanted) == wanted;
}

LRESULT GetNextItem(const ListViewState& state, int start, UINT flags) {
  if (flags & (LVNI_TOLEFT | LVNI_TORIGHT)) return -1;
  int step = (flags & LVNI_ABOVE) ? -1 : 1;
  int i = start < 0 ? (step > 0 ? 0 : -1) : start + step;
  for (; ValidItem(state, i); i += step) {
    if (MatchesState(ItemAt(state, i), flags)) return i;
  }
  return -1;
}

bool Matches(HWND hwnd, const ListViewState& state, int index, const LVFINDINFO& find) {
  if (find.flags & LVFI_PARAM) return ItemAt(state, index).lParam == find.lParam;
  if (!(find.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.psz) return false;
  std::string text = CellText(hwnd, state, index, 0);
  return (find.flags & LVFI_PARTIAL) ? StartsWithNoCase(text, find.psz) : CompareNoCase(text, find.psz) == 0;
}

LRESULT FindItem(HWND hwnd, const ListViewState& state, int start, const LVFINDINFO* find) {
  if (!find) return -1;
  int count = ItemCount(state);
  int first = std::max(start + 1, 0);
  int searched = (find->flags & LVFI_WRAP) ? count : count - first;
  for (int n = 0; n < searched; ++n) {
    int index = (first + n) % std::max(count, 1);
    if (Matches(hwnd, state, index, *find)) return index;
  }
  return -1;
}

LRESULT SortItems(HWND hwnd, ListViewState& state, LPARAM sortParam, PFNLVCOMPARE compare) {
  if (!compare) return FALSE;
  // Sorted apart from the list, so a callback that changes the list cannot
  // pull the items from under the sort.
  std::vector<ListViewItem> sorted = state.items;
  std::stable_sort(sorted.begin(), sorted.end(), [&](const ListViewItem& a, const ListViewItem& b) {
    return compare(a.lParam, b.lParam, sortParam) < 0;
  });
  state.items = std::move(sorted);
  state.mark = -1;
  Redraw(hwnd);
  return TRUE;
}

LRESULT GetItemRectMessage(HWND hwnd, const ListViewState& state, int index, RECT* out) {
  if (!out || !ValidItem(state, index) || out->left < LVIR_BOUNDS || out->left > LVIR_SELECTBOUNDS) return FALSE;
  *out = ItemRect(hwnd, state, index, out->left);
  return TRUE;
}

LRESULT GetSubItemRect(HWND hwnd, const ListViewState& state, int index, RECT* out) {
  if (!out || !ValidItem(state, index) || out->top < 0 || out->top >= std::max(ColumnCount(state), 1)) return FALSE;
  int column = out->top;
  int code = out->left;
  // Subitem 0 stands for the whole item, as it always has.
  *out = column == 0 ? ItemRect(hwnd, state, index, code) : SubItemRect(hwnd, state, index, column);
  return TRUE;
}

LRESULT HitTestMessage(HWND hwnd, const ListViewState& state, LVHITTESTINFO* info, bool subItems) {
  if (!info) return -1;
  return HitTest(hwnd, state, *info, subItems);
}

}  // namespace

LRESULT HandleItemMessage(HWND hwnd, ListViewState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  int index = static_cast<int>(static_cast<INT_PTR>(wParam));
  switch (msg) {
    case LVM_GETITEMCOUNT:
      return ItemCount(state);
    case LVM_INSERTITEM:
      return InsertItem(hwnd, state, reinterpret_cast<const LVITEM*>(lParam));
    case LVM_DELETEITEM:
      return DeleteItem(hwnd, state, index);
    case LVM_DELETEALLITEMS:
      DeleteAll(hwnd, state);
      AfterCountChange(hwnd, state);
      return TRUE;
    case LVM_GETITEM:
      return GetItem(hwnd, state, reinterpret_cast<LVITEM*>(lParam));
    case LVM_SETITEM:
      return SetItem(hwnd, state, reinterpret_cast<const LVITEM*>(lParam));
    case LVM_GETITEMTEXT:
      return GetItemText(hwnd, state, index, reinterpret_cast<LVITEM*>(lParam));
    case LVM_SETITEMTEXT:
      return SetItemText(hwnd, state, index, reinterpret_cast<const LVITEM*>(lParam));
    case LVM_SETITEMSTATE:
      return SetItemState(hwnd, state, index, reinterpret_cast<const LVITEM*>(lParam));
    case LVM_GETITEMSTATE:
      return ValidItem(state, index) ? static_cast<LRESULT>(ItemAt(state, index).state & static_cast<UINT>(lParam)) : 0;
    case LVM_GETNEXTITEM:
      return GetNextItem(state, index, LOWORD(lParam));
    case LVM_FINDITEM:
      return FindItem(hwnd, state, index, reinterpret_cast<const LVFINDINFO*>(lParam));
    case LVM_SORTITEMS:
      return SortItems(hwnd, state, static_cast<LPARAM>(wParam), reinterpret_cast<PFNLVCOMPARE>(lParam));
    case LVM_GETSELECTEDCOUNT:
      return SelectedCount(state);
    case LVM_GETSELECTIONMARK:
      return state.mark;
    case LVM_SETSELECTIONMARK: {
      int old = state.mark;
      state.mark = static_cast<int>(lParam);
      return old;
    }
    case LVM_GETITEMRECT:
      return GetItemRectMessage(hwnd, state, index, reinterpret_cast<RECT*>(lParam));
    case LVM_GETSUBITEMRECT:
      return GetSubItemRect(hwnd, state, index, reinterpret_cast<RECT*>(lParam));
    case LVM_HITTEST:
      return HitTestMessage(hwnd, state, reinterpret_cast<LVHITTESTINFO*>(lParam), false);
    case LVM_SUBITEMHITTEST:
      return HitTestMessage(hwnd, state, reinterpret_cast<LVHITTESTINFO*>(lParam), true);
    case LVM_ENSUREVISIBLE:
      return EnsureVisible(hwnd, state, index) ? TRUE : FALSE;
    case LVM_GETTOPINDEX:
      return state.items.empty() ? 0 : state.top;
    case LVM_GETCOUNTPERPAGE:
      return CountPerPage(hwnd, state);
    case LVM_SCROLL:
      return ScrollBy(hwnd, state, static_cast<int>(static_cast<INT_PTR>(wParam)), static_cast<int>(lParam));
    case LVM_REDRAWITEMS:
      RedrawItems(hwnd, state, index, static_cast<int>(lParam));
      return TRUE;
    case LVM_UPDATE:
      RedrawItems(hwnd, state, index, index);
      return TRUE;
    case LVM_ARRANGE:
      return TRUE;
    case LVM_GETSTRINGWIDTH:
      return lParam ? LabelTextWidth(hwnd, state, reinterpret_cast<LPCSTR>(lParam)) : 0;
    case LVM_GETORIGIN:
      if (lParam) *reinterpret_cast<POINT*>(lParam) = POINT{state.scrollX, 0};
      return ViewType(hwnd) == LVS_REPORT ? FALSE : TRUE;
    case LVM_SETITEMCOUNT:
      return TRUE;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

}  // namespace win32::controls
