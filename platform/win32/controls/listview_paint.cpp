// Classic painting of list views: rows of cells on the window colour, the
// selection in the highlight colour (button face when the list has no
// focus), grid lines, the dotted focus rectangle, or owner-drawn rows.
#include <algorithm>

#include "controls/listview.h"

namespace win32::controls {
namespace {

constexpr int kLabelMargin = 2;
constexpr int kSubItemMargin = 6;

UINT Justify(int format) {
  switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
      return DT_RIGHT;
    case LVCFMT_CENTER:
      return DT_CENTER;
    default:
      return DT_LEFT;
  }
}

bool ShowsSelection(HWND hwnd, const ListViewState& state) {
  return state.focused || (StyleOf(hwnd) & LVS_SHOWSELALWAYS);
}

bool IsSelectedItem(const ListViewState& state, int index) {
  return (state.items[static_cast<size_t>(index)].state & LVIS_SELECTED) != 0;
}

void DrawCellText(HDC dc, const std::string& text, RECT rc, UINT justify) {
  DrawText(dc, text.c_str(), static_cast<int>(text.size()), &rc,
           justify | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void DrawIcon(HWND hwnd, const ListViewState& state, HDC dc, int index, bool highlighted) {
  HIMAGELIST images = state.images[LVSIL_SMALL];
  int image = ItemImage(hwnd, state, index);
  if (!images || image < 0) return;
  RECT icon = ItemRect(hwnd, state, index, LVIR_ICON);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(images, &cx, &cy);
  // The item's overlay image (state bits 8 to 11) goes over its icon.
  UINT style = ILD_TRANSPARENT | (highlighted && state.focused ? ILD_SELECTED : ILD_NORMAL) |
               (state.items[static_cast<size_t>(index)].state & LVIS_OVERLAYMASK);
  ImageList_DrawEx(images, image, dc, icon.left, icon.top + (icon.bottom - icon.top - cy) / 2, icon.right - icon.left,
                   cy, CLR_NONE, CLR_DEFAULT, style);
}

struct RowColors {
  COLORREF text;
  COLORREF highlightText;
  int highlight;  // system colour index
};

void DrawCells(HWND hwnd, const ListViewState& state, HDC dc, int index, bool highlighted, const RowColors& colors) {
  bool fullRow = (state.exStyle & LVS_EX_FULLROWSELECT) != 0;
  int columns = std::max(ColumnCount(state), 1);
  for (int c = 0; c < columns; ++c) {
    RECT cell = c == 0 ? ItemRect(hwnd, state, index, LVIR_LABEL) : SubItemRect(hwnd, state, index, c);
    int subItem = ColumnCount(state) > 0 ? state.columns[static_cast<size_t>(c)].subItem : 0;
    int format = ColumnCount(state) > 0 ? state.columns[static_cast<size_t>(c)].format : LVCFMT_LEFT;
    bool lit = highlighted && (c == 0 || fullRow);
    SetTextColor(dc, lit ? colors.highlightText : colors.text);
    int margin = c == 0 ? kLabelMargin : kSubItemMargin;
    RECT text{cell.left + margin, cell.top, cell.right - margin, cell.bottom};
    DrawCellText(dc, CellText(hwnd, state, index, subItem), text, Justify(format));
  }
}

void DrawRow(HWND hwnd, const ListViewState& state, HDC dc, int index, const RowColors& colors) {
  bool highlighted = IsSelectedItem(state, index) && ShowsSelection(hwnd, state);
  RECT highlight = HighlightRect(hwnd, state, index);
  if (state.textBackground != CLR_NONE && state.textBackground != CLR_DEFAULT) {
    RECT bounds = ItemRect(hwnd, state, index, LVIR_BOUNDS);
    HBRUSH brush = CreateSolidBrush(state.textBackground);
    FillRect(dc, &bounds, brush);
    DeleteObject(brush);
  }
  if (highlighted) FillSysColor(dc, highlight, colors.highlight);
  DrawIcon(hwnd, state, dc, index, highlighted);
  DrawCells(hwnd, state, dc, index, highlighted, colors);
  bool focusItem = (state.items[static_cast<size_t>(index)].state & LVIS_FOCUSED) != 0;
  if (state.focused && focusItem) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawFocusRect(dc, &highlight);
  }
}

void DrawOwnerRow(HWND hwnd, const ListViewState& state, HDC dc, int index, bool disabled) {
  const ListViewItem& item = state.items[static_cast<size_t>(index)];
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_LISTVIEW;
  dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  dis.itemID = static_cast<UINT>(index);
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = ((item.state & LVIS_SELECTED) ? ODS_SELECTED : 0) |
                  (state.focused && (item.state & LVIS_FOCUSED) ? ODS_FOCUS : 0) | (disabled ? ODS_DISABLED : 0);
  dis.hwndItem = hwnd;
  dis.hDC = dc;
  dis.rcItem = ItemRect(hwnd, state, index, LVIR_BOUNDS);
  dis.itemData = static_cast<ULONG_PTR>(item.lParam);
  if (state.notify) SendMessage(state.notify, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

// Lines under every row of the client and right of every column.
void DrawGridLines(HWND hwnd, const ListViewState& state, HDC dc, const RECT& area) {
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
  {
    SelectGuard select(dc, pen);
    for (int y = area.top + state.rowHeight - 1; y < area.bottom; y += state.rowHeight) {
      MoveToEx(dc, area.left, y, nullptr);
      LineTo(dc, area.right, y);
    }
    int x = -state.scrollX;
    for (int c = 0; c < ColumnCount(state); ++c) {
      x += ColumnWidth(state, c);
      MoveToEx(dc, x - 1, area.top, nullptr);
      LineTo(dc, x - 1, area.bottom);
    }
  }
  DeleteObject(pen);
}

void FillBackground(const ListViewState& state, HDC dc, const RECT& client) {
  if (state.background == CLR_NONE) return;
  HBRUSH brush = CreateSolidBrush(state.background);
  FillRect(dc, &client, brush);
  DeleteObject(brush);
}

}  // namespace

int LabelTextWidth(HWND hwnd, const ListViewState& state, const std::string& text) {
  HDC dc = GetDC(hwnd);
  SIZE extent{};
  {
    SelectGuard font(dc, PaintFont(state.font));
    GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  }
  ReleaseDC(hwnd, dc);
  return extent.cx;
}

void PaintListView(HWND hwnd, const ListViewState& state, HDC dc) {
  RECT client{};
  GetClientRect(hwnd, &client);
  FillBackground(state, dc, client);
  RECT area = client;
  area.top += HeaderHeight(hwnd, state);
  int saved = SaveDC(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  SelectGuard font(dc, PaintFont(state.font));
  SetBkMode(dc, TRANSPARENT);
  bool disabled = !IsWindowEnabled(hwnd);
  RowColors colors{disabled ? GetSysColor(COLOR_GRAYTEXT) : state.text,
                   state.focused ? GetSysColor(COLOR_HIGHLIGHTTEXT) : GetSysColor(COLOR_WINDOWTEXT),
                   state.focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE};
  bool ownerDraw = IsOwnerDrawReport(hwnd);
  for (int i = state.top; i < ItemCount(state); ++i) {
    RECT bounds = ItemRect(hwnd, state, i, LVIR_BOUNDS);
    if (bounds.top >= area.bottom) break;
    if (ownerDraw) {
      DrawOwnerRow(hwnd, state, dc, i, disabled);
    } else {
      DrawRow(hwnd, state, dc, i, colors);
    }
  }
  if ((state.exStyle & LVS_EX_GRIDLINES) && ViewType(hwnd) == LVS_REPORT) DrawGridLines(hwnd, state, dc, area);
  RestoreDC(dc, saved);
}

}  // namespace win32::controls
