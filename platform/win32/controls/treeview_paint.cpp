// Classic tree-view painting: dotted lines, [+]/[-] boxes, state images or
// check boxes, the normal (or selected) image and the highlighted selection.
#include <algorithm>

#include "controls/treeview.h"

namespace win32::controls {
namespace {

constexpr int kBoxHalf = 4;   // the expand box is 9 x 9
constexpr int kSignHalf = 2;  // its sign is 5 pixels long
constexpr int kCheckSize = 13;

struct PaintContext {
  HWND hwnd;
  TreeViewState& state;
  HDC dc;
  DWORD style;
  COLORREF line;
  bool enabled;
};

// Dotted lines light every other pixel, on a grid fixed to the client
// area so that neighbouring pieces join up.
void DottedHorizontal(HDC dc, int x1, int x2, int y, COLORREF color) {
  for (int x = x1; x < x2; ++x) {
    if (((x + y) & 1) == 0) SetPixel(dc, x, y, color);
  }
}

void DottedVertical(HDC dc, int x, int y1, int y2, COLORREF color) {
  for (int y = y1; y < y2; ++y) {
    if (((x + y) & 1) == 0) SetPixel(dc, x, y, color);
  }
}

int ColumnCenter(const PaintContext& pc, int column) {
  return -pc.state.xOffset + column * pc.state.indent + pc.state.indent / 2;
}

bool IsFirstOfTree(const TreeViewState& state, const TreeItem& item) {
  return !item.parent && !state.roots.empty() && state.roots.front() == &item;
}

void PaintLines(const PaintContext& pc, const TreeItem& item, const RowLayout& layout) {
  int level = Level(pc.hwnd, item);
  if (level <= 0) return;
  const RECT& row = layout.row;
  int cy = (row.top + row.bottom) / 2;
  int cx = ColumnCenter(pc, level - 1);
  DottedHorizontal(pc.dc, cx, layout.button.right, cy, pc.line);
  int top = IsFirstOfTree(pc.state, item) ? cy : row.top;
  int bottom = NextSibling(pc.state, item) ? row.bottom : cy + 1;
  DottedVertical(pc.dc, cx, top, bottom, pc.line);
  // Ancestors with siblings still to come carry their line through this row.
  int ancestorLevel = level - 1;
  for (const TreeItem* a = item.parent; a && ancestorLevel > 0; a = a->parent, --ancestorLevel) {
    if (NextSibling(pc.state, *a))
      DottedVertical(pc.dc, ColumnCenter(pc, ancestorLevel - 1), row.top, row.bottom, pc.line);
  }
}

void PaintButton(const PaintContext& pc, const TreeItem& item, const RowLayout& layout) {
  if (!(pc.style & TVS_HASBUTTONS) || IsRectEmpty(&layout.button) || !HasButton(pc.hwnd, pc.state, item)) return;
  int cx = ColumnCenter(pc, Level(pc.hwnd, item) - 1);
  int cy = (layout.row.top + layout.row.bottom) / 2;
  RECT box{cx - kBoxHalf, cy - kBoxHalf, cx + kBoxHalf + 1, cy + kBoxHalf + 1};
  FillRect(pc.dc, &box, GetSysColorBrush(COLOR_WINDOW));
  FrameRect(pc.dc, &box, GetSysColorBrush(COLOR_BTNSHADOW));
  HBRUSH sign = GetSysColorBrush(COLOR_WINDOWTEXT);
  RECT minus{cx - kSignHalf, cy, cx + kSignHalf + 1, cy + 1};
  FillRect(pc.dc, &minus, sign);
  if (!(item.state & TVIS_EXPANDED)) {
    RECT plus{cx, cy - kSignHalf, cx + 1, cy + kSignHalf + 1};
    FillRect(pc.dc, &plus, sign);
  }
}

// Draws image `index` of `list` in the middle of `box`; `overlay` holds
// overlay bits (INDEXTOOVERLAYMASK).
void DrawCentred(const PaintContext& pc, HANDLE list, int index, const RECT& box, UINT overlay = 0) {
  const SIZE size = ImageSize(list);
  ImageList_Draw(static_cast<HIMAGELIST>(list), index, pc.dc, box.left, (box.top + box.bottom - size.cy) / 2,
                 ILD_TRANSPARENT | overlay);
}

void PaintCheck(const PaintContext& pc, const TreeItem& item, const RowLayout& layout) {
  if (IsRectEmpty(&layout.check)) return;
  UINT image = STATEIMAGEMASKTOINDEX(item.state);
  if (image == 0) return;
  if (pc.state.stateImages) {
    DrawCentred(pc, pc.state.stateImages, static_cast<int>(image), layout.check);
    return;
  }
  int x = (layout.check.left + layout.check.right - kCheckSize) / 2;
  int y = (layout.check.top + layout.check.bottom - kCheckSize) / 2;
  RECT box{x, y, x + kCheckSize, y + kCheckSize};
  UINT stateFlags = DFCS_BUTTONCHECK | (image == 2 ? DFCS_CHECKED : 0) | (pc.enabled ? 0 : DFCS_INACTIVE);
  DrawFrameControl(pc.dc, &box, DFC_BUTTON, stateFlags);
}

// The selected item shows its selected image; callbacks ask the parent.
void PaintImage(const PaintContext& pc, const TreeItem& item, const RowLayout& layout) {
  if (IsRectEmpty(&layout.image)) return;
  const bool selected = &item == pc.state.caret;
  int index = selected ? item.selectedImage : item.image;
  if (index == I_IMAGECALLBACK) {
    TVITEM query{};
    query.mask = selected ? TVIF_SELECTEDIMAGE : TVIF_IMAGE;
    query.hItem = item.handle;
    GetItem(pc.hwnd, pc.state, &query);
    index = selected ? query.iSelectedImage : query.iImage;
  }
  if (index >= 0) DrawCentred(pc, pc.state.normalImages, index, layout.image, item.state & TVIS_OVERLAYMASK);
}

COLORREF Or(COLORREF color, int sysColor) { return color == CLR_INVALID ? GetSysColor(sysColor) : color; }

void PaintLabel(const PaintContext& pc, const TreeItem& item, const RowLayout& layout) {
  bool focused = pc.state.focused && pc.enabled;
  bool selected = &item == pc.state.caret && (focused || (pc.style & TVS_SHOWSELALWAYS));
  bool highlighted = (pc.state.dropHilite ? &item == pc.state.dropHilite : selected && focused) && pc.enabled;
  RECT label = layout.label;
  if (highlighted) {
    FillSysColor(pc.dc, label, COLOR_HIGHLIGHT);
    SetTextColor(pc.dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
  } else if (selected && !pc.state.dropHilite) {
    // Kept selection of an unfocused tree: grey, as classic controls show it.
    FillSysColor(pc.dc, label, COLOR_BTNFACE);
    SetTextColor(pc.dc, GetSysColor(COLOR_BTNTEXT));
  } else {
    SetTextColor(pc.dc, pc.enabled ? Or(pc.state.textColor, COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT));
  }
  std::string text = ItemText(pc.hwnd, pc.state, item);
  OwnedFont bold = (item.state & TVIS_BOLD) ? MakeBoldFont(pc.state) : nullptr;
  SelectGuard font(pc.dc, bold.get());
  RECT textRect{label.left + 2, label.top, label.right, label.bottom};
  DrawText(pc.dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
  if (focused && &item == pc.state.caret && !pc.state.edit) DrawFocusRect(pc.dc, &label);
}

}  // namespace

void PaintTreeView(HWND hwnd, TreeViewState& state, HDC dc) {
  RECT client{};
  GetClientRect(hwnd, &client);
  bool enabled = IsWindowEnabled(hwnd) != FALSE;
  COLORREF background = Or(state.bkColor, COLOR_WINDOW);
  HBRUSH brush = CreateSolidBrush(background);
  FillRect(dc, &client, brush);
  DeleteObject(brush);
  SelectGuard font(dc, PaintFont(state.font));
  int oldMode = SetBkMode(dc, TRANSPARENT);
  PaintContext pc{hwnd, state, dc, StyleOf(hwnd), Or(state.lineColor, COLOR_GRAYTEXT), enabled};
  const std::vector<TreeItem*> visible = Visible(state);
  for (int i = state.top; i < static_cast<int>(visible.size()); ++i) {
    RowLayout layout = LayoutRow(hwnd, state, i);
    if (layout.row.top >= client.bottom) break;
    const TreeItem& item = *visible[static_cast<size_t>(i)];
    if (pc.style & TVS_HASLINES) PaintLines(pc, item, layout);
    PaintButton(pc, item, layout);
    PaintCheck(pc, item, layout);
    PaintImage(pc, item, layout);
    PaintLabel(pc, item, layout);
  }
  SetBkMode(dc, oldMode);
}

}  // namespace win32::controls
