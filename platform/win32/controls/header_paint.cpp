// Classic painting of header controls: raised buttons with captions.
#include <algorithm>

#include "controls/header.h"

namespace win32::controls {
namespace {

constexpr int kTextMargin = 6;
constexpr int kVerticalPadding = 6;

UINT Justify(int format) {
  switch (format & HDF_JUSTIFYMASK) {
    case HDF_RIGHT:
      return DT_RIGHT;
    case HDF_CENTER:
      return DT_CENTER;
    default:
      return DT_LEFT;
  }
}

void DrawOwnerItem(HWND hwnd, const HeaderState& state, HDC dc, int index, const RECT& rc, bool pressed) {
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_HEADER;
  dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  dis.itemID = static_cast<UINT>(index);
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = pressed ? ODS_SELECTED : 0;
  dis.hwndItem = hwnd;
  dis.hDC = dc;
  dis.rcItem = rc;
  dis.itemData = static_cast<ULONG_PTR>(state.items[static_cast<size_t>(index)].lParam);
  if (state.notify) SendMessage(state.notify, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void DrawButtonFace(HDC dc, RECT rc, bool pressed) {
  FillSysColor(dc, rc, COLOR_BTNFACE);
  if (pressed) {
    HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);
    FrameRect(dc, &rc, shadow);
  } else {
    DrawEdge(dc, &rc, EDGE_RAISED, BF_RECT | BF_SOFT);
  }
}

void DrawItem(HWND hwnd, const HeaderState& state, HDC dc, int index, bool disabled) {
  const HeaderItem& item = state.items[static_cast<size_t>(index)];
  RECT rc = HeaderItemRect(hwnd, state, index);
  if (rc.right <= rc.left) return;
  bool pressed = index == state.pressed && state.pressedInside;
  DrawButtonFace(dc, rc, pressed);
  if (item.format & HDF_OWNERDRAW) {
    DrawOwnerItem(hwnd, state, dc, index, rc, pressed);
    return;
  }
  RECT inner{rc.left + kTextMargin, rc.top + 2, rc.right - kTextMargin, rc.bottom - 2};
  if (pressed) OffsetRect(&inner, 1, 1);
  int saved = SaveDC(dc);
  IntersectClipRect(dc, rc.left + 2, rc.top + 2, rc.right - 2, rc.bottom - 2);
  int cx = 0, cy = 0;
  if ((item.format & HDF_IMAGE) && state.images && ImageList_GetIconSize(state.images, &cx, &cy)) {
    ImageList_Draw(state.images, item.image, dc, inner.left, inner.top + (inner.bottom - inner.top - cy) / 2,
                   ILD_TRANSPARENT);
    inner.left += cx + kTextMargin / 2;
  }
  if (!item.text.empty()) {
    DrawControlText(dc, item.text, inner,
                    Justify(item.format) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS, disabled);
  }
  RestoreDC(dc, saved);
}

}  // namespace

int HeaderHeight(HWND hwnd, const HeaderState& state) {
  HDC dc = GetDC(hwnd);
  int height = 0;
  {
    SelectGuard font(dc, PaintFont(state.font));
    height = FontLineHeight(dc);
  }
  ReleaseDC(hwnd, dc);
  return height + kVerticalPadding;
}

void PaintHeader(HWND hwnd, const HeaderState& state, HDC dc) {
  RECT client{};
  GetClientRect(hwnd, &client);
  SelectGuard font(dc, PaintFont(state.font));
  int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  bool disabled = !IsWindowEnabled(hwnd);
  int count = static_cast<int>(state.items.size());
  for (int i = 0; i < count; ++i) DrawItem(hwnd, state, dc, i, disabled);
  // The room after the last column is one more empty button.
  RECT rest = client;
  rest.left = count > 0 ? HeaderItemRect(hwnd, state, count - 1).right : 0;
  if (rest.left < rest.right) DrawButtonFace(dc, rest, false);
  SetBkMode(dc, oldMode);
}

}  // namespace win32::controls
