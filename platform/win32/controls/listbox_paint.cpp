// Classic painting of list boxes.
#include <algorithm>

#include "controls/listbox.h"

namespace win32::controls {
namespace {

constexpr int kTextIndent = 2;
constexpr int kDefaultTabChars = 8;  // 32 dialog units

// The next tab stop after `offset` pixels from the item's left edge.
int NextTabStop(const ListBoxState& state, int offset, int averageWidth) {
  for (int stop : state.tabStops) {
    if (stop > offset) return stop;
  }
  int interval = state.tabStops.size() == 1 ? state.tabStops.front() : averageWidth * kDefaultTabChars;
  interval = std::max(interval, 1);
  return (offset / interval + 1) * interval;
}

void DrawTabbed(HDC dc, const ListBoxState& state, const std::string& text, RECT rc) {
  TEXTMETRIC tm{};
  GetTextMetrics(dc, &tm);
  int left = rc.left;
  size_t start = 0;
  while (start <= text.size()) {
    size_t tab = text.find('\t', start);
    std::string piece = text.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
    RECT pieceRect = rc;
    DrawText(dc, piece.c_str(), static_cast<int>(piece.size()), &pieceRect, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    if (tab == std::string::npos) break;
    SIZE extent{};
    GetTextExtentPoint32(dc, piece.c_str(), static_cast<int>(piece.size()), &extent);
    rc.left = left + NextTabStop(state, rc.left + extent.cx - left, tm.tmAveCharWidth);
    start = tab + 1;
  }
}

void DrawStringItem(HWND hwnd, const ListBoxState& state, HDC dc, int index, RECT rc, COLORREF textColor) {
  bool selected = IsSelected(hwnd, state, index);
  if (selected) FillSysColor(dc, rc, COLOR_HIGHLIGHT);
  SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : textColor);
  const std::string& text = state.items[static_cast<size_t>(index)].text;
  rc.left += kTextIndent;
  if (ListStyle(hwnd) & LBS_USETABSTOPS) {
    DrawTabbed(dc, state, text, rc);
  } else {
    DrawText(dc, text.c_str(), static_cast<int>(text.size()), &rc, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
  }
}

void DrawOwnerItem(HWND hwnd, const ListBoxState& state, HDC dc, int index, const RECT& rc, bool disabled) {
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_LISTBOX;
  dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  dis.itemID = static_cast<UINT>(index);
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = (IsSelected(hwnd, state, index) ? ODS_SELECTED : 0) |
                  (state.focused && index == state.caret ? ODS_FOCUS : 0) | (disabled ? ODS_DISABLED : 0);
  dis.hwndItem = hwnd;
  dis.hDC = dc;
  dis.rcItem = rc;
  dis.itemData = state.items[static_cast<size_t>(index)].data;
  if (state.notify) SendMessage(state.notify, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

}  // namespace

void PaintListBox(HWND hwnd, const ListBoxState& state, HDC dc) {
  RECT client{};
  GetClientRect(hwnd, &client);
  HBRUSH background = ControlColor(hwnd, dc, WM_CTLCOLORLISTBOX, state.notify);
  FillRect(dc, &client, background);
  SelectGuard font(dc, PaintFont(state.font));
  bool disabled = !IsWindowEnabled(hwnd);
  COLORREF textColor = disabled ? GetSysColor(COLOR_GRAYTEXT) : GetTextColor(dc);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  bool ownerDraw = IsOwnerDraw(hwnd);
  int count = static_cast<int>(state.items.size());
  for (int i = state.top; i < count; ++i) {
    RECT rc = ItemRect(hwnd, state, i);
    if (rc.top >= client.bottom) break;
    if (ownerDraw) {
      DrawOwnerItem(hwnd, state, dc, i, rc, disabled);
      continue;
    }
    DrawStringItem(hwnd, state, dc, i, rc, textColor);
    if (state.focused && i == state.caret) {
      RECT focus{client.left, rc.top, client.right, rc.bottom};
      DrawFocusRect(dc, &focus);
    }
  }
  SetBkMode(dc, oldMode);
}

}  // namespace win32::controls
