// Tree-view geometry: the visible rows, row layout, hit tests and the
// window's scroll bars.
#include <algorithm>

#include "controls/treeview.h"

namespace win32::controls {
namespace {

constexpr int kLabelMargin = 2;  // pixels each side of the text
constexpr int kCheckWidth = 16;  // room of the check box without a state list
constexpr int kImageGap = 2;     // between the normal image and the label
constexpr int kMinRowHeight = 16;
constexpr int kHorizontalLine = 8;

void AddVisible(TreeItem* item, std::vector<TreeItem*>& out) {
  out.push_back(item);
  if (!(item->state & TVIS_EXPANDED)) return;
  for (TreeItem* child : item->children) AddVisible(child, out);
}

RECT Client(HWND hwnd) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  return rc;
}

int MeasureLabel(HWND hwnd, TreeViewState& state, const TreeItem& item) {
  std::string text = ItemText(hwnd, state, item);
  HDC dc = GetDC(hwnd);
  SIZE size{};
  OwnedFont bold = (item.state & TVIS_BOLD) ? MakeBoldFont(state) : nullptr;
  {
    SelectGuard font(dc, bold ? bold.get() : PaintFont(state.font));
    GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(text.size()), &size);
  }
  ReleaseDC(hwnd, dc);
  return size.cx + 2 * kLabelMargin;
}

// Widths are kept, since every layout of the scroll range measures all
// visible labels; callback texts may change at any time and are measured
// each time.
int LabelWidth(HWND hwnd, TreeViewState& state, TreeItem& item) {
  if (item.textCallback) return MeasureLabel(hwnd, state, item);
  if (item.labelWidth < 0) item.labelWidth = MeasureLabel(hwnd, state, item);
  return item.labelWidth;
}

bool HasRootColumn(DWORD style) { return (style & TVS_LINESATROOT) && (style & (TVS_HASLINES | TVS_HASBUTTONS)); }

// The parts every row has alike, looked up once per layout rather than
// once per row: the scroll range is laid out after each insert, so a
// per-row cost there makes filling a large tree quadratic in window calls.
struct RowParts {
  int rootColumn = 0;
  int check = 0;
  int image = 0;
};

RowParts PartsOf(HWND hwnd, const TreeViewState& state) {
  const DWORD style = StyleOf(hwnd);
  RowParts parts;
  parts.rootColumn = HasRootColumn(style) ? 1 : 0;
  if (state.stateImages || (style & TVS_CHECKBOXES)) {
    parts.check = state.stateImages ? static_cast<int>(ImageSize(state.stateImages).cx) : kCheckWidth;
  }
  if (state.normalImages) parts.image = static_cast<int>(ImageSize(state.normalImages).cx) + kImageGap;
  return parts;
}

int ItemWidth(HWND hwnd, TreeViewState& state, const RowParts& parts, TreeItem& item) {
  const int level = Depth(item) + parts.rootColumn;
  return level * state.indent + parts.check + parts.image + LabelWidth(hwnd, state, item);
}

bool ExtentCurrent(HWND hwnd, const TreeViewState& state) {
  const TreeViewState::Extent& e = state.extent;
  return !state.extentDirty && e.style == StyleOf(hwnd) && e.normalImages == state.normalImages &&
         e.stateImages == state.stateImages && e.indent == state.indent;
}

const TreeViewState::Extent& ExtentOf(HWND hwnd, TreeViewState& state) {
  if (ExtentCurrent(hwnd, state)) return state.extent;
  const RowParts parts = PartsOf(hwnd, state);
  TreeViewState::Extent e{0, 0, StyleOf(hwnd), state.normalImages, state.stateImages, state.indent};
  for (TreeItem* item : Visible(state)) {
    ++e.rows;
    e.width = std::max(e.width, ItemWidth(hwnd, state, parts, *item));
  }
  state.extent = e;
  state.extentDirty = false;
  return state.extent;
}

int ContentWidth(HWND hwnd, TreeViewState& state) { return ExtentOf(hwnd, state).width; }

int MaxTop(HWND hwnd, TreeViewState& state) {
  return std::max(0, ExtentOf(hwnd, state).rows - RowsPerPage(hwnd, state));
}

int MaxXOffset(HWND hwnd, TreeViewState& state) { return std::max(0, ContentWidth(hwnd, state) - Client(hwnd).right); }

}  // namespace

OwnedFont MakeBoldFont(const TreeViewState& state) {
  LOGFONT lf{};
  GetObject(PaintFont(state.font), sizeof(lf), &lf);
  lf.lfWeight = FW_BOLD;
  return OwnedFont(CreateFontIndirect(&lf));
}

void ForgetLabelWidths(TreeViewState& state) {
  for (auto& entry : state.items) entry.second->labelWidth = -1;
  state.extentDirty = true;
}

bool IsShown(const TreeItem& item) {
  for (const TreeItem* p = item.parent; p; p = p->parent) {
    if (!(p->state & TVIS_EXPANDED)) return false;
  }
  return true;
}

int RowWidth(HWND hwnd, TreeViewState& state, TreeItem& item) {
  return ItemWidth(hwnd, state, PartsOf(hwnd, state), item);
}

void NoteInserted(HWND hwnd, TreeViewState& state, TreeItem& item) {
  state.visibleDirty = true;
  if (!ExtentCurrent(hwnd, state) || !IsShown(item)) return;
  ++state.extent.rows;
  state.extent.width = std::max(state.extent.width, RowWidth(hwnd, state, item));
}

void NoteRelabelled(HWND hwnd, TreeViewState& state, TreeItem& item, int oldWidth) {
  if (!ExtentCurrent(hwnd, state) || !IsShown(item)) return;
  const int width = RowWidth(hwnd, state, item);
  if (width >= state.extent.width) {
    state.extent.width = width;
  } else if (oldWidth >= state.extent.width) {
    state.extentDirty = true;  // it may have been the widest
  }
}

const std::vector<TreeItem*>& Visible(TreeViewState& state) {
  if (!state.visibleDirty) return state.visible;
  state.visible.clear();
  for (TreeItem* root : state.roots) AddVisible(root, state.visible);
  state.visibleDirty = false;
  return state.visible;
}

int VisibleIndex(TreeViewState& state, const TreeItem* item) {
  const std::vector<TreeItem*>& visible = Visible(state);
  auto it = std::find(visible.begin(), visible.end(), item);
  return it == visible.end() ? -1 : static_cast<int>(it - visible.begin());
}

void Measure(HWND hwnd, TreeViewState& state) {
  if (state.customHeight) return;
  HDC dc = GetDC(hwnd);
  int height = 0;
  {
    SelectGuard font(dc, PaintFont(state.font));
    height = FontLineHeight(dc) + 3;
  }
  ReleaseDC(hwnd, dc);
  // Rows are tall enough for the images.
  height = std::max({height, kMinRowHeight, static_cast<int>(ImageSize(state.normalImages).cy),
                     static_cast<int>(ImageSize(state.stateImages).cy)});
  if (!(StyleOf(hwnd) & TVS_NONEVENHEIGHT)) height += height % 2;
  state.itemHeight = height;
}

int RowHeight(HWND hwnd, TreeViewState& state) {
  if (state.itemHeight <= 0) Measure(hwnd, state);
  return std::max(state.itemHeight, 1);
}

int RowsPerPage(HWND hwnd, TreeViewState& state) { return std::max(0, Client(hwnd).bottom / RowHeight(hwnd, state)); }

int Level(HWND hwnd, const TreeItem& item) { return Depth(item) + (HasRootColumn(StyleOf(hwnd)) ? 1 : 0); }

RowLayout LayoutRow(HWND hwnd, TreeViewState& state, int visibleIndex) {
  TreeItem& item = *Visible(state)[static_cast<size_t>(visibleIndex)];
  int height = RowHeight(hwnd, state);
  int top = (visibleIndex - state.top) * height;
  const RowParts parts = PartsOf(hwnd, state);
  const int level = Depth(item) + parts.rootColumn;
  RowLayout layout{};
  layout.row = RECT{0, top, std::max(Client(hwnd).right, 0), top + height};
  int content = -state.xOffset + level * state.indent;
  if (level > 0) layout.button = RECT{content - state.indent, top, content, top + height};
  if (parts.check > 0) {
    layout.check = RECT{content, top, content + parts.check, top + height};
    content += parts.check;
  }
  if (parts.image > 0) {
    layout.image = RECT{content, top, content + parts.image, top + height};
    content += parts.image;
  }
  layout.label = RECT{content, top, content + LabelWidth(hwnd, state, item), top + height};
  return layout;
}

bool ItemRect(HWND hwnd, TreeViewState& state, TreeItem* item, bool textOnly, RECT& out) {
  int index = item ? VisibleIndex(state, item) : -1;
  if (index < 0) return false;
  RowLayout layout = LayoutRow(hwnd, state, index);
  out = textOnly ? layout.label : layout.row;
  return true;
}

TreeItem* HitTest(HWND hwnd, TreeViewState& state, POINT pt, UINT& flags) {
  RECT client = Client(hwnd);
  flags = 0;
  if (pt.x < client.left) flags |= TVHT_TOLEFT;
  if (pt.x >= client.right) flags |= TVHT_TORIGHT;
  if (pt.y < client.top) flags |= TVHT_ABOVE;
  if (pt.y >= client.bottom) flags |= TVHT_BELOW;
  if (flags) return nullptr;
  int index = state.top + pt.y / RowHeight(hwnd, state);
  if (index >= static_cast<int>(Visible(state).size())) {
    flags = TVHT_NOWHERE;
    return nullptr;
  }
  TreeItem* item = Visible(state)[static_cast<size_t>(index)];
  RowLayout layout = LayoutRow(hwnd, state, index);
  if (pt.x >= layout.label.right) {
    flags = TVHT_ONITEMRIGHT;
  } else if (pt.x >= layout.label.left) {
    flags = TVHT_ONITEMLABEL;
  } else if (!IsRectEmpty(&layout.image) && pt.x >= layout.image.left) {
    flags = TVHT_ONITEMICON;
  } else if (!IsRectEmpty(&layout.check) && pt.x >= layout.check.left) {
    flags = TVHT_ONITEMSTATEICON;
  } else if (!IsRectEmpty(&layout.button) && pt.x >= layout.button.left && (StyleOf(hwnd) & TVS_HASBUTTONS) &&
             HasButton(hwnd, state, *item)) {
    flags = TVHT_ONITEMBUTTON;
  } else {
    flags = TVHT_ONITEMINDENT;
  }
  return item;
}

void SetTop(HWND hwnd, TreeViewState& state, int top) {
  top = std::clamp(top, 0, MaxTop(hwnd, state));
  if (top == state.top) return;
  state.top = top;
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
}

void EnsureVisible(HWND hwnd, TreeViewState& state, TreeItem& item) {
  int index = VisibleIndex(state, &item);
  if (index < 0) return;
  int rows = std::max(RowsPerPage(hwnd, state), 1);
  if (index < state.top) {
    SetTop(hwnd, state, index);
  } else if (index >= state.top + rows) {
    SetTop(hwnd, state, index - rows + 1);
  }
}

void UpdateScrollBars(HWND hwnd, TreeViewState& state) {
  // Showing or hiding a bar resizes the client area, which comes back here.
  if (state.updatingBars || (StyleOf(hwnd) & TVS_NOSCROLL)) return;
  state.updatingBars = true;
  int count = ExtentOf(hwnd, state).rows;
  state.top = std::clamp(state.top, 0, MaxTop(hwnd, state));
  SCROLLINFO vert{sizeof(vert),
                  SIF_RANGE | SIF_PAGE | SIF_POS,
                  0,
                  std::max(0, count - 1),
                  static_cast<UINT>(RowsPerPage(hwnd, state)),
                  state.top,
                  0};
  SetScrollBarLater(hwnd, SB_VERT, vert);
  if (!(StyleOf(hwnd) & TVS_NOHSCROLL)) {
    int width = ContentWidth(hwnd, state);
    state.xOffset = std::clamp(state.xOffset, 0, std::max(0, width - Client(hwnd).right));
    SCROLLINFO horz{sizeof(horz),
                    SIF_RANGE | SIF_PAGE | SIF_POS,
                    0,
                    std::max(0, width - 1),
                    static_cast<UINT>(std::max(Client(hwnd).right, 0)),
                    state.xOffset,
                    0};
    SetScrollBarLater(hwnd, SB_HORZ, horz);
  }
  state.updatingBars = false;
}

void OnScroll(HWND hwnd, TreeViewState& state, UINT msg, WPARAM wParam) {
  UINT code = LOWORD(wParam);
  if (msg == WM_VSCROLL) {
    int page = std::max(1, RowsPerPage(hwnd, state));
    SetTop(hwnd, state,
           ScrolledPosition(code, state.top, 1, page, MaxTop(hwnd, state), ScrollTrackPosition(hwnd, SB_VERT, wParam)));
    return;
  }
  int last = MaxXOffset(hwnd, state);
  int track = ScrollTrackPosition(hwnd, SB_HORZ, wParam);
  int pos =
      std::clamp(ScrolledPosition(code, state.xOffset, kHorizontalLine, Client(hwnd).right, last, track), 0, last);
  if (pos == state.xOffset) return;
  state.xOffset = pos;
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
}

void RedrawItem(HWND hwnd, TreeViewState& state, TreeItem* item) {
  RECT rc{};
  if (item && ItemRect(hwnd, state, item, false, rc)) InvalidateRect(hwnd, &rc, TRUE);
}

}  // namespace win32::controls
