// List box items and selection.
#include <algorithm>
#include <cstring>

#include "controls/listbox.h"

namespace win32::controls {

bool Valid(const ListBoxState& state, int index) { return index >= 0 && index < static_cast<int>(state.items.size()); }

namespace {

int Count(const ListBoxState& state) { return static_cast<int>(state.items.size()); }

void Refresh(HWND hwnd, ListBoxState& state) {
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
}

// WM_COMPAREITEM for sorted owner-drawn lists without strings.
int CompareByOwner(HWND hwnd, const ListBoxState& state, ULONG_PTR data, int index) {
  COMPAREITEMSTRUCT cis{};
  cis.CtlType = ODT_LISTBOX;
  cis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  cis.hwndItem = hwnd;
  cis.itemID1 = static_cast<UINT>(-1);
  cis.itemData1 = data;
  cis.itemID2 = static_cast<UINT>(index);
  cis.itemData2 = state.items[static_cast<size_t>(index)].data;
  return static_cast<int>(SendMessage(state.notify, WM_COMPAREITEM, cis.CtlID, reinterpret_cast<LPARAM>(&cis)));
}

// Where a sorted list takes a new item: after every item that is not
// greater.
int SortedPosition(HWND hwnd, const ListBoxState& state, const ListItem& item) {
  bool strings = HasStrings(hwnd);
  int low = 0;
  int high = Count(state);
  while (low < high) {
    int mid = (low + high) / 2;
    int order = strings ? CompareNoCase(item.text, state.items[static_cast<size_t>(mid)].text)
                        : CompareByOwner(hwnd, state, item.data, mid);
    if (order < 0) {
      high = mid;
    } else {
      low = mid + 1;
    }
  }
  return low;
}

ListItem MakeItem(HWND hwnd, LPARAM value) {
  ListItem item;
  if (HasStrings(hwnd)) {
    if (value) item.text = reinterpret_cast<const char*>(value);
  } else {
    item.data = static_cast<ULONG_PTR>(value);
  }
  return item;
}

LRESULT InsertAt(HWND hwnd, ListBoxState& state, int index, ListItem item) {
  state.items.insert(static_cast<size_t>(index), std::move(item));
  for (int* position : {&state.cur, &state.caret, &state.anchor}) {
    if (*position >= index) ++*position;
  }
  if (ListStyle(hwnd) & LBS_OWNERDRAWVARIABLE) MeasureItem(hwnd, state, index);
  Refresh(hwnd, state);
  return index;
}

void SendDeleteItem(HWND hwnd, const ListBoxState& state, int index) {
  const ListItem& item = state.items[static_cast<size_t>(index)];
  if (!IsOwnerDraw(hwnd) || item.data == 0 || !state.notify) return;
  DELETEITEMSTRUCT dis{};
  dis.CtlType = ODT_LISTBOX;
  dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  dis.itemID = static_cast<UINT>(index);
  dis.hwndItem = hwnd;
  dis.itemData = item.data;
  SendMessage(state.notify, WM_DELETEITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void ShiftAfterDelete(int& position, int index, int remaining, bool clearOnMatch) {
  if (position == index && clearOnMatch) {
    position = -1;
  } else if (position > index || position >= remaining) {
    --position;
  }
}

}  // namespace

LRESULT AddItem(HWND hwnd, ListBoxState& state, LPARAM value) {
  ListItem item = MakeItem(hwnd, value);
  int index = (ListStyle(hwnd) & LBS_SORT) ? SortedPosition(hwnd, state, item) : Count(state);
  return InsertAt(hwnd, state, index, std::move(item));
}

LRESULT InsertItem(HWND hwnd, ListBoxState& state, int index, LPARAM value) {
  if (index == -1) index = Count(state);
  if (index < 0 || index > Count(state)) return LB_ERR;
  return InsertAt(hwnd, state, index, MakeItem(hwnd, value));
}

LRESULT DeleteItem(HWND hwnd, ListBoxState& state, int index) {
  if (!Valid(state, index)) return LB_ERR;
  SendDeleteItem(hwnd, state, index);
  if (!Valid(state, index)) return LB_ERR;
  state.items.erase(static_cast<size_t>(index));
  int remaining = Count(state);
  ShiftAfterDelete(state.cur, index, remaining, true);
  ShiftAfterDelete(state.caret, index, remaining, false);
  ShiftAfterDelete(state.anchor, index, remaining, false);
  state.top = std::clamp(state.top, 0, MaxTop(hwnd, state));
  Refresh(hwnd, state);
  return remaining;
}

void SendDeleteAll(HWND hwnd, const ListBoxState& state) {
  for (int i = Count(state) - 1; i >= 0; --i) {
    if (Valid(state, i)) SendDeleteItem(hwnd, state, i);
  }
}

void ResetContent(HWND hwnd, ListBoxState& state) {
  SendDeleteAll(hwnd, state);
  state.items.clear();
  state.top = 0;
  state.cur = state.caret = state.anchor = -1;
  Refresh(hwnd, state);
}

LRESULT FindItem(HWND hwnd, const ListBoxState& state, int start, LPARAM value, bool exact) {
  int count = Count(state);
  if (count == 0) return LB_ERR;
  if (start < -1 || start >= count) start = -1;
  bool strings = HasStrings(hwnd);
  std::string wanted = strings && value ? reinterpret_cast<const char*>(value) : "";
  for (int step = 1; step <= count; ++step) {
    int i = (start + step) % count;
    const ListItem& item = state.items[static_cast<size_t>(i)];
    bool match = !strings ? item.data == static_cast<ULONG_PTR>(value)
                 : exact  ? CompareNoCase(item.text, wanted) == 0
                          : StartsWithNoCase(item.text, wanted);
    if (match) return i;
  }
  return LB_ERR;
}

LRESULT GetItemText(HWND hwnd, const ListBoxState& state, int index, LPARAM buffer) {
  if (!Valid(state, index) || !buffer) return LB_ERR;
  const ListItem& item = state.items[static_cast<size_t>(index)];
  if (!HasStrings(hwnd)) {
    std::memcpy(reinterpret_cast<void*>(buffer), &item.data, sizeof(item.data));
    return sizeof(item.data);
  }
  std::memcpy(reinterpret_cast<char*>(buffer), item.text.c_str(), item.text.size() + 1);
  return static_cast<LRESULT>(item.text.size());
}

LRESULT GetItemTextLength(HWND hwnd, const ListBoxState& state, int index) {
  if (!Valid(state, index)) return LB_ERR;
  if (!HasStrings(hwnd)) return sizeof(ULONG_PTR);
  return static_cast<LRESULT>(state.items[static_cast<size_t>(index)].text.size());
}

bool IsSelected(HWND hwnd, const ListBoxState& state, int index) {
  if (!Valid(state, index)) return false;
  return IsMultiple(hwnd) ? state.items[static_cast<size_t>(index)].selected : state.cur == index;
}

void SelectOnly(HWND hwnd, ListBoxState& state, int index) {
  if (!IsMultiple(hwnd)) {
    state.cur = Valid(state, index) ? index : -1;
    return;
  }
  for (ListItem& item : state.items) item.selected = false;
  if (Valid(state, index)) state.items[static_cast<size_t>(index)].selected = true;
}

void SetItemSelected(ListBoxState& state, int index, bool selected) {
  if (Valid(state, index)) state.items[static_cast<size_t>(index)].selected = selected;
}

void SelectRange(ListBoxState& state, int first, int last, bool selected) {
  if (first > last) std::swap(first, last);
  first = std::max(first, 0);
  last = std::min(last, Count(state) - 1);
  for (int i = first; i <= last; ++i) state.items[static_cast<size_t>(i)].selected = selected;
}

int SelectedCount(const ListBoxState& state) {
  return static_cast<int>(
      std::count_if(state.items.begin(), state.items.end(), [](const ListItem& item) { return item.selected; }));
}

}  // namespace win32::controls
